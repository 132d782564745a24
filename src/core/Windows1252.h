#pragma once
#include <QByteArray>
#include <QString>

namespace zt {

// Data files are single-byte Windows-1252 on disk, as the teacher's files from Windows are. A text
// holding a character Windows-1252 cannot hold (Şahin, Łukasz) is written whole as UTF-8 after a
// byte-order mark instead, so that nothing typed is lost; so is a text whose single bytes would
// begin like the mark. A file that begins with the mark is read as UTF-8, and a byte there that is
// no UTF-8 becomes U+FFFD.
QByteArray encodeFileText(const QString& text);
QString decodeFileText(const QByteArray& bytes);

// The single-byte form alone: a character it cannot hold becomes "?".
QByteArray encodeWindows1252(const QString& text);
QString decodeWindows1252(const QByteArray& bytes);

} // namespace zt
