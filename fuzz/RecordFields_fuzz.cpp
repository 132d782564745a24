// The field reader driven by the input itself: its first bytes choose the kinds of fields asked
// for, the rest is the file. Whatever text the file gives is written and read back unchanged.
#include "core/RecordFile.h"
#include "core/Windows1252.h"
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t kinds = std::min<std::size_t>(data[0] % 16 + 1, size - 1);
    const QByteArray file(reinterpret_cast<const char*>(data + 1 + kinds), static_cast<qsizetype>(size - 1 - kinds));
    const QString text = zt::decodeFileText(file);
    if (zt::decodeFileText(zt::encodeFileText(text)) != text)
        std::abort();
    zt::RecordReader reader(text);
    for (int round = 0; round < 64 && !reader.atEnd(); ++round)
        for (std::size_t k = 0; k < kinds; ++k) {
            if (data[1 + k] & 1)
                reader.integer();
            else
                reader.string();
        }
    return 0;
}
