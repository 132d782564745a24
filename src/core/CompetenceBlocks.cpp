#include "CompetenceBlocks.h"
#include "FileProblems.h"
#include "RecordFile.h"

namespace zt {

BlockTable::BlockTable(int columns, int rows) : columns_(columns), rows_(rows, QStringList(columns)) {}

QString BlockTable::cell(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 1 || column > columns_)
        return QString();
    return rows_[row][column - 1];
}

void BlockTable::set(int row, int column, const QString& text)
{
    if (row >= 0 && row < static_cast<int>(rows_.size()) && column >= 1 && column <= columns_)
        rows_[row][column - 1] = text;
}

BlockTable readBlockTable(const QString& nameInDaten, int columns, int rows)
{
    BlockTable table(columns, rows);
    const QString path = QStringLiteral("Daten\\") + nameInDaten;
    std::optional<RecordReader> reader = openRecordFile(path);
    if (!reader) {
        reportMissingFile(path);
        return table;
    }
    const NumberedResult result = readNumbered(*reader, rows, [&](int row) {
        for (int column = 1; column <= columns; ++column)
            table.set(row, column, reader->string());
    });
    if (result.truncated)
        reportTooManyRecords(path, rows);
    else if (reader->damaged())
        reportDamagedFile(path);
    return table;
}

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
