#include "StandIns.h"
#include "ReportListDocument.h"
#include "Reports.h"
#include "ReviewPrint.h"
#include <QRegularExpression>
#include <functional>
#include <optional>

namespace zt {

namespace {
// Each makes its document from the data files and returns its relative path, or nothing when it
// could not be written.
using StandIn = std::function<std::optional<QString>(const DocumentContext&)>;

struct StandInEntry {
    const char* macro;
    StandIn make;
};

const std::vector<StandInEntry>& standIns()
{
    static const std::vector<StandInEntry> table = {
        {"Anzeigetext", [](const DocumentContext& c) { return MakeReviewPrint(c.clipboardText); }},
        {"ZeugnisseSchreiben", [](const DocumentContext& c) { return MakeClassReports(c.today); }},
        {"ZeugnislisteNeu", [](const DocumentContext& c) { return MakeReportList(c.today); }},
        {"ZeugnisseAnlagen", [](const DocumentContext& c) { return MakeReportAttachments(c.today); }},
        {"Leerformular", [](const DocumentContext&) { return MakeBlankReportForm(); }},
    };
    return table;
}
} // namespace

PreparedDocument PrepareDocument(const WordCommand& command, const DocumentContext& context)
{
    if (command.macro.isEmpty())
        return {PreparedDocument::Ready, OpenDocumentOf(command.document)};
    for (const StandInEntry& s : standIns()) {
        if (command.macro.compare(QLatin1String(s.macro), Qt::CaseInsensitive) != 0)
            continue;
        const std::optional<QString> made = s.make(context);
        if (!made)
            return {PreparedDocument::NotWritten, OpenDocumentOf(command.document)};
        return {PreparedDocument::Ready, *made};
    }
    return {PreparedDocument::NoStandIn, OpenDocumentOf(command.document)};
}

QString HowDocumentIsMade(const QString& document)
{
    static const QRegularExpression reports(QStringLiteral("Zeugnisse\\d+\\.odt$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reportList(QStringLiteral("Zeugnisliste\\d+\\.odt$"), QRegularExpression::CaseInsensitiveOption);
    if (reports.match(document).hasMatch())
        return QStringLiteral("Die Zeugnisse entstehen mit der Taste 'Zeugnisse mit  WinWord®  schreiben' auf der Startseite.");
    if (reportList.match(document).hasMatch())
        return QStringLiteral("Die Liste entsteht bei jedem 'Basisdaten speichern' im Fenster der Schul- und Schülerdaten.");
    return QStringLiteral("Es gehört zum Programm; bitte spielen Sie das Programm neu auf.");
}

} // namespace zt
