#include "DatedCopy.h"
#include "core/FileProblems.h"
#include "core/ProgramFolder.h"
#include "core/WordCommandLine.h"
#include <QHash>

namespace zt {

namespace {
// What this program last wrote to each document: a document that still holds it has nothing of the
// teacher's in it and needs no copy.
QHash<QString, QByteArray>& lastWritten()
{
    static QHash<QString, QByteArray> written;
    return written;
}

// The previous document goes to the copy of the day; where that copy holds another version (edited
// between two makings of one day), to the next numbered copy, so that no version is written over.
bool keepPrevious(const QString& relativePath, const QDate& today)
{
    const std::optional<QByteArray> previous = Files::readData(relativePath);
    if (!previous || lastWritten().value(Files::resolve(relativePath)) == *previous)
        return true;
    for (int number = 1;; ++number) {
        const QString copy = DatedCopyOf(relativePath, today, number);
        const std::optional<QByteArray> kept = Files::readData(copy);
        if (kept && *kept == *previous)
            return true;
        if (kept)
            continue;
        const WriteResult copied = Files::copy(relativePath, copy);
        if (!copied)
            reportCopyFailure(relativePath, copy, copied);
        return bool(copied);
    }
}
} // namespace

bool SaveKeepingDatedCopy(DocumentBuilder& document, const QString& relativePath, const QDate& today)
{
    // The name comes from the class in the pupil list.
    if (!StaysInProgramFolder(relativePath)) {
        reportWriteFailure(relativePath, WriteResult(WriteCause::OutsideProgramFolder));
        return false;
    }
    if (!keepPrevious(relativePath, today))
        return false;
    if (!document.save(relativePath))
        return false;
    lastWritten().insert(Files::resolve(relativePath), Files::readData(relativePath).value_or(QByteArray()));
    return true;
}

} // namespace zt
