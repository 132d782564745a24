#pragma once
#include "MasterData.h"

namespace zt {

// The sort's intermediate file, left in place for whoever wants the sorted list.
inline const QString SortedStudentsFile = QStringLiteral("Daten/Namen1.txt");

// Orders the pupils of the list as a German reader expects, without regard to case: by surname,
// then first name, then the other fields in the order of Namen.Txt, each at its base letters
// (Müller as Muller, Strauß as Strauss); only pupils equal in all of them are ordered by the marks,
// field by field. Pupils equal in every field keep their order.
void SortStudents(StudentList& students);

// Writes the intermediate file: the nine fields of each pupil in list order, without number and
// class. A failure is reported and leaves the previous file in place.
bool saveSortedStudents(const StudentList& students);

} // namespace zt
