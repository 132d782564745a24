#include "ProgramFolder.h"
#include "Windows1252.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

std::function<bool(const QString&)>& writeFailure()
{
    static std::function<bool(const QString&)> fails;
    return fails;
}

bool writeBytes(const QString& absolute, const QByteArray& bytes)
{
    if (writeFailure() && writeFailure()(absolute))
        return false;
    QSaveFile f(absolute);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
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

std::optional<QString> readText(const QString& relativePath)
{
    const QString absolute = resolve(relativePath);
    if (!QFileInfo(absolute).isFile())
        return std::nullopt;
    bool ok = false;
    const QByteArray bytes = readBytes(absolute, ok);
    if (!ok)
        return std::nullopt;
    return decodeWindows1252(bytes);
}

bool writeText(const QString& relativePath, const QString& text)
{
    return writeBytes(resolve(relativePath), encodeWindows1252(text));
}

bool copy(const QString& fromRelative, const QString& toRelative)
{
    bool ok = false;
    const QByteArray bytes = readBytes(resolve(fromRelative), ok);
    return ok && writeBytes(resolve(toRelative), bytes);
}

bool makeFolder(const QString& relativePath) { return QDir().mkpath(resolve(relativePath)); }

bool remove(const QString& relativePath) { return QFile::remove(resolve(relativePath)); }

void setWriteFailure(std::function<bool(const QString& absolutePath)> fails) { writeFailure() = std::move(fails); }

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
