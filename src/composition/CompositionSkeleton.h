#pragma once
#include "core/PupilStores.h"
#include <QString>
#include <functional>

namespace zt {

// What the composition windows share beyond their stores: the lock flags of an area and the way
// the window is left through its own exit button.

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
