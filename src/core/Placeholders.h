#pragma once
#include <QString>

namespace zt {

// The full set is used for the report text; the reduced set for the texts of the work windows,
// where the school year and the conference date are not known yet.
enum class PlaceholderSet { Full, Reduced };

struct PlaceholderValues {
    QString gender; // "m" is male; every other value takes the female forms
    QString firstName;
    QString schoolYear;
    QString nextSchoolYear;
    QString conferenceDate;
};

// Replaces every placeholder of the set, one placeholder after the other, in a fixed number of
// passes (3 for the reduced set, 10 for the full set), then tidies doubled dots, doubled blanks
// and blanks before a dot.
QString SubstitutePlaceholders(const QString& text, PlaceholderSet set, const PlaceholderValues& values);

} // namespace zt
