#pragma once
#include <QString>
#include <array>

namespace zt {

// A pupil's club as the club sentence names it: in apostrophes; an empty name stays empty.
QString QuotedClubName(const QString& club);

// The clubs are quoted names (above); empty ones are passed over wherever they stand, and a pupil
// without a club gets the marker '?????' for the teacher to fill in.

// "Anna hat an der Arbeitsgemeinschaft 'Chor' teilgenommen", without a full stop.
QString BuildAgSentence(const QString& firstName, const std::array<QString, 4>& clubs);
// The heading form of the same list: "Arbeitsgemeinschaften: 'Chor' und 'Tanz'", without a full stop.
QString BuildAgHeading(const std::array<QString, 4>& clubs);

} // namespace zt
