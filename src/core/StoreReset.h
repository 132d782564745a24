#pragma once
#include "MasterData.h"

namespace zt {

// The six per-pupil stores are keyed by list number and names, so every change of the school data
// or the pupil list writes them anew: one record per pupil of the list, its key followed by empty
// texts and zero flags. Each failure is reported; true when all six were written.
bool RecreateStudentStores(const StudentList& students);

// Deletes the dated store copies: every *.txt in Daten\Sicherheit and nothing anywhere else. A
// missing folder or a file that cannot be deleted is passed over in silence.
void ClearBackupFolder();

} // namespace zt
