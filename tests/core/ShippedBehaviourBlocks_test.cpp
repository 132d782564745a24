#include "ShippedData.h"
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// The work and social behaviour formulations as shipped: in the layout the editor writes, and
// fit for the composition, which puts the name, the pronoun, the joining words and the full stop.

namespace {

using zt::test::records;
using zt::test::shipped;

struct AreaFiles {
    const char* categories;
    const char* lines;
    int count;
    // Categories whose lines continue a sentence (after the first name, a pronoun or a joining
    // word); the others start sentences of their own.
    QSet<int> continuing;
};

const AreaFiles Areas[] = {
    {"AVKategorien", "TexteAV", 7, {1, 2, 3, 6}},
    {"SVKategorien", "TexteSV", 6, {1, 2, 3}},
};

const QSet<QString> ReducedPlaceholders = {"<sie/er>", "<ihr/ihm>", "<ihr/sein>", "<Er/Sie>", "<Vorname>", "<in>"};

TEST(ShippedBehaviourBlocks, DefaultsEqualTheCurrentSet)
{
    for (const AreaFiles& a : Areas) {
        for (const char* stem : {a.categories, a.lines}) {
            const QString name = QString::fromLatin1(stem);
            EXPECT_EQ(shipped(name + QStringLiteral(".txt")),
                      shipped(QStringLiteral("Standard/") + name + QStringLiteral("Standard.txt")))
                << stem;
        }
    }
}

TEST(ShippedBehaviourBlocks, CategoryFilesHoldNumberNameAndNineMarks)
{
    const QString mark = QStringLiteral(",([0-4])");
    for (const AreaFiles& a : Areas) {
        const auto recs = records(QString::fromLatin1(a.categories) + QStringLiteral(".txt"),
                                  QStringLiteral("(\\d+),\"([^\"]+)\"") + mark.repeated(9));
        ASSERT_EQ(static_cast<int>(recs.size()), a.count) << a.categories;
        for (int k = 0; k < a.count; ++k)
            EXPECT_EQ(recs[k].value(0), QString::number(k + 1)) << a.categories;
    }
}

TEST(ShippedBehaviourBlocks, FormulationsFitTheComposition)
{
    const QRegularExpression token(QStringLiteral("<[^>]*>"));
    for (const AreaFiles& a : Areas) {
        const QString name = QString::fromLatin1(a.lines) + QStringLiteral(".txt");
        const auto recs = records(name, QStringLiteral("(\\d+)") + QStringLiteral(",\"([^\"]*)\"").repeated(a.count));
        ASSERT_EQ(recs.size(), 10u) << a.lines;
        for (int line = 0; line < 10; ++line) {
            EXPECT_EQ(recs[line].value(0), QString::number(line + 1));
            for (int category = 1; category <= a.count; ++category) {
                const QString text = recs[line].value(category);
                SCOPED_TRACE(QStringLiteral("%1 line %2 category %3: %4").arg(name).arg(line).arg(category).arg(text).toStdString());
                if (line == 0) {
                    EXPECT_FALSE(text.isEmpty()) << "line 0 is the caption of no sentence";
                    continue;
                }
                // Taking a line over in the editor would change it otherwise.
                EXPECT_EQ(text, text.trimmed());
                EXPECT_FALSE(text.contains(QStringLiteral("  ")));
                EXPECT_FALSE(text.endsWith(QLatin1Char('.')));
                EXPECT_FALSE(text.endsWith(QLatin1Char(',')));
                for (const QRegularExpressionMatch& m : token.globalMatch(text))
                    EXPECT_TRUE(ReducedPlaceholders.contains(m.captured())) << m.captured().toStdString();
                if (text.isEmpty())
                    continue;
                if (a.continuing.contains(category))
                    EXPECT_TRUE(text.at(0).isLower());
                else
                    EXPECT_TRUE(text.at(0).isUpper() || text.startsWith(QStringLiteral("<Er/Sie>"))
                                || text.startsWith(QStringLiteral("<Vorname>")));
            }
        }
    }
}

} // namespace
