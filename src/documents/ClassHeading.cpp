#include "ClassHeading.h"

namespace zt {

void AddClassHeading(DocumentBuilder& document, const ClassData& data, const QString& title)
{
    const BaseDataRecord& b = data.BaseData;
    QString school = b.SchoolName;
    if (!b.SchoolNameAddition.isEmpty())
        school += QStringLiteral(" – ") + b.SchoolNameAddition;
    document.smallText(school + (b.Address.isEmpty() ? QString() : QStringLiteral(", ") + b.Address), Qt::AlignHCenter);
    document.space(6);
    document.title(title);
    document.subtitle(ClassLine(data.ClassName, b.SchoolYear, data.HalfYear));
    document.space(4);
}

} // namespace zt
