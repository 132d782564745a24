#include "ClipboardInsertion.h"
#include "platform/Colour.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"

namespace zt {

bool InsertClipboardAtCaret(TextBox& box, GenderEnding ending)
{
    const QString clip = Clipboard::GetText();
    if (clip.isEmpty())
        return false;
    box.setText(InsertAtCaret(box.text(), box.selectionEnd(), clip, ending));
    return true;
}

void ShowHideInsertionDialog(int index, CommandButton& showButton, CommandButton& hideButton, HideMeans hide)
{
    WindowRegistry& registry = WindowRegistry::instance();
    if (index == 0) {
        showButton.setBackColor(Colours::White);
        showButton.setEnabled(false);
        hideButton.setBackColor(Colours::LightGreen);
        hideButton.setEnabled(true);
        registry.Show(WindowNames::Insertion);
        return;
    }
    hideButton.setBackColor(Colours::White);
    hideButton.setEnabled(false);
    showButton.setBackColor(Colours::LightGreen);
    showButton.setEnabled(true);
    if (hide == HideMeans::Unload)
        registry.Unload(WindowNames::Insertion);
    else
        registry.Hide(WindowNames::Insertion);
    Clipboard::Clear();
}

} // namespace zt
