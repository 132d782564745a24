#include "CompositionSkeleton.h"
#include "app/WindowRegistry.h"
#include "common/ClipboardInsertion.h"
#include "platform/Services.h"

namespace zt {

void LockFlagsFromTexts(const PerPupil<QString>& texts, PerPupil<int>& locked, int pupilCount)
{
    for (int slot = 0; slot < pupilCount && slot < PupilSlots; ++slot)
        locked[slot] = texts[slot].isEmpty() ? 0 : 1;
}

bool LeaveCompositionWindow(const QString& windowName, bool unsaved, const SaveQuestion& question,
                            const std::function<bool()>& saveAll)
{
    bool leave = true;
    if (unsaved) {
        const int answer = MsgBox(question.prompt, question.style);
        if (answer == vbYes)
            leave = saveAll();
        else if (answer == vbCancel)
            leave = false;
    }
    WindowRegistry& registry = WindowRegistry::instance();
    if (leave)
        registry.Unload(windowName);
    registry.Unload(InsertionDialogName);
    return leave;
}

} // namespace zt
