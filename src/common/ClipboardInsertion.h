#pragma once
#include "core/InsertAtCaret.h"
#include <QString>

namespace zt {

class TextBox;
class CommandButton;

// A double-click in a work window's text box: inserts the clipboard text behind the double-clicked
// word. Returns false, and leaves the box alone, when the clipboard holds no text. The clipboard
// is not emptied, so one choice can be inserted several times.
bool InsertClipboardAtCaret(TextBox& box, GenderEnding ending);

// The show/hide pair of the insertion dialog. Hiding either hides or unloads the dialog.
enum class HideMeans { Hide, Unload };
void ShowHideInsertionDialog(int index, CommandButton& showButton, CommandButton& hideButton, HideMeans hide);

} // namespace zt
