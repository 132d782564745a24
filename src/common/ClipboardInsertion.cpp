#include "ClipboardInsertion.h"
#include "Trim.h"
#include "app/WindowRegistry.h"
#include "platform/Colour.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include <algorithm>

namespace zt {

QString InsertAtCaret(const QString& text, int caret, const QString& insertion, GenderEnding ending)
{
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    const QString left = text.left(caret);
    const QString right = text.mid(caret);
    const QString sep = ending == GenderEnding::Glued && insertion == QLatin1String("<in>") ? QString()
                                                                                          : QStringLiteral(" ");
    QString result = Trim(left) + sep + insertion;
    if (!right.isEmpty())
        result += QLatin1Char(' ') + Trim(right);
    return result;
}

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
        registry.Show(InsertionDialogName);
        return;
    }
    hideButton.setBackColor(Colours::White);
    hideButton.setEnabled(false);
    showButton.setBackColor(Colours::LightGreen);
    showButton.setEnabled(true);
    if (hide == HideMeans::Unload)
        registry.Unload(InsertionDialogName);
    else
        registry.Hide(InsertionDialogName);
    Clipboard::Clear();
}

} // namespace zt
