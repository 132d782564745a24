#include "common/ClipboardInsertion.h"
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

TEST(InsertAtCaret, InsertsBetweenTrimmedHalves)
{
    struct Case {
        const char* text;
        int caret;
        const char* insertion;
        GenderEnding ending;
        const char* expected;
    };
    constexpr auto Glued = GenderEnding::Glued;
    constexpr auto Spaced = GenderEnding::Spaced;
    const Case cases[] = {
        {"Anna lacht", 10, "<Vorname>", Spaced, "Anna lacht <Vorname>"},
        {"Anna lacht", 10, "<Vorname>", Glued, "Anna lacht <Vorname>"},
        // Behind the word: the blanks before the right half go, those inside the left half stay.
        {"Anna   lacht  gern", 12, "<X>", Spaced, "Anna   lacht <X> gern"},
        // Caret 10 is inside "lacht": the word is split.
        {"Anna   lacht  gern", 10, "<X>", Spaced, "Anna   lac <X> ht  gern"},
        {"Anna lacht ", 11, "gern", Spaced, "Anna lacht gern"},
        {"  Anna", 0, "Heute", Spaced, " Heute Anna"},
        {"", 0, "Anna", Spaced, " Anna"},
        {"Schüler", 7, "<in>", Glued, "Schüler<in>"},
        {"Schüler", 7, "<in>", Spaced, "Schüler <in>"},
        {"Die Schüler sind", 11, "<in>", Glued, "Die Schüler<in> sind"},
        {"Schüler", 7, "<in> ", Glued, "Schüler <in> "},
        {"Schüler", 7, "in", Glued, "Schüler in"},
        {"Schüler", 7, "<IN>", Glued, "Schüler <IN>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(InsertAtCaret(QString::fromUtf8(c.text), c.caret, QString::fromUtf8(c.insertion), c.ending),
                  QString::fromUtf8(c.expected));
    }
}

} // namespace
