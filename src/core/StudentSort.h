#pragma once
#include "MasterData.h"

namespace zt {

// The sort's intermediate file, left in place for whoever wants the sorted list.
inline const QString SortedStudentsFile = QStringLiteral("Daten/Namen1.txt");

// Orders the pupils of the list as a German reader expects, without regard to case (umlauts with
// their base letters): by surname, then first name, then the other fields in the order of Namen.Txt.
// Pupils equal in every field keep their order.
void SortStudents(StudentList& students);

// Writes the intermediate file: the nine fields of each pupil in list order, without number and
// class. A failure is reported and leaves the previous file in place.
bool saveSortedStudents(const StudentList& students);

} // namespace zt
