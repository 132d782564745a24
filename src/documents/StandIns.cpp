#include "StandIns.h"
#include "HelpDocuments.h"
#include "ListDocuments.h"
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
        {"Klassenliste", [](const DocumentContext&) { return MakeClassList(); }},
        {"Strichliste", [](const DocumentContext&) { return MakeTallyList(); }},
        {"Bilderliste", [](const DocumentContext&) { return MakePhotoList(); }},
        {"ZeugnisseSchreiben", [](const DocumentContext& c) { return MakeClassReports(c.today); }},
        {"ZeugnislisteNeu", [](const DocumentContext& c) { return MakeReportList(c.today); }},
        {"ZeugnisseAnlagen", [](const DocumentContext& c) { return MakeReportAttachments(c.today); }},
        {"Leerformular", [](const DocumentContext&) { return MakeBlankReportForm(); }},
    };
    return table;
}

// Documents without a macro that are made anew each time they are opened.
struct MadeOnOpening {
    bool (*makes)(const QString& document);
    std::optional<QString> (*make)(const QString& document);
};

const std::vector<MadeOnOpening>& madeOnOpening()
{
    static const std::vector<MadeOnOpening> table = {
        {IsHelpDocument, MakeHelpDocument},
    };
    return table;
}

// A document without a macro opens as it is, unless the program makes it anew on opening.
PreparedDocument namedDocument(const QString& document)
{
    for (const MadeOnOpening& m : madeOnOpening()) {
        if (!m.makes(document))
            continue;
        const std::optional<QString> made = m.make(document);
        if (!made)
            return {PreparedDocument::NotWritten, document};
        return {PreparedDocument::Ready, *made};
    }
    return {PreparedDocument::Ready, document};
}
} // namespace

PreparedDocument PrepareDocument(const WordCommand& command, const DocumentContext& context)
{
    if (command.macro.isEmpty())
        return namedDocument(OpenDocumentOf(command.document));
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
