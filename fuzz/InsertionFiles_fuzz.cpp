// The insertion dialog's snippet file and placeholder list.
#include "core/InsertionFiles.h"
#include "FuzzFolder.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zt;
    fuzz::putInput(BehaviourSnippetFile, data, size);
    readSnippetFile(BehaviourSnippetFile);
    fuzz::putInput(PlaceholderFile, data, size);
    const PlaceholderList list = readPlaceholderFile();
    if (list.count < 0 || list.count > PlaceholderSlots)
        __builtin_trap();
    return 0;
}
