#include "ClubSentence.h"
#include "PhraseJoin.h"
#include <algorithm>

namespace zt {

QString QuotedClubName(const QString& club)
{
    return club.isEmpty() ? club : QLatin1Char('\'') + club + QLatin1Char('\'');
}

QString BuildAgSentence(const QString& firstName, const std::array<QString, 4>& clubs)
{
    const QStringList names(clubs.begin(), clubs.end());
    const QString list = JoinPhrases(names);
    const bool several = std::count_if(clubs.begin(), clubs.end(), [](const QString& c) { return !c.isEmpty(); }) > 1;
    const QString article = several ? QStringLiteral(" den Arbeitsgemeinschaften ") : QStringLiteral(" der Arbeitsgemeinschaft ");
    return firstName + QStringLiteral(" hat an") + article + (list.isEmpty() ? QStringLiteral("'\?\?\?\?\?'") : list)
           + QStringLiteral(" teilgenommen");
}

} // namespace zt
