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

} // namespace zt
