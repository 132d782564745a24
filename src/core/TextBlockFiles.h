#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zt {

// The work and social behaviour text blocks: per area a category file (number, name, the colour
// marks of block lines 1 to 9) and a line file laid out line by line across the categories
// (number, then line k-1 of every category). Names are relative to the folder Daten.
inline const QString AvCategoryFile = QStringLiteral("AVKategorien.txt");
inline const QString AvLineFile = QStringLiteral("TexteAV.txt");
inline const QString SvCategoryFile = QStringLiteral("SVKategorien.txt");
inline const QString SvLineFile = QStringLiteral("TexteSV.txt");

constexpr int AvCategories = 7;
constexpr int SvCategories = 6;
constexpr int BlockLines = 10;     // lines 0 to 9 are shown and written
constexpr int BlockLineSlots = 11; // a line file may fill one slot more
constexpr int MarkedLines = 9;     // lines 1 to 9 carry a colour mark

// "TexteAV.txt" has its default "Standard\TexteAVStandard.txt".
QString StandardFileName(const QString& currentName);

struct BehaviourArea {
    BehaviourArea(int categories, int categorySlots);

    int categories;
    // names[c-1] is the name of category c; marks[c-1][k-1] the mark of its line k.
    std::vector<QString> names;
    std::vector<std::array<qint16, MarkedLines>> marks;
    // lines[c-1][i] is block line i of category c.
    std::vector<std::array<QString, BlockLineSlots>> lines;

    qint16 mark(int category, int line) const { return marks.at(category - 1).at(line - 1); }
    const QString& line(int category, int line) const { return lines.at(category - 1).at(line); }
};

// What a reader made of a file: nothing when it is missing, else what could be read of it, and
// whether that was all (a damaged file was read only in part).
struct FileRead {
    bool found = false;
    bool damaged = false;
    // The length of its longest text.
    qsizetype longestText = 0;
    explicit operator bool() const { return found; }
};

// Readers tell the teacher about a missing, damaged or overlong file and read what they can.
// Slots a file does not reach keep their values.
FileRead readCategoryFile(const QString& nameInDaten, BehaviourArea& area);
FileRead readLineFile(const QString& nameInDaten, BehaviourArea& area);
// The texts an editor saves: always the full number of records.
QString categoryFileText(const BehaviourArea& area);
QString lineFileText(const BehaviourArea& area);

// A grade text-block file read whole by the numbered-record rule: row r holds the record numbered
// r + 1, with one string per column ("Mathe1.Txt" has 18).
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

// Reads into the rows the table keeps; rows the file does not reach keep their texts.
FileRead readBlockTable(const QString& nameInDaten, BlockTable& table);
BlockTable readBlockTable(const QString& nameInDaten, int columns, int rows);
// Rows 0 to records - 1, numbered from 1, whatever the table holds beyond them.
QString blockTableText(const BlockTable& table, int records);
// Writes a text-block file whole; false (reported) when it could not be written, and then the
// previous file is unchanged.
bool writeTextBlockFile(const QString& nameInDaten, const QString& text);

} // namespace zt
