#pragma once
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace zt {

// The text-block files of the competences window. The grade's set (names ending in 1 or 2) holds
// the speaking, reading, writing, mathematics, remarks and promotion blocks.
enum class BlockSource { Interests, Speaking, Reading, Writing, Maths, Remarks, Promotion, Sports, LeadIns };

// A block file read whole by the numbered-record rule: row r holds the record numbered r + 1.
class BlockTable {
public:
    BlockTable(int columns, int rows);
    int columns() const { return columns_; }
    int rows() const { return static_cast<int>(rows_.size()); }
    // Column 1 onwards; empty outside the table.
    QString cell(int row, int column) const;
    void set(int row, int column, const QString& text);

private:
    int columns_;
    std::vector<QStringList> rows_;
};

// Reads the file with the number of columns and rows the window keeps; a missing, damaged or
// longer file is told to the teacher, and what could be read is kept.
BlockTable readBlockTable(const QString& nameInDaten, int columns, int rows);

class CompetenceBlocks {
public:
    // The files of grade 1 or 2; for any other grade the grade's set stays empty.
    static CompetenceBlocks load(int grade);
    QString cell(BlockSource source, int row, int column = 1) const;

private:
    std::map<BlockSource, BlockTable> tables_;
};

} // namespace zt
