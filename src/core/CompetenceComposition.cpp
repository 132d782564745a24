#include "CompetenceComposition.h"
#include "PhraseJoin.h"
#include "Trim.h"

namespace zt {

namespace {
const QString Blank = QStringLiteral(" ");
const QString Dot = QStringLiteral(".");
const QString CrLf = QStringLiteral("\r\n");
} // namespace

QString PartText(PartRule rule, const QString& lead, const QString& caption, bool sentenceOpen)
{
    switch (rule) {
    case PartRule::IndexOnly:
        return QString();
    case PartRule::Caption:
        return caption;
    case PartRule::CaptionDot:
        return caption + Dot;
    case PartRule::CaptionBlank:
        return caption + Blank;
    case PartRule::LeadCaptionDotBlank:
        return lead + Blank + caption + QStringLiteral(". ");
    case PartRule::LeadCaptionDot:
        return lead + Blank + caption + Dot;
    case PartRule::LeadCaption:
        return lead + Blank + caption;
    case PartRule::BlankLeadCaptionDot:
        return Blank + lead + Blank + caption + Dot;
    case PartRule::BlankCaptionDot:
        return Blank + caption + Dot;
    case PartRule::Continuation:
        return sentenceOpen ? Blank + caption + Dot : lead + Blank + caption + Dot;
    }
    return QString();
}

QString InterestSentence(const QString& firstName, const QString& caption, bool none)
{
    return none ? QString() : firstName + Blank + caption + Dot;
}

QString SportsPart(const QStringList& tickedSentences)
{
    QString part;
    for (const QString& sentence : tickedSentences)
        part += sentence + QStringLiteral(". ");
    return part;
}

QString ComposeInterests(const QString& interestPart, const QString& sportsPart)
{
    const QString separator = interestPart.isEmpty() || sportsPart.isEmpty() ? QString() : CrLf;
    return interestPart + separator + sportsPart;
}

QString ComposeAreaText(int area, const QStringList& parts)
{
    QString text;
    switch (area) {
    case 1:
        for (qsizetype k = 0; k < parts.size(); ++k)
            text += FollowedBy(parts[k], k + 1 < parts.size() ? QStringLiteral(". ") : Dot);
        return text;
    case 2:
        for (const QString& part : parts)
            text += FollowedBy(part, Blank);
        return Trim(text);
    default:
        return parts.join(QString());
    }
}

QString ComposeRemarks(const RemarksParts& parts)
{
    const QString list = JoinPhrases(parts.phrases);
    QString phraseSentence = list;
    if (!list.isEmpty() && parts.halfYear == 1)
        phraseSentence = parts.lead + Blank + list + Blank + parts.closing;
    else if (!list.isEmpty() && parts.halfYear == 2)
        phraseSentence = parts.lead + Blank + list + Blank + parts.closingOfYear + (parts.promotion.isEmpty() ? QString() : CrLf);
    return FollowedBy(parts.head, CrLf) + phraseSentence + parts.promotion;
}

} // namespace zt
