#include "CompositionSkeleton.h"
#include "common/ClipboardInsertion.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

namespace zt {

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
    registry.Unload(WindowNames::Insertion);
    return leave;
}

} // namespace zt
