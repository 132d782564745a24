#pragma once
#include "core/QuoteRule.h"

namespace zt {

class TextBox;

// Key guard of a text box: a typed double quote becomes an apostrophe, with a notice.
void RefuseQuoteKey(int& key);
// Change guard of a text box: every double quote of its text becomes an apostrophe, the text is
// written back and the notice shown once.
void ReplaceQuotesOnChange(TextBox& box);

} // namespace zt
