#pragma once
#include <QString>

namespace zt {

// What the teacher is told when a data file lets the program down; the window goes on with what
// could be read.
void reportMissingFile(const QString& relativePath);
void reportDamagedFile(const QString& relativePath);
void reportTooManyRecords(const QString& relativePath, int limit);
void reportWriteFailure(const QString& relativePath);
void reportCopyFailure(const QString& fromRelative, const QString& toRelative);

} // namespace zt
