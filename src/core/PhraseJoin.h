#pragma once
#include <QStringList>

namespace zt {

// The non-empty phrases in their order as a German list: "A", "A und B", "A, B und C". Empty
// phrases leave no separator behind, wherever they stand.
QString JoinPhrases(const QStringList& phrases);

} // namespace zt
