#include "FileProblems.h"
#include <QDebug>

namespace zt {

namespace {
FileProblemSink& sink()
{
    static FileProblemSink installed;
    return installed;
}

void report(FileProblemReport r)
{
    if (sink())
        sink()(r);
    else
        qWarning() << "file problem" << static_cast<int>(r.problem) << r.path << r.otherPath;
}
} // namespace

void installFileProblemSink(FileProblemSink s) { sink() = std::move(s); }

void reportMissingFile(const QString& relativePath) { report({FileProblem::Missing, relativePath, {}, 0}); }
void reportDamagedFile(const QString& relativePath) { report({FileProblem::Damaged, relativePath, {}, 0}); }
void reportTooManyRecords(const QString& relativePath, int limit)
{
    report({FileProblem::TooManyRecords, relativePath, {}, limit});
}
void reportWriteFailure(const QString& relativePath) { report({FileProblem::WriteFailed, relativePath, {}, 0}); }
void reportCopyFailure(const QString& fromRelative, const QString& toRelative)
{
    report({FileProblem::CopyFailed, fromRelative, toRelative, 0});
}

} // namespace zt
