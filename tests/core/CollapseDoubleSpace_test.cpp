#include "core/CollapseDoubleSpace.h"
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

struct Case {
    const char* line;
    const char* expected;
};

TEST(CollapseDoubleSpace, CleanBlockLine)
{
    const Case cases[] = {
        {"a   b  c", "a b  c"},      // only the first run is reduced
        {"  a  b  ", "a b"},         // ends trimmed first, so the inner run is the first
        {"ein Satz ohne", "ein Satz ohne"},
        {"", ""},
        {"a  ", "a"},
        {"   ", ""},
        {"a\t\tb  c", "a\t\tb c"},   // tabs are no blanks
        {"\ta  b\n", "\ta b\n"},     // and are not trimmed
        {"ä  ö", "ä ö"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CleanBlockLine(QString::fromUtf8(c.line)), QString::fromUtf8(c.expected));
    }
}

TEST(CollapseDoubleSpace, WorkText)
{
    const Case cases[] = {
        {"a    b", "a b"},
        {"a  b ", "a b"},       // the blanks at both ends go with the run
        {" a  b", "a b"},
        {"  a", " a"},          // a leading run is the first run
        {" a b ", " a b "},     // no double blank: untouched
        {"a  b  c ", "a b  c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CollapseDoubleSpace(QString::fromUtf8(c.line)), QString::fromUtf8(c.expected));
    }
}

} // namespace
