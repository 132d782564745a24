#pragma once
#include "MasterData.h"
#include <QString>
#include <optional>

namespace zt {

// The school data and the pupil list, as every window and document takes the class from them.
struct ClassData {
    BaseDataRecord BaseData;
    bool BaseDataFound = false;
    StudentList Pupils;
    QString ClassName; // of the pupil list
    int Grade = 0;     // 1 to 4, or 0 when the class names none
    QString HalfYear;  // after the rule that grade 1 has no first half-year
};

// Reads the first `baseDataFields` fields of Basisdaten.txt and Namen.Txt as they are on disk now;
// a missing or damaged file is reported and the rest is read.
ClassData LoadClassData(int baseDataFields = 10);

// Why the school year, the half-year or the class cannot be used, as a German sentence that names
// the value and where to correct it; nothing when all three can. A class must begin with its grade
// and must name documents and files: no folder separator, line break, control character, nor any
// of \ / : * ? " < > |.
std::optional<QString> classValueProblem(const QString& schoolYear, const QString& halfYear, const QString& className);

// "Klasse 3a – Schuljahr 2026/2027 – 1. Halbjahr", as the class's documents name it below their title.
QString ClassLine(const QString& className, const QString& schoolYear, const QString& halfYear);

} // namespace zt
