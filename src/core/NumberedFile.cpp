#include "NumberedFile.h"
#include "FileProblems.h"
#include <algorithm>
#include <optional>

namespace zt {

NumberedFile readNumberedFile(const QString& relativePath, int slotCount,
                              const std::function<void(RecordReader& reader, int slot)>& readRecord)
{
    NumberedFile file;
    std::optional<RecordReader> reader = openRecordFile(relativePath);
    if (!reader) {
        reportMissingFile(relativePath);
        return file;
    }
    file.found = true;
    const bool empty = reader->atEnd();
    const NumberedResult result = readNumbered(*reader, slotCount, [&](int slot) { readRecord(*reader, slot); });
    file.count = std::clamp(result.count, 0, slotCount);
    file.damaged = empty || reader->damaged();
    file.longestString = reader->longestString();
    if (result.truncated)
        reportTooManyRecords(relativePath, slotCount);
    if (file.damaged)
        reportDamagedFile(relativePath);
    return file;
}

} // namespace zt
