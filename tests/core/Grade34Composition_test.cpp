#include "core/ClubSentence.h"
#include "core/CompetenceComposition.h"
#include "core/Grade34Composition.h"
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The support sentence and the deviation sentence: the ticked subjects, in index order, between
// the opening and the closing.
TEST(Grade34Composition, ListSentences)
{
    const QString open = QStringLiteral("<Vorname> hat am Förderunterricht in");
    const QString close = QStringLiteral("teilgenommen");
    struct Case { const char* name; QStringList ticked; const char* expected; };
    const Case cases[] = {
        {"nothing ticked", {"", "", "", "", "", ""}, ""},
        {"one subject", {"", "", "Englisch", "", "", ""}, "<Vorname> hat am Förderunterricht in Englisch teilgenommen."},
        {"subjects 1, 3 and 4", {"", "Deutsch", "", "Lesen", "Mathe", ""},
         "<Vorname> hat am Förderunterricht in Deutsch, Lesen und Mathe teilgenommen."},
        {"deviation with subjects 0 and 2", {"Deutsch", "", "Englisch"},
         "<Vorname> hat am Förderunterricht in Deutsch und Englisch teilgenommen."},
        {"all three", {"A", "B", "C"}, "<Vorname> hat am Förderunterricht in A, B und C teilgenommen."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListSentence(open, c.ticked, close), QString::fromUtf8(c.expected)) << c.name;
}

TEST(Grade34Composition, ClubSentencesInBothWordings)
{
    struct Case { std::array<QString, 4> clubs; const char* sentence; const char* heading; };
    const Case cases[] = {
        {{}, "Ben hat an der Arbeitsgemeinschaft '\?\?\?\?\?' teilgenommen", "Arbeitsgemeinschaft: '\?\?\?\?\?'"},
        {{"'Chor'"}, "Ben hat an der Arbeitsgemeinschaft 'Chor' teilgenommen", "Arbeitsgemeinschaft: 'Chor'"},
        {{"'A'", "'B'"}, "Ben hat an den Arbeitsgemeinschaften 'A' und 'B' teilgenommen", "Arbeitsgemeinschaften: 'A' und 'B'"},
        {{"'A'", "'B'", "'C'"}, "Ben hat an den Arbeitsgemeinschaften 'A', 'B' und 'C' teilgenommen",
         "Arbeitsgemeinschaften: 'A', 'B' und 'C'"},
        {{"'A'", "'B'", "'C'", "'D'"}, "Ben hat an den Arbeitsgemeinschaften 'A', 'B', 'C' und 'D' teilgenommen",
         "Arbeitsgemeinschaften: 'A', 'B', 'C' und 'D'"},
        // A gap in the pupil's clubs leaves no separator behind.
        {{"", "'B'", "", "'D'"}, "Ben hat an den Arbeitsgemeinschaften 'B' und 'D' teilgenommen", "Arbeitsgemeinschaften: 'B' und 'D'"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildAgSentence(QStringLiteral("Ben"), c.clubs), QString::fromUtf8(c.sentence)) << c.sentence;
        EXPECT_EQ(BuildAgHeading(c.clubs), QString::fromUtf8(c.heading)) << c.heading;
    }
}

TEST(Grade34Composition, SupportAndClubs)
{
    const QString support = QStringLiteral("Ben hat am Förderunterricht in Deutsch teilgenommen.");
    const QString club = QStringLiteral("Ben hat an der Arbeitsgemeinschaft 'Chor' teilgenommen");
    struct Case { const char* name; QString support; QString club; QString expected; };
    const Case cases[] = {
        {"both", support, club, support + CrLf + club + QStringLiteral(".")},
        {"only the club sentence", QString(), club, club + QStringLiteral(".")},
        {"support without a club ends with the line break", support, QString(), support + CrLf},
        {"nothing", QString(), QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeText1(c.support, c.club), c.expected) << c.name;
}

// Area 1 is composed as in the competences window; only the first interest's meaning differs.
TEST(Grade34Composition, InterestsAndSports)
{
    struct Case { const char* name; int index; const char* caption; const char* expected; };
    const Case cases[] = {
        {"no entry", 0, "Kein Eintrag", ""},
        {"another caption in row 0", 0, "malt gern", "Ben malt gern."},
        {"the words of no entry in another row", 4, "Kein Eintrag", "Ben Kein Eintrag."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InterestPart(QStringLiteral("Ben"), c.index, QString::fromUtf8(c.caption)), QString::fromUtf8(c.expected)) << c.name;
    const QString sports = SportsPart({QStringLiteral("Ben hat das Seepferdchen erworben"), QStringLiteral("Ben ist geradelt")});
    EXPECT_EQ(ComposeInterests(QStringLiteral("Ben malt gern."), sports),
              QStringLiteral("Ben malt gern.\r\nBen hat das Seepferdchen erworben. Ben ist geradelt. "));
    EXPECT_EQ(ComposeInterests(QString(), sports), sports);
}

TEST(Grade34Composition, Remarks)
{
    const QString deviation = QStringLiteral("Die Leistungen in Deutsch sind schwach.");
    const QString lead = LeadPart(QStringLiteral("Ben zeigt"));
    const QString two = RemarkPhrases({QStringLiteral("Fleiß"), QString(), QStringLiteral("Mut"), QString(), QString()});
    const QString four = RemarkPhrases({QStringLiteral("A"), QStringLiteral("B"), QString(), QStringLiteral("C"), QStringLiteral("D")});
    const QString progress = ProgressPart(QStringLiteral("und lernt viel"), QStringLiteral("worauf er stolz ist"));
    const QString promotion = PromotionPart(QStringLiteral("Ben wird versetzt"));
    EXPECT_EQ(lead, QStringLiteral("Ben zeigt "));
    EXPECT_EQ(two, QStringLiteral("Fleiß und Mut "));
    EXPECT_EQ(four, QStringLiteral("A, B, C und D "));
    EXPECT_EQ(progress, QStringLiteral("und lernt viel, worauf er stolz ist."));
    EXPECT_EQ(promotion, QStringLiteral("Ben wird versetzt."));
    EXPECT_EQ(LeadPart(QString()), QString());
    EXPECT_EQ(RemarkPhrases({QString(), QString()}), QString());
    EXPECT_EQ(PromotionPart(QString()), QString());

    struct Case { const char* name; RemarkParts34 parts; QString expected; };
    const Case cases[] = {
        {"every part on three lines", {deviation, lead, two, progress, promotion},
         deviation + CrLf + QStringLiteral("Ben zeigt Fleiß und Mut und lernt viel, worauf er stolz ist.") + CrLf + promotion},
        {"two phrases end with a blank", {QString(), lead, two, QString(), QString()}, QStringLiteral("Ben zeigt Fleiß und Mut ")},
        {"four phrases", {QString(), lead, four, QString(), QString()}, QStringLiteral("Ben zeigt A, B, C und D ")},
        {"only a promotion", {QString(), QString(), QString(), QString(), promotion}, CrLf + promotion},
        {"only a deviation", {deviation, QString(), QString(), QString(), QString()}, deviation + CrLf},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeText3(c.parts), c.expected) << c.name;
}

} // namespace
