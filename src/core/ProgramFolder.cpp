#include "ProgramFolder.h"
#include "Windows1252.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zt::Files {

namespace {
QString& folder()
{
    static QString path = QDir::currentPath();
    return path;
}

QByteArray readBytes(const QString& absolute, bool& ok)
{
    QFile f(absolute);
    ok = f.open(QIODevice::ReadOnly);
    return ok ? f.readAll() : QByteArray();
}

struct WriteFailure {
    std::function<bool(const QString&)> fails;
    int errorNumber = 0;
};

WriteFailure& writeFailure()
{
    static WriteFailure failure;
    return failure;
}

// Beside the file it replaces, so that the rename stays within one folder.
const QString TemporarySuffix = QStringLiteral(".speichern~");

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = ENOSPC;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool syncFolder(const QString& absoluteFolder)
{
    const int fd = ::open(QFile::encodeName(absoluteFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// The cause of the call that has just failed.
WriteResult failed() { return WriteResult::fromErrorNumber(errno); }

// The new content goes to a temporary file that is synced and then renamed over the old one, and
// the folder is synced after the rename: a crash or a power loss leaves the old file or the new
// one, never a part of either.
WriteResult writeBytes(const QString& absolute, const QByteArray& bytes)
{
    if (writeFailure().fails && writeFailure().fails(absolute))
        return WriteResult::fromErrorNumber(writeFailure().errorNumber);
    const QByteArray target = QFile::encodeName(absolute);
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return WriteResult(S_ISDIR(old.st_mode) ? WriteCause::FolderInPlace : WriteCause::Other);
    if (replacing && ::access(target.constData(), W_OK) != 0)
        return failed();
    const QByteArray temporary = QFile::encodeName(absolute + TemporarySuffix);
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return failed();
    bool ok = writeAll(fd, bytes) && (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) && ::fsync(fd) == 0;
    WriteResult result = ok ? WriteResult() : failed();
    if (::close(fd) != 0 && result)
        result = failed();
    if (result && ::rename(temporary.constData(), target.constData()) != 0)
        result = failed();
    if (!result) {
        ::unlink(temporary.constData());
        return result;
    }
    syncFolder(QFileInfo(absolute).path());
    return result;
}
} // namespace

void setProgramFolder(const QString& absolutePath) { folder() = QDir::cleanPath(absolutePath); }
QString programFolder() { return folder(); }

QString resolve(const QString& relativePath)
{
    QString path = folder();
    const QStringList parts = QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            path = QFileInfo(path).path();
            continue;
        }
        const QString exact = path + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            path = exact;
            continue;
        }
        QString match;
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        path += QLatin1Char('/') + (match.isEmpty() ? part : match);
    }
    return path;
}

bool exists(const QString& relativePath) { return QFileInfo(resolve(relativePath)).isFile(); }
bool folderExists(const QString& relativePath) { return QFileInfo(resolve(relativePath)).isDir(); }

std::optional<QByteArray> readData(const QString& relativePath)
{
    const QString absolute = resolve(relativePath);
    if (!QFileInfo(absolute).isFile())
        return std::nullopt;
    bool ok = false;
    QByteArray bytes = readBytes(absolute, ok);
    if (!ok)
        return std::nullopt;
    return bytes;
}

std::optional<QString> readText(const QString& relativePath)
{
    const std::optional<QByteArray> bytes = readData(relativePath);
    if (!bytes)
        return std::nullopt;
    return decodeFileText(*bytes);
}

WriteResult writeText(const QString& relativePath, const QString& text)
{
    return writeBytes(resolve(relativePath), encodeFileText(text));
}

WriteResult writeData(const QString& relativePath, const QByteArray& bytes)
{
    return writeBytes(resolve(relativePath), bytes);
}

WriteResult copy(const QString& fromRelative, const QString& toRelative)
{
    bool ok = false;
    const QByteArray bytes = readBytes(resolve(fromRelative), ok);
    if (!ok)
        return WriteResult(WriteCause::SourceUnreadable);
    return writeBytes(resolve(toRelative), bytes);
}

// Folder by folder, so that the one that could not be made gives the cause.
WriteResult makeFolder(const QString& relativePath)
{
    const QString absolute = resolve(relativePath);
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(path);
        struct stat there {};
        if (::stat(name.constData(), &there) == 0) {
            if (!S_ISDIR(there.st_mode))
                return WriteResult(WriteCause::PathThroughFile);
            continue;
        }
        if (::mkdir(name.constData(), 0777) != 0 && errno != EEXIST)
            return failed();
    }
    return WriteResult();
}

WriteResult remove(const QString& relativePath)
{
    return ::unlink(QFile::encodeName(resolve(relativePath)).constData()) == 0 ? WriteResult() : failed();
}

void removeInterruptedSaves()
{
    QDirIterator it(folder(), {QLatin1Char('*') + TemporarySuffix}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::remove(it.next());
}

void setWriteFailure(std::function<bool(const QString& absolutePath)> fails, int errorNumber)
{
    writeFailure() = {std::move(fails), errorNumber};
}

QStringList filesEndingWith(const QString& relativeFolder, const QString& suffix)
{
    QStringList found;
    const QStringList entries = QDir(resolve(relativeFolder)).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.endsWith(suffix, Qt::CaseInsensitive))
            found << entry;
    return found;
}

} // namespace zt::Files
