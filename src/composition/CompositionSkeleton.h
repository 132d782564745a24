#pragma once
#include "PupilStores.h"
#include <QString>
#include <functional>

namespace zt {

// What the composition windows share beyond their stores: the lock flags of an area and the way
// the window is left through its own exit button.

// An area is locked for every pupil whose text of that area is not empty, and open for the others.
void LockFlagsFromTexts(const PerPupil<QString>& texts, PerPupil<int>& locked, int pupilCount);

// The question asked before leaving with unsaved input; a style with a Cancel button (35) lets
// the teacher stay.
struct SaveQuestion {
    QString prompt;
    int style;
};

// Leaves the window (it unloads itself) after asking when something is unsaved: Yes saves, No
// leaves without saving, Cancel stays. A save that failed keeps the window open, since leaving
// would lose the input. The insertion dialog is unloaded in every case. True when the window left.
bool LeaveCompositionWindow(const QString& windowName, bool unsaved, const SaveQuestion& question,
                            const std::function<bool()>& saveAll);

} // namespace zt
