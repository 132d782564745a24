#pragma once
#include <QString>

namespace zt {

// The clean-up of a taken-over text-block line: blanks at both ends removed, then the first run
// of two or more blanks reduced to one blank; later runs stay.
QString CleanBlockLine(const QString& line);

// Reduces the first run of two or more blanks to one blank, dropping the blanks at both ends of
// the text as well; a text without two blanks in a row stays as it is.
QString CollapseDoubleSpace(const QString& workText);

} // namespace zt
