#pragma once
#include <QString>

namespace zt {

class TextBox;

// A double quote would end a stored text early, so no input may keep one.

// Key guard of a text box: a typed double quote becomes an apostrophe, with a notice.
void RefuseQuoteKey(int& key);
// Change guard of a text box: every double quote of its text becomes an apostrophe, the text is
// written back and the notice shown once.
void ReplaceQuotesOnChange(TextBox& box);
// Text from an input box: quotes replaced without a notice.
QString WithoutQuotes(const QString& text);

} // namespace zt
