#include "InsertAtCaret.h"
#include "Trim.h"
#include <algorithm>

namespace zt {

QString InsertAtCaret(const QString& text, int caret, const QString& insertion, GenderEnding ending)
{
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    const QString left = text.left(caret);
    const QString right = text.mid(caret);
    const QString sep = ending == GenderEnding::Glued && insertion == QLatin1String("<in>") ? QString()
                                                                                          : QStringLiteral(" ");
    QString result = Trim(left) + sep + insertion;
    if (!right.isEmpty())
        result += QLatin1Char(' ') + Trim(right);
    return result;
}

} // namespace zt
