#include "CompositionSkeleton.h"
#include "common/ClipboardInsertion.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

namespace zt {

bool AskSaveBeforeLeaving(bool unsaved, const SaveQuestion& question, const std::function<bool()>& saveAll)
{
    if (!unsaved)
        return true;
    const int answer = MsgBox(question.prompt, question.style);
    if (answer == vbYes)
        return saveAll();
    return answer != vbCancel;
}

bool LeaveCompositionWindow(const QString& windowName, bool unsaved, const SaveQuestion& question,
                            const std::function<bool()>& saveAll)
{
    const bool leave = AskSaveBeforeLeaving(unsaved, question, saveAll);
    WindowRegistry& registry = WindowRegistry::instance();
    if (leave)
        registry.Unload(windowName);
    registry.Unload(WindowNames::Insertion);
    return leave;
}

} // namespace zt
