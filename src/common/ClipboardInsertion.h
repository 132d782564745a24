#pragma once
#include <QString>

namespace zt {

class TextBox;
class CommandButton;

// Whether "<in>" is glued to the word before it (the editors) or set off by a blank.
enum class GenderEnding { Spaced, Glued };

// The text after inserting `insertion` at the caret: the trimmed left part, a blank (none before
// a glued "<in>"), the insertion and, when the right part is not empty, a blank and the trimmed
// right part.
QString InsertAtCaret(const QString& text, int caret, const QString& insertion, GenderEnding ending);

// A double-click in a work window's text box: inserts the clipboard text behind the double-clicked
// word. Returns false, and leaves the box alone, when the clipboard holds no text. The clipboard
// is not emptied, so one choice can be inserted several times.
bool InsertClipboardAtCaret(TextBox& box, GenderEnding ending);

// The show/hide pair of the insertion dialog. Hiding either hides or unloads the dialog.
enum class HideMeans { Hide, Unload };
void ShowHideInsertionDialog(int index, CommandButton& showButton, CommandButton& hideButton, HideMeans hide);

inline const QString InsertionDialogName = QStringLiteral("Einfügungen");

} // namespace zt
