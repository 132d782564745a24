#include "ClassData.h"
#include <QStringList>

namespace zt {

ClassData LoadClassData()
{
    ClassData data;
    data.BaseData = loadBaseData().value_or(BaseDataRecord{});
    data.Pupils = loadStudents();
    data.ClassName = data.Pupils.ClassName;
    data.Grade = GradeOfClass(data.ClassName);
    data.HalfYear = HalfYearForGrade(data.BaseData.HalfYear, data.Grade);
    return data;
}

QString ClassLine(const QString& className, const QString& schoolYear, const QString& halfYear)
{
    // A part that could not be read is left out rather than shown as a gap.
    QStringList parts;
    if (!className.isEmpty())
        parts << QStringLiteral("Klasse ") + className;
    if (!schoolYear.isEmpty())
        parts << QStringLiteral("Schuljahr ") + schoolYear;
    if (!halfYear.isEmpty())
        parts << halfYear + QStringLiteral(". Halbjahr");
    return parts.join(QStringLiteral(" – "));
}

} // namespace zt
