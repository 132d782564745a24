#pragma once
#include <QStringList>

namespace zt {

// The non-empty phrases in their order as a German list: "A", "A und B", "A, B und C". Empty
// phrases leave no separator behind, wherever they stand.
QString JoinPhrases(const QStringList& phrases);

// The part followed by the separator, or nothing when the part is empty.
QString FollowedBy(const QString& part, const QString& separator);

} // namespace zt
