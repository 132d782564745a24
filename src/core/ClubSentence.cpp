#include "ClubSentence.h"
#include "PhraseJoin.h"
#include <algorithm>

namespace zt {

namespace {
bool several(const std::array<QString, 4>& clubs)
{
    return std::count_if(clubs.begin(), clubs.end(), [](const QString& c) { return !c.isEmpty(); }) > 1;
}

QString clubList(const std::array<QString, 4>& clubs)
{
    const QString list = JoinPhrases(QStringList(clubs.begin(), clubs.end()));
    return list.isEmpty() ? QStringLiteral("'\?\?\?\?\?'") : list;
}
} // namespace

QString QuotedClubName(const QString& club)
{
    return club.isEmpty() ? club : QLatin1Char('\'') + club + QLatin1Char('\'');
}

QString BuildAgSentence(const QString& firstName, const std::array<QString, 4>& clubs)
{
    const QString article = several(clubs) ? QStringLiteral(" den Arbeitsgemeinschaften ") : QStringLiteral(" der Arbeitsgemeinschaft ");
    return firstName + QStringLiteral(" hat an") + article + clubList(clubs) + QStringLiteral(" teilgenommen");
}

QString BuildAgHeading(const std::array<QString, 4>& clubs)
{
    return (several(clubs) ? QStringLiteral("Arbeitsgemeinschaften: ") : QStringLiteral("Arbeitsgemeinschaft: "))
           + clubList(clubs);
}

} // namespace zt
