#include "app/GsStart.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "ReportClass.h"
#include "User.h"

using namespace zt;

namespace {

const QString ListMacro = QStringLiteral("Winword.exe ZeugnislisteNeu.doc /mZeugnislisteNeu");

class ReportListTest : public test::ReportClassTest {
protected:
    GsStart& openStartPage() { return *static_cast<GsStart*>(WindowRegistry::instance().Show(WindowNames::Start)); }

    // The list under the school, the class, the school year and the half-year: every pupil with
    // number, name and birth date in list order, on one page.
    void expectList(const test::PrintedDocument& printed, const QString& title, const QStringList& columns)
    {
        ASSERT_TRUE(printed.converted);
        ASSERT_EQ(printed.pages, 1);
        const QString text = flat(printed.text());
        qsizetype at = 0;
        for (const QString& part : QStringList{QStringLiteral("Grundschule am Lindenhof – Offene Ganztagsschule, Lindenhofweg 12, 12345 Musterstadt"),
                                               title, classLine()} + columns) {
            const qsizetype found = text.indexOf(part, at);
            EXPECT_GE(found, 0) << part.toStdString();
            at = std::max(at, found);
        }
        for (int i = 0; i < ClassSize; ++i) {
            const QString row = QStringLiteral("%1 %2, %3 %4").arg(i + 1).arg(pupils[i].surname, pupils[i].firstName, pupils[i].birthDate);
            const qsizetype found = text.indexOf(row, at);
            EXPECT_GT(found, at) << row.toStdString();
            at = std::max(at, found);
        }
    }
};

// Grades 1 and 2 have no marks: their list is the absence list the start page's caption names.
TEST_F(ReportListTest, AGradeTwoClassGetsTheAbsenceListThatTheStartPageOpens)
{
    useClass(QStringLiteral("2b"));
    GsStart& start = openStartPage();
    ASSERT_EQ(start.Command5.caption(), QStringLiteral("Versäumnisliste aufrufen"));
    messages->expect(QStringLiteral("Die Liste entsteht bei jedem 'Basisdaten speichern'"));
    User::click(start.Command5);
    EXPECT_TRUE(desktop->opened.isEmpty());

    const test::PrintedDocument printed = makeAndPrint(ListMacro, QStringLiteral("2bZeugnisliste21.odt"));
    test::renderFirstPage(printed, QStringLiteral("Zeugnisliste-Klasse2.png"));
    expectList(printed, QStringLiteral("Versäumnisliste"),
               {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Fehl"), QStringLiteral("davon"), QStringLiteral("Bemerkungen")});
    User::click(start.Command5);
    EXPECT_EQ(desktop->opened, (QStringList{path(QStringLiteral("2bZeugnisliste21.odt")), path(QStringLiteral("2bZeugnisliste21.odt"))}));
}

TEST_F(ReportListTest, AGradeFourClassGetsAColumnForEveryMarkAndTheDaysMissed)
{
    useClass(QStringLiteral("4a"));
    const test::PrintedDocument printed = makeAndPrint(ListMacro, QStringLiteral("4aZeugnisliste41.odt"));
    test::renderFirstPage(printed, QStringLiteral("Zeugnisliste-Klasse4.png"));
    expectList(printed, QStringLiteral("Zeugnisliste"),
               {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("D"), QStringLiteral("M"), QStringLiteral("SU"),
                QStringLiteral("Rel"), QStringLiteral("Fehl")});
    EXPECT_TRUE(flat(printed.text()).contains(QStringLiteral("D Deutsch, M Mathematik, SU Sachunterricht")));
}

// The teacher fills the list in by hand: the next save of the school data keeps it as the copy of
// the day.
TEST_F(ReportListTest, AFilledListIsKeptAsTheCopyOfTheDay)
{
    useClass(QStringLiteral("2b"));
    writeBytes(QStringLiteral("2bZeugnisliste21.odt"), "ausgefüllt");
    RunWordCommand(ListMacro);
    EXPECT_EQ(readBytes(QStringLiteral("2bZeugnisliste21 09.12.2026.odt")), QByteArray("ausgefüllt"));
    EXPECT_TRUE(readBytes(QStringLiteral("2bZeugnisliste21.odt")).startsWith("PK"));
}

} // namespace
