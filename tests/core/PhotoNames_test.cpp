#include "core/PhotoNames.h"
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

TEST(PhotoNames, PictureName)
{
    struct Case {
        const char* surname;
        const char* firstName;
        const char* birthDate;
        const char* expected;
    };
    const Case cases[] = {
        {"Meyer", "Lea", "05.03.2005", "Meyer_Lea_05032005"},
        // Taken by position, so a date without leading zeros gives a garbled name.
        {"Meyer", "Lea", "5.3.2005", "Meyer_Lea_5..22005"},
        {"Müller", "Jörg", "01.02.2017", "Müller_Jörg_01022017"},
        {"Şahin", "Łukasz", "05.03.2018", "Şahin_Łukasz_05032018"},
        {"von der Heide", "Ann-Kathrin", "31.12.2016", "von der Heide_Ann-Kathrin_31122016"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(PictureName(QString::fromUtf8(c.surname), QString::fromUtf8(c.firstName), QString::fromUtf8(c.birthDate)),
                  QString::fromUtf8(c.expected));
    }
}

} // namespace
