#pragma once
#include <QString>
#include <array>

namespace zt {

// The work behaviour (AV, 7 categories) and the social behaviour (SV, 6 categories) of a pupil,
// joined into one text from the parts chosen in the categories.
// parts[k] is the text chosen in category k+1 ("" = none); choices[k] the chosen line 0..9 of
// category k+1 (0 = none). The lines of a category run from good to weak, which decides whether
// two parts are joined by "und" or by "aber".
QString ComposeAvText(const std::array<QString, 7>& parts, const std::array<int, 7>& choices, const QString& firstName,
                      const QString& gender);
QString ComposeSvText(const std::array<QString, 6>& parts, const std::array<int, 6>& choices, const QString& firstName,
                      const QString& gender);

// The part a chosen line gives: lines 1..9 of category 1 (index 0) start with the first name,
// the other categories give the line itself; line 0 (none) gives "".
QString PartForLine(int categoryIndex, int line, const QString& lineText, const QString& firstName);

} // namespace zt
