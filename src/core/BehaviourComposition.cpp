#include "BehaviourComposition.h"

namespace zt {

namespace {

const QString Blank = QStringLiteral(" ");
const QString Dot = QStringLiteral(". ");
const QString NewParagraph = QStringLiteral("\r\n");

bool isMale(const QString& gender) { return gender == QLatin1String("m"); }

// Whether parts[0..count-1] are all empty.
template <std::size_t N> bool noneBefore(const std::array<QString, N>& parts, std::size_t count)
{
    for (std::size_t k = 0; k < count; ++k) {
        if (!parts[k].isEmpty())
            return false;
    }
    return true;
}

// Category 1 lines 1-4 and category 2 lines 1-5 are the good ones: like with like is joined by
// "und", good with weak by "aber".
QString firstJoin(const QString& p1, const QString& p2, int c1, int c2, const QString& firstName)
{
    if (p2.isEmpty())
        return QString();
    if (p1.isEmpty())
        return firstName + Blank;
    const bool alike = (c1 <= 4 && c2 <= 5) || (c1 >= 5 && c2 >= 6);
    return alike ? QStringLiteral(" und ") : QStringLiteral(", aber ");
}

// The dot between two later parts; none when nothing precedes.
template <std::size_t N> QString dotJoin(const std::array<QString, N>& parts, std::size_t next)
{
    return parts[next].isEmpty() || noneBefore(parts, next) ? QString() : Dot;
}

} // namespace

QString PartForLine(int categoryIndex, int line, const QString& lineText, const QString& firstName)
{
    if (line < 1 || line > 9)
        return QString();
    return categoryIndex == 0 ? firstName + Blank + lineText : lineText;
}

QString ComposeAvText(const std::array<QString, 7>& p, const std::array<int, 7>& c, const QString& firstName,
                      const QString& gender)
{
    QString j2;
    if (!p[2].isEmpty()) {
        if (noneBefore(p, 2)) {
            j2 = firstName + Blank;
        } else {
            // Lines 5 and 9 of category 3 are phrased to follow a dative pronoun.
            const bool dative = c[2] == 5 || c[2] == 9;
            if (isMale(gender))
                j2 = dative ? QStringLiteral(". Ihm ") : QStringLiteral(". Er ");
            else
                j2 = dative ? QStringLiteral(". Ihr ") : QStringLiteral(". Sie ");
        }
    }

    QString j5;
    if (!p[5].isEmpty())
        j5 = noneBefore(p, 5) ? firstName + Blank : Dot + firstName + Blank;

    const QString j6 = p[6].isEmpty() || noneBefore(p, 6) ? QString() : QLatin1Char('.') + NewParagraph;

    QString text = p[0] + firstJoin(p[0], p[1], c[0], c[1], firstName) + p[1] + j2 + p[2] + dotJoin(p, 3) + p[3]
                   + dotJoin(p, 4) + p[4] + j5 + p[5] + j6 + p[6];
    if (!text.isEmpty())
        text += QLatin1Char('.');
    return text;
}

QString ComposeSvText(const std::array<QString, 6>& q, const std::array<int, 6>& d, const QString& firstName,
                      const QString& gender)
{
    QString k2;
    if (!q[2].isEmpty()) {
        if (noneBefore(q, 2))
            k2 = firstName + Blank;
        else
            k2 = isMale(gender) ? QStringLiteral(". Er ") : QStringLiteral(". Sie ");
    }

    const QString k5 = q[5].isEmpty() || noneBefore(q, 5) ? QString() : Dot + NewParagraph;

    QString text = q[0] + firstJoin(q[0], q[1], d[0], d[1], firstName) + q[1] + k2 + q[2] + dotJoin(q, 3) + q[3]
                   + dotJoin(q, 4) + q[4] + k5 + q[5];
    if (!text.isEmpty())
        text += QLatin1Char('.');
    return text;
}

} // namespace zt
