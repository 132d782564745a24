#include "TextBlockFiles.h"
#include "FileProblems.h"
#include "NumberedFile.h"
#include "ProgramFolder.h"
#include "RecordFile.h"

namespace zt {

namespace {
QString inDaten(const QString& name) { return QStringLiteral("Daten\\") + name; }

FileRead readFile(const QString& nameInDaten, int slotLimit, const std::function<void(RecordReader&, int)>& readRecord)
{
    const NumberedFile file = readNumberedFile(inDaten(nameInDaten), slotLimit, readRecord);
    return {file.found, file.damaged, file.longestString};
}
} // namespace

QString StandardFileName(const QString& currentName)
{
    const qsizetype dot = currentName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? currentName : currentName.left(dot);
    const QString extension = dot < 0 ? QString() : currentName.mid(dot);
    return QStringLiteral("Standard\\") + stem + QStringLiteral("Standard") + extension;
}

BehaviourArea::BehaviourArea(int categories, int categorySlots)
    : categories(categories), names(categorySlots), marks(categorySlots), lines(categories)
{
    for (auto& m : marks)
        m.fill(0);
}

FileRead readCategoryFile(const QString& nameInDaten, BehaviourArea& area)
{
    const int slotCount = static_cast<int>(area.names.size());
    return readFile(nameInDaten, slotCount, [&](RecordReader& r, int slot) {
        QString name = r.string();
        std::array<qint16, MarkedLines> marks{};
        for (qint16& m : marks)
            m = r.integer();
        if (slot < 0 || slot >= slotCount)
            return;
        area.names[slot] = name;
        area.marks[slot] = marks;
    });
}

FileRead readLineFile(const QString& nameInDaten, BehaviourArea& area)
{
    return readFile(nameInDaten, BlockLineSlots, [&](RecordReader& r, int slot) {
        for (int c = 0; c < area.categories; ++c) {
            QString text = r.string();
            if (slot >= 0 && slot < BlockLineSlots)
                area.lines[c][slot] = text;
        }
    });
}

QString categoryFileText(const BehaviourArea& area)
{
    RecordWriter w;
    for (int c = 0; c < area.categories; ++c) {
        w.integer(c + 1).string(area.names[c]);
        for (qint16 m : area.marks[c])
            w.integer(m);
        w.endRecord();
    }
    return w.text();
}

QString lineFileText(const BehaviourArea& area)
{
    RecordWriter w;
    for (int i = 0; i < BlockLines; ++i) {
        w.integer(i + 1);
        for (int c = 0; c < area.categories; ++c)
            w.string(area.lines[c][i]);
        w.endRecord();
    }
    return w.text();
}

BlockTable::BlockTable(int columns, int rows) : columns_(columns), rows_(rows, QStringList(columns)) {}

QString BlockTable::cell(int row, int column) const
{
    if (row < 0 || row >= rows() || column < 1 || column > columns_)
        return QString();
    return rows_[row][column - 1];
}

void BlockTable::set(int row, int column, const QString& text)
{
    if (row >= 0 && row < rows() && column >= 1 && column <= columns_)
        rows_[row][column - 1] = text;
}

FileRead readBlockTable(const QString& nameInDaten, BlockTable& table)
{
    return readFile(nameInDaten, table.rows(), [&](RecordReader& r, int row) {
        for (int column = 1; column <= table.columns(); ++column)
            table.set(row, column, r.string());
    });
}

BlockTable readBlockTable(const QString& nameInDaten, int columns, int rows)
{
    BlockTable table(columns, rows);
    readBlockTable(nameInDaten, table);
    return table;
}

QString blockTableText(const BlockTable& table, int records)
{
    RecordWriter w;
    for (int row = 0; row < records; ++row) {
        w.integer(row + 1);
        for (int column = 1; column <= table.columns(); ++column)
            w.string(table.cell(row, column));
        w.endRecord();
    }
    return w.text();
}

bool writeTextBlockFile(const QString& nameInDaten, const QString& text)
{
    const QString path = inDaten(nameInDaten);
    const WriteResult written = Files::writeText(path, text);
    if (!written)
        reportWriteFailure(path, written);
    return bool(written);
}

} // namespace zt
