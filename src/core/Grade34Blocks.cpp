#include "Grade34Blocks.h"

namespace zt {

Grade34Blocks Grade34Blocks::load(int grade)
{
    Grade34Blocks b;
    auto read = [](BlockTable& table, const QString& name) { table = readBlockTable(name, table.columns(), table.rows()); };
    read(b.support, QStringLiteral("Förder34.Txt"));
    read(b.interests, QStringLiteral("Interessen34.Txt"));
    read(b.deviation, QStringLiteral("Zensurabweichung.Txt"));
    read(b.remarks, QStringLiteral("Bemerkungen34.Txt"));
    if (grade == 3 || grade == 4)
        read(b.promotion, QStringLiteral("Versetzung%1.Txt").arg(grade));
    read(b.clubs, QStringLiteral("AG.Txt"));
    read(b.sports, QStringLiteral("Sportusw.Txt"));
    return b;
}

} // namespace zt
