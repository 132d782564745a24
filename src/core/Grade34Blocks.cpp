#include "Grade34Blocks.h"

namespace zt {

Grade34Blocks Grade34Blocks::load(int grade)
{
    Grade34Blocks b;
    readBlockTable(QStringLiteral("Förder34.Txt"), b.support);
    readBlockTable(QStringLiteral("Interessen34.Txt"), b.interests);
    readBlockTable(QStringLiteral("Zensurabweichung.Txt"), b.deviation);
    readBlockTable(QStringLiteral("Bemerkungen34.Txt"), b.remarks);
    if (grade == 3 || grade == 4)
        readBlockTable(QStringLiteral("Versetzung%1.Txt").arg(grade), b.promotion);
    readBlockTable(QStringLiteral("AG.Txt"), b.clubs);
    readBlockTable(QStringLiteral("Sportusw.Txt"), b.sports);
    return b;
}

} // namespace zt
