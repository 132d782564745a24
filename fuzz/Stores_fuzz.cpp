// A per-pupil store read by number and by order, with and without the surname check.
#include "FuzzFolder.h"
#include "core/PupilStores.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zt;
    static const PupilStore store{QStringLiteral("AVSVspeicher")};
    fuzz::putInput(store.path(), data, size);
    StudentList pupils;
    pupils.Count = 3;
    for (SlotRule rule : {SlotRule::ByNumber, SlotRule::ByOrder}) {
        PerPupil<QString> texts;
        ReadStore(store, pupils, rule, KeyCheck::Surname, [&](RecordReader& r, int slot) {
            QString av = r.string();
            r.string();
            if (slot >= 0 && slot < PupilSlots)
                texts[static_cast<std::size_t>(slot)] = av;
        });
    }
    return 0;
}
