#pragma once
#include <QString>
#include <optional>

namespace zt {

inline const QString ReviewPrintDocument = QStringLiteral("Daten\\worddaten\\Anzeigetext.odt");

// The review text, line for line, ready to print; the relative path of the document, or nothing
// when it could not be written (reported).
std::optional<QString> MakeReviewPrint(const QString& reviewText);

} // namespace zt
