#pragma once
#include "WriteResult.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <functional>
#include <optional>

namespace zt {

// Every file of the program lies in the program folder. Paths are relative to it, written as the
// windows write them ("Daten\Namen.txt"); names are matched without regard to letter case, so an
// existing file of another spelling is the same file, and a new file takes the writer's spelling.
namespace Files {

void setProgramFolder(const QString& absolutePath);
QString programFolder();

// Absolute path of a relative one; existing folders and files keep their spelling on disk.
QString resolve(const QString& relativePath);

bool exists(const QString& relativePath);
bool folderExists(const QString& relativePath);

// The bytes of a file as they are; nothing when it is missing or unreadable.
std::optional<QByteArray> readData(const QString& relativePath);
// Whole text of a file in either of the two forms of Windows1252.h; nothing when it is missing or
// unreadable.
std::optional<QString> readText(const QString& relativePath);
// Writes the whole file, as Windows-1252 where it can hold the text, through a temporary file and
// a rename; when that failed, the previous file is unchanged and the result says why.
WriteResult writeText(const QString& relativePath, const QString& text);
// Writes bytes as they are (a document), the same way.
WriteResult writeData(const QString& relativePath, const QByteArray& bytes);
WriteResult copy(const QString& fromRelative, const QString& toRelative);
// Removes what a save cut off by a crash or a power loss left beside its file; the file itself is
// whole, in its old or its new content.
void removeInterruptedSaves();
// The folder and every folder above it that is missing.
WriteResult makeFolder(const QString& relativePath);
WriteResult remove(const QString& relativePath);
// For tests, in place of a full disk or a read-only file (tests run as root): every write or copy
// to a path for which the predicate holds fails, as with the error number (errno). Nothing (the
// default) lets every write through.
void setWriteFailure(std::function<bool(const QString& absolutePath)> fails, int errorNumber = ENOSPC);

// Names of the files in a folder whose names end with the suffix (letter case ignored).
QStringList filesEndingWith(const QString& relativeFolder, const QString& suffix);

} // namespace Files
} // namespace zt
