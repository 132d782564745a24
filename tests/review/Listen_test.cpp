#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "review/Listen.h"
#include "TestProgram.h"
#include "User.h"
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

class ListenTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(ListenTest, FiveButtonsStartTheirDocumentsAndBeendenCloses)
{
    Listen& w = *static_cast<Listen*>(registry.Show(WindowNames::Lists));
    EXPECT_EQ(w.caption(), QStringLiteral("Listenerstellung- Dieses Fenster ist hier verschiebbar!!"));
    EXPECT_EQ(w.Label1.caption(),
              QStringLiteral("Sie können hier mit dem Programm Winword automatisch verschiedene Listen erstellen, die "
                             "eingegebene Daten des Programmes nutzen. Sie können sie bei Bedarf in Winword ausdrucken."));
    struct Case { QString caption; int left; int top; int colour; QString commandLine; };
    const Case cases[] = {
        {QStringLiteral("Zeugnisanlagen"), 240, 1200, 0x80FF80, QStringLiteral("Winword.exe ZeugnisseAnlagen.doc /mZeugnisseAnlagen")},
        {QStringLiteral("Klassenliste"), 240, 1920, 0x80FF80, QStringLiteral("Winword.exe KlListe.doc /mKlassenliste")},
        {QStringLiteral("Strichliste"), 240, 2640, 0x80FF80, QStringLiteral("Winword.exe StListe.doc /mStrichliste")},
        {QStringLiteral("Bildbenennungs-Liste"), 240, 3360, 0x80FF80, QStringLiteral("Winword.exe BldListe.doc /mBilderliste")},
        {QStringLiteral("Leere Zeugnisse"), 3000, 1200, 0x80FF80, QStringLiteral("Winword.exe Leerformular.doc /mLeerformular")},
        {QStringLiteral("Beenden"), 3000, 3360, 0x8080FF, QString()},
    };
    for (int i = 0; i < 6; ++i) {
        const CommandButton& b = w.Command1(i);
        EXPECT_EQ(b.caption(), cases[i].caption);
        EXPECT_EQ(std::pair(b.left(), b.top()), std::pair(cases[i].left, cases[i].top)) << i;
        EXPECT_EQ(b.backColor(), cases[i].colour) << i;
    }
    test::renderToPng(w.window(), QStringLiteral("Listen.png"));

    QStringList expected;
    for (int i = 0; i < 5; ++i) {
        User::click(w.Command1(i));
        expected << cases[i].commandLine;
    }
    // Word starts do not wait: a second click opens the list again.
    User::click(w.Command1(1));
    expected << cases[1].commandLine;
    EXPECT_EQ(launcher->commandLines, expected);

    User::click(w.Command1(5));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Lists));
}

TEST_F(ListenTest, StaysInItsPlaceWhileTheMainMenuSwitchesWindows)
{
    GsStart& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    User::click(start.Command7);
    Form* lists = registry.Find(WindowNames::Lists);
    ASSERT_NE(lists, nullptr);
    EXPECT_TRUE(lists->shown());
    lists->window()->move(300, 200);
    for (int entry : {BehaviourEntry, ReviewEntries, MasterData}) {
        start.Command1_Click(entry);
        settle();
        EXPECT_EQ(registry.Find(WindowNames::Lists), lists) << entry;
        EXPECT_TRUE(lists->shown()) << entry;
        EXPECT_EQ(lists->window()->pos(), QPoint(300, 200)) << entry;
    }

    // The title-bar close is its "Beenden".
    lists->window()->close();
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Lists));
    EXPECT_TRUE(launcher->commandLines.isEmpty());
}

} // namespace
