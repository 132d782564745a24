#include "Windows1252.h"
#include <QStringDecoder>
#include <array>

namespace zt {

namespace {
// Bytes 0x80..0x9F; 0 marks the five undefined bytes, which keep their Latin-1 code point.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// The byte of a character, or -1 when Windows-1252 has none for it.
int byteOf(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t k = 0; k < HighControls.size(); ++k)
        if (HighControls[k] == u || (HighControls[k] == 0 && u == 0x80 + k))
            return static_cast<int>(0x80 + k);
    return -1;
}

// What becomes of a character Windows-1252 cannot hold: a "?", or the whole text is refused.
enum class Unheld { AsQuestionMark, Refused };

// A pair of surrogates is one character that Windows-1252 cannot hold. A lone half, as a cut text
// may hold, is no character at all: it becomes "?" in either form, so it decides nothing.
bool encode(const QString& text, Unheld unheld, QByteArray& out)
{
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
            continue;
        const bool pairStart = ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const bool loneHalf = ch.isSurrogate() && !pairStart;
        const int byte = byteOf(ch.unicode());
        if (byte < 0 && !loneHalf && unheld == Unheld::Refused)
            return false;
        out.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return true;
}
} // namespace

QByteArray encodeWindows1252(const QString& text)
{
    QByteArray out;
    encode(text, Unheld::AsQuestionMark, out);
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

QByteArray encodeFileText(const QString& text)
{
    QByteArray out;
    // Single bytes that begin like the mark would be read back as UTF-8 without them.
    if (encode(text, Unheld::Refused, out) && !out.startsWith(ByteOrderMark))
        return out;
    return ByteOrderMark + text.toUtf8();
}

QString decodeFileText(const QByteArray& bytes)
{
    if (!bytes.startsWith(ByteOrderMark))
        return decodeWindows1252(bytes);
    // A second mark after the first is the text's own first character; a cut last character is
    // damage like any other byte that is no UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return utf8(QByteArrayView(bytes).sliced(ByteOrderMark.size()));
}

} // namespace zt
