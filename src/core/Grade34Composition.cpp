#include "Grade34Composition.h"
#include "CompetenceComposition.h"
#include "PhraseJoin.h"

namespace zt {

namespace {
// A sentence ends with a full stop; the area's parts stand on lines of their own.
const QString FullStop = QStringLiteral(".");
const QString LineBreak = QStringLiteral("\r\n");
} // namespace

QString InterestPart(const QString& firstName, int index, const QString& caption)
{
    return InterestSentence(firstName, caption, index == 0 && caption == QStringLiteral("Kein Eintrag"));
}

QString ListSentence(const QString& opening, const QStringList& phrases, const QString& closing)
{
    const QString list = JoinPhrases(phrases);
    return list.isEmpty() ? list : opening + QLatin1Char(' ') + list + QLatin1Char(' ') + closing + FullStop;
}

QString LeadPart(const QString& caption) { return FollowedBy(caption, QStringLiteral(" ")); }

QString RemarkPhrases(const QStringList& phrases) { return FollowedBy(JoinPhrases(phrases), QStringLiteral(" ")); }

QString ProgressPart(const QString& caption, const QString& ending) { return caption + QStringLiteral(", ") + ending + FullStop; }

QString PromotionPart(const QString& caption) { return FollowedBy(caption, FullStop); }

QString ComposeText1(const QString& supportPart, const QString& clubPart)
{
    return FollowedBy(supportPart, LineBreak) + FollowedBy(clubPart, FullStop);
}

QString ComposeText3(const RemarkParts34& parts)
{
    return FollowedBy(parts.deviation, LineBreak) + parts.lead + parts.phrases + parts.progress
           + (parts.promotion.isEmpty() ? QString() : LineBreak) + parts.promotion;
}

} // namespace zt
