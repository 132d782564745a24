#pragma once
#include "DocumentBuilder.h"
#include <QDate>
#include <QString>

namespace zt {

// Writes a document the teacher may have edited since it was made: the previous one is first kept
// as the copy of the day beside it. When that copy cannot be made, nothing is written and the
// previous document stays as it is (reported); so does a name that would leave the program folder.
bool SaveKeepingDatedCopy(DocumentBuilder& document, const QString& relativePath, const QDate& today);

} // namespace zt
