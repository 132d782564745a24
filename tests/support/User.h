#pragma once
#include "platform/Controls.h"

namespace zt {

// Acts on controls as the user would, through Qt's own events, so that the event rules hold:
// the control that had the focus loses it before the clicked one reacts.
namespace User {
void focus(Control& control);
void click(Control& control);
void dblClick(Control& control);
// Double-click on the character at the position, which selects the word under it.
void dblClickAt(TextBox& box, int position);
void typeKey(Control& control, QChar key);
void typeBackspace(Control& control);
// A key without a character (an arrow, Tab), pressed in the control.
void pressKey(Control& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(TextBox& box, const QString& text);
// Replaces the box's text: selects it all and types.
void retype(TextBox& box, const QString& text);
// Pastes the text at the caret, as Ctrl+V would.
void paste(TextBox& box, const QString& text);
void chooseItem(ComboBox& box, int index);
void chooseRow(ListBox& box, int row);
// Turns the mouse wheel over the control, downwards by as many notches, without moving the focus.
void turnWheel(Control& control, int notches);
} // namespace User

} // namespace zt
