#include "ClassData.h"

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
    return QStringLiteral("Klasse %1 – Schuljahr %2 – %3. Halbjahr").arg(className, schoolYear, halfYear);
}

} // namespace zt
