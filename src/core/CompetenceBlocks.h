#pragma once
#include "TextBlockFiles.h"
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace zt {

// The text-block files of the competences window. The grade's set (names ending in 1 or 2) holds
// the speaking, reading, writing, mathematics, remarks and promotion blocks.
enum class BlockSource { Interests, Speaking, Reading, Writing, Maths, Remarks, Promotion, Sports, LeadIns };

class CompetenceBlocks {
public:
    // The files of grade 1 or 2; for any other grade the grade's set stays empty.
    static CompetenceBlocks load(int grade);
    QString cell(BlockSource source, int row, int column = 1) const;

private:
    std::map<BlockSource, BlockTable> tables_;
};

} // namespace zt
