#include "CollapseDoubleSpace.h"
#include "Trim.h"

namespace zt {

QString CollapseDoubleSpace(const QString& workText)
{
    const qsizetype at = workText.indexOf(QLatin1String("  "));
    if (at < 0)
        return workText;
    // Both halves keep one blank of the pair and are trimmed, which swallows the whole run.
    return Trim(workText.left(at + 2)) + QLatin1Char(' ') + Trim(workText.mid(at + 1));
}

QString CleanBlockLine(const QString& line) { return CollapseDoubleSpace(Trim(line)); }

} // namespace zt
