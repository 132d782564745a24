#pragma once
#include "WriteResult.h"
#include <QString>
#include <functional>
#include <vector>

namespace zt {

// A file that lets the program down is told to the teacher by the windows' layer; the readers and
// writers here only say what happened, and go on with what they could read.
// SaveFailed: one save could not write several files; each is one of `failures`.
enum class FileProblem { Missing, Damaged, TooManyRecords, WriteFailed, CopyFailed, SaveFailed };

struct FileProblemReport {
    FileProblem problem;
    QString path;      // relative to the program folder, as the windows name it
    QString otherPath; // the target of a copy
    int limit = 0;     // the number of records that were read
    std::vector<FileProblemReport> failures = {};
    // Why a write or a copy failed.
    WriteCause cause = WriteCause::None;
    int errorNumber = 0;
};

using FileProblemSink = std::function<void(const FileProblemReport&)>;
// The sink in use; the program installs the one that shows a message box.
void installFileProblemSink(FileProblemSink sink);

void reportMissingFile(const QString& relativePath);
void reportDamagedFile(const QString& relativePath);
void reportTooManyRecords(const QString& relativePath, int limit);
void reportWriteFailure(const QString& relativePath, const WriteResult& failure);
void reportCopyFailure(const QString& fromRelative, const QString& toRelative, const WriteResult& failure);

// While one lives, the write and copy failures are held back and told together when the outermost
// one ends: a save that fails for several files at once (a read-only Daten) is one report, not one
// per file. A single failure is told as it is; other problems are told at once.
class OneSave {
public:
    OneSave();
    ~OneSave();
    OneSave(const OneSave&) = delete;
    OneSave& operator=(const OneSave&) = delete;
};

} // namespace zt
