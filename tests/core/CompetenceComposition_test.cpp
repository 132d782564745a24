#include "core/ClubSentence.h"
#include "core/CompetenceComposition.h"
#include "core/PhraseJoin.h"
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString L = QStringLiteral("Im Zahlenraum");
const QString C = QStringLiteral("bis 20 sicher");

TEST(CompetenceComposition, PartTextOfEachRule)
{
    struct Case { PartRule rule; bool open; const char* expected; };
    const Case cases[] = {
        {PartRule::IndexOnly, false, ""},
        {PartRule::Caption, false, "bis 20 sicher"},
        {PartRule::CaptionDot, false, "bis 20 sicher."},
        {PartRule::CaptionBlank, false, "bis 20 sicher "},
        {PartRule::LeadCaptionDotBlank, false, "Im Zahlenraum bis 20 sicher. "},
        {PartRule::LeadCaptionDot, false, "Im Zahlenraum bis 20 sicher."},
        {PartRule::LeadCaption, false, "Im Zahlenraum bis 20 sicher"},
        {PartRule::BlankLeadCaptionDot, false, " Im Zahlenraum bis 20 sicher."},
        {PartRule::BlankCaptionDot, false, " bis 20 sicher."},
        {PartRule::Continuation, false, "Im Zahlenraum bis 20 sicher."},
        {PartRule::Continuation, true, " bis 20 sicher."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PartText(c.rule, L, C, c.open), QString::fromUtf8(c.expected)) << c.expected;
}

// The worked examples: each area joins only the parts chosen, with no separator for a missing one.
TEST(CompetenceComposition, AreaTextsFromTheirParts)
{
    struct Case { const char* name; int area; QStringList parts; const char* expected; };
    const Case cases[] = {
        {"speaking, middle part empty", 1, {"A", "", "C"}, "A. C."},
        {"speaking, all three", 1, {"A", "B", "C"}, "A. B. C."},
        {"speaking, only the last", 1, {"", "", "C"}, "C."},
        {"speaking, only the first", 1, {"A", "", ""}, "A. "},
        {"reading, only the fourth group", 2, {"", "", "", "D.", "", ""}, "D."},
        {"reading, first and last", 2, {"A.", "", "", "", "", "F."}, "A. F."},
        {"writing as given", 3, {"a ", "", "L c. ", "", "L d.", " L e."}, "a L c. L d. L e."},
        {"shapes end with a blank", 6, {"L a. ", "", "", "", "", "L f. "}, "L a. L f. "},
        {"nothing chosen", 4, {"", "", "", "", "", "", ""}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeAreaText(c.area, c.parts), QString::fromUtf8(c.expected)) << c.name;
}

// Area 4: the second group continues the sentence the first one opens.
TEST(CompetenceComposition, AnOpenedSentenceIsContinued)
{
    const QString lead = QStringLiteral("Plusaufgaben löst <sie/er>");
    const QString opened = PartText(PartRule::LeadCaption, lead, QStringLiteral("auch mit Zehnerübergang"));
    const QString alone = PartText(PartRule::Continuation, lead, QStringLiteral("sicher"), false);
    const QString continued = PartText(PartRule::Continuation, lead, QStringLiteral("sicher"), true);
    EXPECT_EQ(ComposeAreaText(4, {"", alone}), QStringLiteral("Plusaufgaben löst <sie/er> sicher."));
    EXPECT_EQ(ComposeAreaText(4, {"", opened, ""}), QStringLiteral("Plusaufgaben löst <sie/er> auch mit Zehnerübergang"));
    EXPECT_EQ(ComposeAreaText(4, {"", opened, continued}),
              QStringLiteral("Plusaufgaben löst <sie/er> auch mit Zehnerübergang sicher."));
    EXPECT_EQ(ComposeAreaText(4, {"", "", "", "", "", PartText(PartRule::BlankCaptionDot, QString(), QStringLiteral("X"))}),
              QStringLiteral(" X."));
}

TEST(CompetenceComposition, InterestsAndSports)
{
    const QString sports = SportsPart({QStringLiteral("S1"), QStringLiteral("S2")});
    EXPECT_EQ(sports, QStringLiteral("S1. S2. "));
    struct Case { const char* name; int choice; QString sports; const char* expected; };
    const Case cases[] = {
        {"interest and sports on two lines", 3, sports, "Anna malt gern.\r\nS1. S2. "},
        {"sports only, no line break", 0, sports, "S1. S2. "},
        {"interest only", 3, QString(), "Anna malt gern."},
        {"nothing", 0, QString(), ""},
    };
    for (const Case& c : cases) {
        const QString interest = InterestSentence(QStringLiteral("Anna"), QStringLiteral("malt gern"), c.choice == 0);
        EXPECT_EQ(ComposeInterests(interest, c.sports), QString::fromUtf8(c.expected)) << c.name;
    }
    EXPECT_EQ(SportsPart({}), QString());
}

TEST(CompetenceComposition, PhrasesJoinWhereverTheyStand)
{
    struct Case { QStringList phrases; const char* expected; };
    const Case cases[] = {
        {{}, ""},
        {{"", "", "A", ""}, "A"},
        {{"", "A", "", "", "", "B", "", ""}, "A und B"},
        {{"A", "", "B", "C"}, "A, B und C"},
        {{"A", "B", "", "C", "", "", "", "D"}, "A, B, C und D"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinPhrases(c.phrases), QString::fromUtf8(c.expected)) << c.expected;
}

TEST(CompetenceComposition, RemarksByHalfYear)
{
    const QStringList two = {"", "A", "", "", "", "B", "", ""};
    struct Case { const char* name; QString head; QStringList phrases; QString closing; QString promotion; int halfYear; const char* expected; };
    const Case cases[] = {
        {"half-year 1 without a closing ends with a blank", "", two, "", "", 1, "Lena brachte A und B "},
        {"half-year 1 with a closing", "", two, "in den Unterricht ein.", "", 1, "Lena brachte A und B in den Unterricht ein."},
        {"half-year 2 closes with the first closing", "", two, "", "", 2, "Lena brachte A und B ein."},
        {"half-year 2 with a promotion", "", two, "", "Versetzt.", 2, "Lena brachte A und B ein.\r\nVersetzt."},
        {"a head alone ends with a line break", "Lena hat an der AG teilgenommen. ", {}, "", "", 2,
         "Lena hat an der AG teilgenommen. \r\n"},
        {"head, phrases and promotion", "Geschwommen.", {"A"}, "", "Versetzt.", 2, "Geschwommen.\r\nLena brachte A ein.\r\nVersetzt."},
        {"unticking every phrase drops the lead-in", "", {"", ""}, "in den Unterricht ein.", "", 1, ""},
        {"another half-year gives the list alone", "", two, "x.", "", 0, "A und B"},
    };
    for (const Case& c : cases) {
        RemarksParts parts;
        parts.head = c.head;
        parts.phrases = c.phrases;
        parts.lead = QStringLiteral("Lena brachte");
        parts.closing = c.closing;
        parts.closingOfYear = QStringLiteral("ein.");
        parts.promotion = c.promotion;
        parts.halfYear = c.halfYear;
        EXPECT_EQ(ComposeRemarks(parts), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(CompetenceComposition, ClubSentence)
{
    struct Case { std::array<QString, 4> clubs; const char* expected; };
    const Case cases[] = {
        {{}, "Anna hat an der Arbeitsgemeinschaft '\?\?\?\?\?' teilgenommen"},
        {{"'Chor'"}, "Anna hat an der Arbeitsgemeinschaft 'Chor' teilgenommen"},
        {{"'A'", "'B'"}, "Anna hat an den Arbeitsgemeinschaften 'A' und 'B' teilgenommen"},
        {{"'A'", "'B'", "'C'"}, "Anna hat an den Arbeitsgemeinschaften 'A', 'B' und 'C' teilgenommen"},
        {{"'A'", "'B'", "'C'", "'D'"}, "Anna hat an den Arbeitsgemeinschaften 'A', 'B', 'C' und 'D' teilgenommen"},
        // Gaps are passed over: the names keep their order and their separators.
        {{"", "'B'"}, "Anna hat an der Arbeitsgemeinschaft 'B' teilgenommen"},
        {{"", "'B'", "", "'D'"}, "Anna hat an den Arbeitsgemeinschaften 'B' und 'D' teilgenommen"},
        {{"'A'", "", "'C'", "'D'"}, "Anna hat an den Arbeitsgemeinschaften 'A', 'C' und 'D' teilgenommen"},
        // The article counts the clubs, not the words of their names.
        {{"'Spiel und Spaß'"}, "Anna hat an der Arbeitsgemeinschaft 'Spiel und Spaß' teilgenommen"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildAgSentence(QStringLiteral("Anna"), c.clubs), QString::fromUtf8(c.expected)) << c.expected;
    EXPECT_EQ(QuotedClubName(QStringLiteral("Fußball")), QStringLiteral("'Fußball'"));
    EXPECT_EQ(QuotedClubName(QString()), QString());
}

} // namespace
