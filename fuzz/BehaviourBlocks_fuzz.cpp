// The work and social behaviour text blocks and their categories.
#include "core/TextBlockFiles.h"
#include "FuzzFolder.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zt;
    fuzz::putInput(QStringLiteral("Daten\\") + AvLineFile, data, size);
    fuzz::putInput(QStringLiteral("Daten\\") + AvCategoryFile, data, size);
    BehaviourArea area(AvCategories, 8);
    readLineFile(AvLineFile, area);
    readCategoryFile(AvCategoryFile, area);
    return 0;
}
