// The grade text blocks as the competences window and the grade editors read them, for the table
// sizes they keep.
#include "core/CompetenceBlocks.h"
#include "core/TextBlockFiles.h"
#include "FuzzFolder.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zt;
    fuzz::putInput(QStringLiteral("Daten\\Mathe2.Txt"), data, size);
    for (const auto& [columns, rows] : {std::pair{18, 6}, std::pair{1, 26}, std::pair{6, 7}, std::pair{4, 5}}) {
        const BlockTable table = readBlockTable(QStringLiteral("Mathe2.Txt"), columns, rows);
        blockTableText(table, rows);
        table.cell(rows + 3, columns + 2);
    }
    fuzz::putInput(QStringLiteral("Daten\\Zwischentexte.Txt"), data, size);
    CompetenceBlocks::load(2).cell(BlockSource::LeadIns, 21);
    return 0;
}
