#include "ReviewPrint.h"
#include "DocumentBuilder.h"
#include "core/FileProblems.h"
#include "core/ProgramFolder.h"

namespace zt {

std::optional<QString> MakeReviewPrint(const QString& reviewText)
{
    DocumentBuilder document;
    document.text(reviewText);
    if (!Files::folderExists(QStringLiteral("Daten\\worddaten")) && !Files::makeFolder(QStringLiteral("Daten\\worddaten"))) {
        reportWriteFailure(ReviewPrintDocument);
        return std::nullopt;
    }
    if (!document.save(ReviewPrintDocument))
        return std::nullopt;
    return ReviewPrintDocument;
}

} // namespace zt
