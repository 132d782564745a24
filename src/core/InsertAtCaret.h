#pragma once
#include <QString>

namespace zt {

// Whether "<in>" is glued to the word before it (the editors) or set off by a blank.
enum class GenderEnding { Spaced, Glued };

// The text after inserting `insertion` at the caret: the trimmed left part, a blank (none before
// a glued "<in>"), the insertion and, when the right part is not empty, a blank and the trimmed
// right part.
QString InsertAtCaret(const QString& text, int caret, const QString& insertion, GenderEnding ending);

} // namespace zt
