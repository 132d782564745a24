#include "Grade34Composition.h"
#include "CompetenceComposition.h"
#include "PhraseJoin.h"

namespace zt {

namespace {
const QString Blank = QStringLiteral(" ");
const QString Dot = QStringLiteral(".");
const QString CrLf = QStringLiteral("\r\n");

QString followed(const QString& part, const QString& separator) { return part.isEmpty() ? part : part + separator; }
} // namespace

QString InterestPart(const QString& firstName, int index, const QString& caption)
{
    return InterestSentence(firstName, caption, index == 0 && caption == QStringLiteral("Kein Eintrag"));
}

QString ListSentence(const QString& opening, const QStringList& phrases, const QString& closing)
{
    const QString list = JoinPhrases(phrases);
    return list.isEmpty() ? list : opening + Blank + list + Blank + closing + Dot;
}

QString LeadPart(const QString& caption) { return followed(caption, Blank); }

QString RemarkPhrases(const QStringList& phrases) { return followed(JoinPhrases(phrases), Blank); }

QString ProgressPart(const QString& caption, const QString& ending) { return caption + QStringLiteral(", ") + ending + Dot; }

QString PromotionPart(const QString& caption) { return followed(caption, Dot); }

QString ComposeText1(const QString& supportPart, const QString& clubPart)
{
    return followed(supportPart, CrLf) + followed(clubPart, Dot);
}

QString ComposeText3(const RemarkParts34& parts)
{
    return followed(parts.deviation, CrLf) + parts.lead + parts.phrases + parts.progress
           + (parts.promotion.isEmpty() ? QString() : CrLf) + parts.promotion;
}

} // namespace zt
