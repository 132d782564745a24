#include "Reports.h"
#include "DatedCopy.h"
#include "ReportLayout.h"
#include "core/ReportCards.h"
#include "core/WordCommandLine.h"

namespace zt {

namespace {
// One card to a page; an empty pupil list says so instead of leaving the document blank.
std::optional<QString> makeCards(const std::vector<ReportCard>& cards, const QString& path, const QDate& today)
{
    DocumentBuilder document;
    for (const ReportCard& card : cards)
        AddReportCard(document, card);
    if (cards.empty())
        document.text(EmptyClassNote);
    if (!SaveKeepingDatedCopy(document, path, today))
        return std::nullopt;
    return path;
}
} // namespace

std::optional<QString> MakeClassReports(const QDate& today)
{
    const ReviewData data = LoadReviewData(ReportBaseDataFields);
    // Without the pupil list the reports have no name; its problem was told.
    if (data.ClassName.isEmpty())
        return std::nullopt;
    const QString halfYear = HalfYearForGrade(data.BaseData.HalfYear, data.Grade);
    return makeCards(ClassReports(data), OpenDocumentOf(ClassReportsDocument(data.ClassName, data.Grade, halfYear)), today);
}

std::optional<QString> MakeReportAttachments(const QDate& today)
{
    return makeCards(ClassReportAttachments(LoadReviewData(ReportBaseDataFields)), ReportAttachmentsDocument, today);
}

std::optional<QString> MakeBlankReportForm()
{
    DocumentBuilder document;
    AddReportCard(document, BlankReport(LoadClassData()));
    if (!document.save(BlankReportDocument))
        return std::nullopt;
    return BlankReportDocument;
}

} // namespace zt
