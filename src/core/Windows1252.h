#pragma once
#include <QByteArray>
#include <QString>

namespace zt {

// Data files are single-byte Windows-1252 on disk; a character it cannot hold is written as "?".
QByteArray encodeWindows1252(const QString& text);
QString decodeWindows1252(const QByteArray& bytes);

} // namespace zt
