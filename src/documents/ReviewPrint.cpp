#include "ReviewPrint.h"
#include "DocumentBuilder.h"

namespace zt {

std::optional<QString> MakeReviewPrint(const QString& reviewText)
{
    DocumentBuilder document;
    document.text(reviewText);
    if (!document.save(ReviewPrintDocument))
        return std::nullopt;
    return ReviewPrintDocument;
}

} // namespace zt
