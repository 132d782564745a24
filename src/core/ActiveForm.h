#pragma once
#include <optional>

namespace zt {

// The main-menu entry last chosen, kept in Daten\AktivForm.txt for the insertion dialog.
enum StartMenuEntry {
    BehaviourEntry = 0,
    CompetencesEntry = 1,
    SupportClubsEntry = 2,
    ReviewEntries = 3,
    BehaviourBlocksEditor = 4,
    GradeBlocksEditor = 5,
    MasterData = 6,
    Quit = 7,
};

bool writeActiveForm(int menuIndex);
std::optional<int> readActiveForm();

} // namespace zt
