#pragma once
#include "MasterData.h"
#include <QString>

namespace zt {

// The school data and the pupil list as the documents use them.
struct ClassData {
    BaseDataRecord BaseData;
    StudentList Pupils;
    QString ClassName;
    int Grade = 0;    // 1 to 4, or 0 when the class names none
    QString HalfYear; // after the rule that grade 1 has no first half-year
};

// Reads Basisdaten.txt and Namen.Txt as they are on disk now; a missing or damaged file is reported
// and the rest is read.
ClassData LoadClassData();

// "Klasse 3a – Schuljahr 2026/2027 – 1. Halbjahr", as the class's documents name it below their title.
QString ClassLine(const QString& className, const QString& schoolYear, const QString& halfYear);

} // namespace zt
