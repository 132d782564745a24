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

// Asks the question when something is unsaved: Yes saves, No lets the input go, Cancel stays. A
// save that failed keeps the window, since leaving would lose the input. True when it may go.
bool AskSaveBeforeLeaving(bool unsaved, const SaveQuestion& question, const std::function<bool()>& saveAll);

// Leaves the window (it unloads itself) after asking as above. The insertion dialog is unloaded
// in every case. True when the window left.
bool LeaveCompositionWindow(const QString& windowName, bool unsaved, const SaveQuestion& question,
                            const std::function<bool()>& saveAll);

} // namespace zt
