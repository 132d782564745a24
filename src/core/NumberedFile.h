#pragma once
#include "RecordFile.h"
#include <QString>
#include <functional>

namespace zt {

// What a reader got of a numbered file of the program folder.
struct NumberedFile {
    bool found = false;
    int count = 0; // number of the last record read, within the slots
    // Cut off, malformed, or empty (the program never writes nor ships a numbered file without a
    // record): what the caller holds is only what could be read.
    bool damaged = false;
    qsizetype longestString = 0;
};

// Reads a numbered file by the rule of readNumbered, at most `slotCount` records: readRecord(reader,
// slot) reads the other fields of the record for that slot, into scratch fields when the slot lies
// outside 0 to slotCount-1. A missing, damaged or overlong file is reported.
NumberedFile readNumberedFile(const QString& relativePath, int slotCount,
                              const std::function<void(RecordReader& reader, int slot)>& readRecord);

} // namespace zt
