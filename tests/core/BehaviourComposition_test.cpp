#include "core/BehaviourComposition.h"
#include <cctype>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

// The line text of every category is a single letter: a, b, c, ... for categories 1, 2, 3, ...
// A choice of 0 leaves the category out.
template <std::size_t N>
std::array<QString, N> partsFor(const std::array<int, N>& choices, const QString& firstName)
{
    std::array<QString, N> parts;
    for (std::size_t k = 0; k < N; ++k)
        parts[k] = PartForLine(static_cast<int>(k), choices[k], QString(QLatin1Char(static_cast<char>('a' + k))), firstName);
    return parts;
}

struct AvCase {
    const char* name;
    std::array<int, 7> choices;
    const char* gender;
    const char* expected;
};

const AvCase AvCases[] = {
    {"good and good", {2, 3, 5, 0, 0, 0, 0}, "w", "Anna a und b. Ihr c."},
    {"good and weak", {2, 6, 5, 0, 0, 0, 0}, "w", "Anna a, aber b. Ihr c."},
    {"weak and good", {5, 5, 0, 0, 0, 0, 0}, "w", "Anna a, aber b."},
    {"weak and weak", {5, 6, 0, 0, 0, 0, 0}, "w", "Anna a und b."},
    {"edge of good", {4, 5, 0, 0, 0, 0, 0}, "w", "Anna a und b."},
    {"subject pronoun", {2, 3, 1, 0, 0, 0, 0}, "w", "Anna a und b. Sie c."},
    {"dative line 9", {2, 3, 9, 0, 0, 0, 0}, "w", "Anna a und b. Ihr c."},
    {"male subject", {2, 3, 1, 0, 0, 0, 0}, "m", "Anna a und b. Er c."},
    {"male dative", {2, 3, 5, 0, 0, 0, 0}, "m", "Anna a und b. Ihm c."},
    {"empty gender is female", {2, 3, 1, 0, 0, 0, 0}, "", "Anna a und b. Sie c."},
    {"empty gender dative", {2, 3, 9, 0, 0, 0, 0}, "", "Anna a und b. Ihr c."},
    {"upper-case M is female", {2, 3, 1, 0, 0, 0, 0}, "M", "Anna a und b. Sie c."},
    {"only category 2", {0, 3, 0, 0, 0, 0, 0}, "w", "Anna b."},
    {"only category 3", {0, 0, 5, 0, 0, 0, 0}, "w", "Anna c."},
    {"categories 2 and 3", {0, 3, 1, 0, 0, 0, 0}, "w", "Anna b. Sie c."},
    {"categories 1 and 3", {2, 0, 1, 0, 0, 0, 0}, "w", "Anna a. Sie c."},
    {"only category 4", {0, 0, 0, 1, 0, 0, 0}, "w", "d."},
    {"only category 5", {0, 0, 0, 0, 1, 0, 0}, "w", "e."},
    {"categories 1, 4 and 5", {2, 0, 0, 1, 1, 0, 0}, "w", "Anna a. d. e."},
    {"categories 1 and 6", {2, 0, 0, 0, 0, 1, 0}, "w", "Anna a. Anna f."},
    {"only category 6", {0, 0, 0, 0, 0, 1, 0}, "w", "Anna f."},
    {"categories 1 and 7", {2, 0, 0, 0, 0, 0, 1}, "w", "Anna a.\r\ng."},
    {"only category 7", {0, 0, 0, 0, 0, 0, 1}, "w", "g."},
    {"all categories", {1, 1, 1, 1, 1, 1, 1}, "m", "Anna a und b. Er c. d. e. Anna f.\r\ng."},
    {"nothing chosen", {0, 0, 0, 0, 0, 0, 0}, "w", ""},
};

class AvComposition : public ::testing::TestWithParam<AvCase> {};

TEST_P(AvComposition, JoinsTheChosenParts)
{
    const AvCase& c = GetParam();
    const QString anna = QStringLiteral("Anna");
    EXPECT_EQ(ComposeAvText(partsFor(c.choices, anna), c.choices, anna, QString::fromLatin1(c.gender)),
              QString::fromLatin1(c.expected));
}

struct SvCase {
    const char* name;
    std::array<int, 6> choices;
    const char* gender;
    const char* expected;
};

const SvCase SvCases[] = {
    {"male with a new paragraph", {1, 1, 1, 0, 0, 1}, "m", "Tom a und b. Er c. \r\nf."},
    {"female", {1, 6, 5, 0, 0, 0}, "w", "Tom a, aber b. Sie c."},
    {"no dative form", {1, 1, 9, 0, 0, 0}, "m", "Tom a und b. Er c."},
    {"empty gender is female", {1, 1, 1, 0, 0, 0}, "", "Tom a und b. Sie c."},
    {"only category 2", {0, 2, 0, 0, 0, 0}, "m", "Tom b."},
    {"only category 3", {0, 0, 2, 0, 0, 0}, "m", "Tom c."},
    {"category 6 after 4", {0, 0, 0, 1, 0, 1}, "m", "d. \r\nf."},
    {"only category 6 has no name", {0, 0, 0, 0, 0, 1}, "m", "f."},
    {"categories 1, 4 and 5", {1, 0, 0, 1, 1, 0}, "m", "Tom a. d. e."},
    {"nothing chosen", {0, 0, 0, 0, 0, 0}, "m", ""},
};

class SvComposition : public ::testing::TestWithParam<SvCase> {};

TEST_P(SvComposition, JoinsTheChosenParts)
{
    const SvCase& c = GetParam();
    const QString tom = QStringLiteral("Tom");
    EXPECT_EQ(ComposeSvText(partsFor(c.choices, tom), c.choices, tom, QString::fromLatin1(c.gender)),
              QString::fromLatin1(c.expected));
}

template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string name = info.param.name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(BehaviourComposition, AvComposition, ::testing::ValuesIn(AvCases), caseName<AvCase>);
INSTANTIATE_TEST_SUITE_P(BehaviourComposition, SvComposition, ::testing::ValuesIn(SvCases), caseName<SvCase>);

TEST(BehaviourComposition, PartForLine)
{
    const QString anna = QStringLiteral("Anna");
    const QString line = QStringLiteral("arbeitet sorgfältig");
    EXPECT_EQ(PartForLine(0, 1, line, anna), QStringLiteral("Anna arbeitet sorgfältig"));
    EXPECT_EQ(PartForLine(0, 9, line, anna), QStringLiteral("Anna arbeitet sorgfältig"));
    EXPECT_EQ(PartForLine(3, 4, line, anna), line);
    EXPECT_EQ(PartForLine(0, 0, line, anna), QString());
    EXPECT_EQ(PartForLine(3, 0, line, anna), QString());
}

TEST(BehaviourComposition, AnEmptyFirstCategoryLineStillGivesTheName)
{
    // The doubled blank is left for the placeholder clean-up to tidy.
    const QString anna = QStringLiteral("Anna");
    const std::array<int, 7> choices = {3, 2, 0, 0, 0, 0, 0};
    const std::array<QString, 7> parts = {PartForLine(0, 3, QString(), anna), QStringLiteral("b")};
    EXPECT_EQ(parts[0], QStringLiteral("Anna "));
    EXPECT_EQ(ComposeAvText(parts, choices, anna, QStringLiteral("w")), QStringLiteral("Anna  und b."));
}

} // namespace
