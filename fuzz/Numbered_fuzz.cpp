// Numbered records of any numbers into the 36 pupil slots, as every list file is read.
#include "core/MasterData.h"
#include "core/RecordFile.h"
#include "core/Windows1252.h"
#include <QByteArray>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    zt::RecordReader reader(zt::decodeFileText(file));
    std::array<QString, zt::PupilSlots> texts;
    zt::readNumbered(reader, zt::PupilSlots, [&](int slot) {
        QString text = reader.string();
        if (slot >= 0 && slot < zt::PupilSlots)
            texts[static_cast<std::size_t>(slot)] = text;
    });
    return 0;
}
