#include "CollapseDoubleSpace.h"

namespace zt {

namespace {
// Only the blank: tabs and line ends in a block line are kept.
QString trimBlanks(const QString& s)
{
    qsizetype start = 0;
    qsizetype end = s.size();
    while (start < end && s.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && s.at(end - 1) == QLatin1Char(' '))
        --end;
    return s.mid(start, end - start);
}
} // namespace

QString CollapseDoubleSpace(const QString& workText)
{
    const qsizetype at = workText.indexOf(QLatin1String("  "));
    if (at < 0)
        return workText;
    // Both halves keep one blank of the pair and are trimmed, which swallows the whole run.
    return trimBlanks(workText.left(at + 2)) + QLatin1Char(' ') + trimBlanks(workText.mid(at + 1));
}

QString CleanBlockLine(const QString& line) { return CollapseDoubleSpace(trimBlanks(line)); }

} // namespace zt
