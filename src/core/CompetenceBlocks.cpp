#include "CompetenceBlocks.h"

namespace zt {

CompetenceBlocks CompetenceBlocks::load(int grade)
{
    struct File {
        BlockSource source;
        QString name; // the grade's set ends with the grade
        bool ofGrade;
        int columns;
        int rows;
    };
    const File files[] = {
        {BlockSource::Interests, QStringLiteral("Interessen12"), false, 1, 19},
        {BlockSource::Speaking, QStringLiteral("Sprechen"), true, 3, 11},
        {BlockSource::Reading, QStringLiteral("Lesen"), true, 6, 11},
        {BlockSource::Writing, QStringLiteral("Schreiben"), true, 6, 11},
        {BlockSource::Maths, QStringLiteral("Mathe"), true, 18, 11},
        {BlockSource::Remarks, QStringLiteral("Bemerkungen"), true, 3, 11},
        {BlockSource::Promotion, QStringLiteral("Versetzung"), true, 1, 11},
        {BlockSource::Sports, QStringLiteral("Sportusw"), false, 1, 11},
        {BlockSource::LeadIns, QStringLiteral("Zwischentexte"), false, 1, 26},
    };
    const bool gradeSet = grade == 1 || grade == 2;
    CompetenceBlocks blocks;
    for (const File& f : files) {
        if (f.ofGrade && !gradeSet)
            blocks.tables_.emplace(f.source, BlockTable(f.columns, f.rows));
        else
            blocks.tables_.emplace(f.source, readBlockTable(f.name + (f.ofGrade ? QString::number(grade) : QString())
                                                                + QStringLiteral(".Txt"),
                                                            f.columns, f.rows));
    }
    return blocks;
}

QString CompetenceBlocks::cell(BlockSource source, int row, int column) const
{
    auto it = tables_.find(source);
    return it == tables_.end() ? QString() : it->second.cell(row, column);
}

} // namespace zt
