#include "core/Placeholders.h"
#include <cctype>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

struct Case {
    const char* name;
    PlaceholderSet set;
    const char* gender;
    const char* firstName;
    const char* text;
    const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

PlaceholderValues valuesFor(const Case& c)
{
    return {QString::fromUtf8(c.gender), QString::fromUtf8(c.firstName), QStringLiteral("2023/24"),
            QStringLiteral("2024/25"), QStringLiteral("29.01.2024")};
}

constexpr auto R = PlaceholderSet::Reduced;
constexpr auto F = PlaceholderSet::Full;

const Case Cases[] = {
    // Gender forms: only a lower-case "m" is male.
    {"male", R, "m", "Paul", "<Vorname> hilft <ihr/ihm>.", "Paul hilft ihm."},
    {"female", R, "w", "Lena", "<Vorname> hilft <ihr/ihm>.", "Lena hilft ihr."},
    {"upper-case M is not male", R, "M", "Lena", "<Vorname> hilft <ihr/ihm>.", "Lena hilft ihr."},
    {"empty gender", R, "", "Lena", "<Vorname> hilft <ihr/ihm>.", "Lena hilft ihr."},
    {"unknown gender", R, "x", "Lena", "<Vorname> hilft <ihr/ihm>.", "Lena hilft ihr."},
    {"every pronoun male", F, "m", "Paul", "<sie/er> <Er/Sie> <ihr/ihm> <Ihm/Ihr> <ihr/sein> <Sein/Ihr>",
     "er Er ihm Ihm sein Sein"},
    {"every pronoun female", F, "w", "Lena", "<sie/er> <Er/Sie> <ihr/ihm> <Ihm/Ihr> <ihr/sein> <Sein/Ihr>",
     "sie Sie ihr Ihr ihr Ihr"},
    {"ending male", R, "m", "Paul", "Schüler<in>", "Schüler"},
    {"ending female", R, "w", "Lena", "Schüler<in>", "Schülerin"},
    {"placeholders are case-sensitive", F, "m", "Paul", "<vorname> <SIE/ER>", "<vorname> <SIE/ER>"},

    // Every occurrence, not just the first few.
    {"all first names", R, "w", "Lena", "<Vorname>, <Vorname>, <Vorname> und <Vorname>", "Lena, Lena, Lena und Lena"},
    {"many pronouns", R, "m", "Paul", "<sie/er><sie/er><sie/er><sie/er><sie/er><sie/er><sie/er><sie/er><sie/er><sie/er><sie/er>",
     "ererererererererererer"},

    // Each pass finds what a replacement of the pass before formed: three passes for the reduced
    // set, ten for the full set.
    {"placeholder formed by a replacement", R, "m", "Paul", "<ih<in>r/ihm> hilft", "ihm hilft"},
    {"formed in the third pass", R, "m", "Paul", "Schüler<i<i<in>n>n>", "Schüler"},
    {"not formed before a fourth pass", R, "m", "Paul", "Schüler<i<i<i<in>n>n>n>", "Schüler<in>"},
    {"full set formed in the fourth pass", F, "m", "Paul", "Schüler<i<i<i<in>n>n>n>", "Schüler"},

    // The set decides which placeholders are touched.
    {"reduced set keeps the report-only ones", R, "m", "Paul",
     "<Schuljahr> <Nextschj> <Konferenz> <Ihm/Ihr> <Sein/Ihr>", "<Schuljahr> <Nextschj> <Konferenz> <Ihm/Ihr> <Sein/Ihr>"},
    {"full set replaces them", F, "m", "Paul", "<Schuljahr> <Nextschj> <Konferenz> <Ihm/Ihr> <Sein/Ihr>",
     "2023/24 2024/25 29.01.2024 Ihm Sein"},

    // Clean-up after the replacements.
    {"double dot", R, "m", "Paul", "gut.. Sie", "gut. Sie"},
    {"blank before dot", R, "m", "Paul", "gut .", "gut."},
    {"double blank", R, "m", "Paul", "a  b", "a b"},
    {"trailing double dot", R, "m", "Paul", "Das war gut..", "Das war gut."},
    {"three blanks", R, "m", "Paul", "a   b", "a b"},
    {"four separate double blanks", R, "m", "Paul", "a  b  c  d  e", "a b c d e"},
    {"blanks and dots mixed", R, "m", "Paul", "gut  . .. x", "gut. x"},
    {"empty ending leaves no doubled blank", R, "m", "Paul", "Der Schüler <in> lacht .", "Der Schüler lacht."},
    {"empty first name", R, "m", "", "Heute <Vorname> .", "Heute."},
    {"empty text", F, "m", "Paul", "", ""},
};

class Substitution : public ::testing::TestWithParam<Case> {};

TEST_P(Substitution, GivesTheExpectedText)
{
    const Case& c = GetParam();
    EXPECT_EQ(SubstitutePlaceholders(QString::fromUtf8(c.text), c.set, valuesFor(c)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Placeholders, Substitution, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             }
                             return name;
                         });

TEST(Placeholders, PlaceholdersInAValueAreReplacedByTheNextPass)
{
    PlaceholderValues v;
    v.gender = QStringLiteral("w");
    v.firstName = QStringLiteral("Lena<in> <Schuljahr> <sie/er>");
    v.schoolYear = QStringLiteral("2023/24");
    EXPECT_EQ(SubstitutePlaceholders(QStringLiteral("<Vorname>"), PlaceholderSet::Full, v),
              QStringLiteral("Lenain 2023/24 sie"));
    EXPECT_EQ(SubstitutePlaceholders(QStringLiteral("<Vorname>"), PlaceholderSet::Reduced, v),
              QStringLiteral("Lenain <Schuljahr> sie"));
}

TEST(Placeholders, AValueHoldingItsOwnPlaceholderEndsAfterTheSetsPasses)
{
    PlaceholderValues v;
    v.gender = QStringLiteral("m");
    v.firstName = QStringLiteral("<Vorname>x");
    EXPECT_EQ(SubstitutePlaceholders(QStringLiteral("<Vorname> und <Vorname>"), PlaceholderSet::Reduced, v),
              QStringLiteral("<Vorname>xxx und <Vorname>xxx"));
    EXPECT_EQ(SubstitutePlaceholders(QStringLiteral("<Vorname>"), PlaceholderSet::Full, v),
              QStringLiteral("<Vorname>xxxxxxxxxx"));
}

} // namespace
