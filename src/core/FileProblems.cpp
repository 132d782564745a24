#include "FileProblems.h"
#include <QDebug>

namespace zt {

namespace {
FileProblemSink& sink()
{
    static FileProblemSink installed;
    return installed;
}

struct Gathering {
    int saves = 0;
    std::vector<FileProblemReport> failures;
};

Gathering& gathering()
{
    static Gathering g;
    return g;
}

void deliver(const FileProblemReport& r)
{
    if (sink())
        sink()(r);
    else
        qWarning() << "file problem" << static_cast<int>(r.problem) << r.path << r.otherPath;
}

void report(FileProblemReport r)
{
    if (gathering().saves > 0 && (r.problem == FileProblem::WriteFailed || r.problem == FileProblem::CopyFailed))
        gathering().failures.push_back(std::move(r));
    else
        deliver(r);
}
} // namespace

void installFileProblemSink(FileProblemSink s) { sink() = std::move(s); }

void reportMissingFile(const QString& relativePath) { report({FileProblem::Missing, relativePath, {}, 0}); }
void reportDamagedFile(const QString& relativePath) { report({FileProblem::Damaged, relativePath, {}, 0}); }
void reportTooManyRecords(const QString& relativePath, int limit)
{
    report({FileProblem::TooManyRecords, relativePath, {}, limit});
}
void reportWriteFailure(const QString& relativePath, const WriteResult& failure)
{
    report({FileProblem::WriteFailed, relativePath, {}, 0, {}, failure.cause(), failure.errorNumber()});
}
void reportCopyFailure(const QString& fromRelative, const QString& toRelative, const WriteResult& failure)
{
    report({FileProblem::CopyFailed, fromRelative, toRelative, 0, {}, failure.cause(), failure.errorNumber()});
}

OneSave::OneSave() { ++gathering().saves; }

OneSave::~OneSave()
{
    Gathering& g = gathering();
    if (--g.saves > 0 || g.failures.empty())
        return;
    std::vector<FileProblemReport> failures = std::move(g.failures);
    g.failures.clear();
    if (failures.size() == 1)
        deliver(failures.front());
    else
        deliver({FileProblem::SaveFailed, {}, {}, 0, std::move(failures)});
}

} // namespace zt
