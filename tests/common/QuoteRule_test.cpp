#include "common/QuoteGuards.h"
#include "platform/Form.h"
#include "TestProgram.h"
#include "User.h"
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {
const QString KeyNotice = QStringLiteral("Doppelte Anführungszeichen werden zur Programmsteuerung benötigt");
const QString ChangeNotice = QStringLiteral("Anführungszeichen, die Sie einfügen wollen");

// A work window with one box of each kind the windows use.
class GuardedWindow : public Form {
public:
    GuardedWindow() : Form(QStringLiteral("Guarded"))
    {
        resize(6000, 3000);
        Line.move(120, 120, 5000, 400);
        Lines.move(120, 700, 5000, 1200);
        Date.move(120, 2000, 2000, 400);
        for (TextBox* box : {&Line, &Lines}) {
            box->KeyPress = [](int& key) { RefuseQuoteKey(key); };
            box->Change = [box] { ReplaceQuotesOnChange(*box); };
        }
        // A window's own key rule runs first; the guard sees only what it leaves.
        Date.KeyPress = [](int& key) {
            if (!QChar(key).isDigit() && key != '.')
                key = 0;
            RefuseQuoteKey(key);
        };
    }

    TextBox Line{*this};
    TextBox Lines{*this, true};
    TextBox Date{*this};
};

class QuoteRuleTest : public test::TestProgram {
protected:
    GuardedWindow window;
};

TEST_F(QuoteRuleTest, ATypedQuoteBecomesAnApostropheWithTheKeyNoticeOnly)
{
    for (TextBox* box : {&window.Line, &window.Lines}) {
        messages->clearShown();
        messages->expect(KeyNotice);
        User::typeText(*box, QStringLiteral("sagt \"ja"));
        EXPECT_EQ(box->text(), QStringLiteral("sagt 'ja"));
        ASSERT_EQ(messages->shown().size(), 1u);
        EXPECT_EQ(messages->shown()[0].style, 48);
        EXPECT_EQ(messages->shown()[0].title, QStringLiteral("Hinweis"));
    }
}

TEST_F(QuoteRuleTest, AKeyRefusedByTheWindowsOwnRuleNeverReachesTheGuard)
{
    User::typeText(window.Date, QStringLiteral("0x5.\"03"));
    EXPECT_EQ(window.Date.text(), QStringLiteral("05.03"));
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(QuoteRuleTest, TheChangeGuardReplacesEveryQuoteAndTellsOnce)
{
    struct Case {
        const char* what;
        std::function<void(TextBox&)> act;
        QString expected;
    };
    const Case cases[] = {
        {"pasted", [](TextBox& b) { User::paste(b, QStringLiteral("\"gut\" gemacht")); }, QStringLiteral("'gut' gemacht")},
        {"set by the program", [](TextBox& b) { b.setText(QStringLiteral("liest \"Tim\" vor\"")); },
         QStringLiteral("liest 'Tim' vor'")},
    };
    for (const Case& c : cases) {
        for (TextBox* box : {&window.Line, &window.Lines}) {
            SCOPED_TRACE(c.what);
            box->setText(QString());
            messages->clearShown();
            messages->expect(ChangeNotice);
            c.act(*box);
            EXPECT_EQ(box->text(), c.expected);
            ASSERT_EQ(messages->shown().size(), 1u);
            EXPECT_EQ(messages->shown()[0].style, 48);
            EXPECT_EQ(messages->shown()[0].title, QStringLiteral("Hinweis"));
        }
    }
}

TEST_F(QuoteRuleTest, TextWithoutQuotesRaisesNoMessage)
{
    User::typeText(window.Line, QStringLiteral("Lea's Heft"));
    User::paste(window.Lines, QStringLiteral("Er sagt: 'Ja'"));
    window.Line.setText(QStringLiteral("neu"));
    EXPECT_EQ(window.Line.text(), QStringLiteral("neu"));
    EXPECT_EQ(window.Lines.text(), QStringLiteral("Er sagt: 'Ja'"));
    EXPECT_TRUE(messages->shown().empty());
}

TEST(WithoutQuotes, ReplacesEveryQuoteSilently)
{
    EXPECT_EQ(WithoutQuotes(QStringLiteral("\"a\"b\"c\"d\"e\"f\"g\"h\"i\"j\"k\"")),
              QStringLiteral("'a'b'c'd'e'f'g'h'i'j'k'"));
    EXPECT_EQ(WithoutQuotes(QStringLiteral("ohne")), QStringLiteral("ohne"));
}

} // namespace
