#pragma once
#include <QString>
#include <functional>

namespace zt {

// A file that lets the program down is told to the teacher by the windows' layer; the readers and
// writers here only say what happened, and go on with what they could read.
enum class FileProblem { Missing, Damaged, TooManyRecords, WriteFailed, CopyFailed };

struct FileProblemReport {
    FileProblem problem;
    QString path;      // relative to the program folder, as the windows name it
    QString otherPath; // the target of a copy
    int limit = 0;     // the number of records that were read
};

using FileProblemSink = std::function<void(const FileProblemReport&)>;
// The sink in use; the program installs the one that shows a message box.
void installFileProblemSink(FileProblemSink sink);

void reportMissingFile(const QString& relativePath);
void reportDamagedFile(const QString& relativePath);
void reportTooManyRecords(const QString& relativePath, int limit);
void reportWriteFailure(const QString& relativePath);
void reportCopyFailure(const QString& fromRelative, const QString& toRelative);

} // namespace zt
