// The six per-pupil stores with their field layouts, read by number and by order.
#include "core/PupilStores.h"
#include "FuzzFolder.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zt;
    struct Layout {
        const PupilStore& store;
        int texts;
        int integers;
    };
    static const Layout layouts[] = {{AvSvTextStore, 2, 0},     {AvSvChoiceStore, 0, 15}, {Grade12TextStore, 8, 0},
                                     {Grade12LockStore, 0, 8}, {Grade34TextStore, 3, 0}, {Grade34LockStore, 0, 3}};
    StudentList pupils;
    pupils.Count = 3;
    for (const Layout& layout : layouts) {
        fuzz::putInput(layout.store.path(), data, size);
        for (SlotRule rule : {SlotRule::ByNumber, SlotRule::ByOrder}) {
            PerPupil<QString> first;
            ReadStore(layout.store, pupils, rule, KeyCheck::Surname, [&](RecordReader& r, int slot) {
                QString text;
                for (int i = 0; i < layout.texts; ++i)
                    text = r.string();
                for (int i = 0; i < layout.integers; ++i)
                    r.integer();
                if (slot >= 0 && slot < PupilSlots)
                    first[static_cast<std::size_t>(slot)] = text;
            });
        }
    }
    return 0;
}
