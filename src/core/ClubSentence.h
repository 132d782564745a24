#pragma once
#include <QString>
#include <array>

namespace zt {

// A pupil's club as the club sentence names it: in apostrophes; an empty name stays empty.
QString QuotedClubName(const QString& club);

// "Anna hat an der Arbeitsgemeinschaft 'Chor' teilgenommen", without a full stop. The clubs are
// quoted names (above); empty ones are passed over wherever they stand, and a pupil without a
// club gets the marker '?????' for the teacher to fill in.
QString BuildAgSentence(const QString& firstName, const std::array<QString, 4>& clubs);

} // namespace zt
