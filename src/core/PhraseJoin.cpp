#include "PhraseJoin.h"

namespace zt {

QString JoinPhrases(const QStringList& phrases)
{
    QStringList chosen;
    for (const QString& phrase : phrases)
        if (!phrase.isEmpty())
            chosen << phrase;
    if (chosen.size() < 2)
        return chosen.join(QString());
    const QString last = chosen.takeLast();
    return chosen.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last;
}

QString FollowedBy(const QString& part, const QString& separator) { return part.isEmpty() ? part : part + separator; }

} // namespace zt
