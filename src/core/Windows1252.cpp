#include "Windows1252.h"
#include <array>

namespace zt {

namespace {
// Bytes 0x80..0x9F; 0 marks the five undefined bytes, which keep their Latin-1 code point.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QByteArray encodeWindows1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const char16_t u = ch.unicode();
        // A pair is one character: its high half already stood for it. A lone half is a character of its own.
        if (ch.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
            continue;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char byte = '?';
        for (std::size_t k = 0; k < HighControls.size(); ++k) {
            if (HighControls[k] == u || (HighControls[k] == 0 && u == 0x80 + k)) {
                byte = static_cast<char>(0x80 + k);
                break;
            }
        }
        out.append(byte);
    }
    return out;
}

QString decodeWindows1252(const QByteArray& bytes)
{
    // Every byte is one character: the text is written in place, a whole file at a time.
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *to++ = b >= 0x80 && b <= 0x9F && HighControls[b - 0x80] != 0 ? HighControls[b - 0x80] : char16_t(b);
    }
    return out;
}

} // namespace zt
