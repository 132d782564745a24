#include "app/GsStart.h"
#include "core/ProgramFolder.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "ReportClass.h"
#include "User.h"
#include <QFile>
#include <QFileInfo>

using namespace zt;

namespace {

const QString ReportsMacro = QStringLiteral("Winword.exe ZeugnisseSchreiben.doc /mZeugnisseSchreiben");
const QString RebuildQuestion = QStringLiteral("Die Zeugnisse werden mit dem Programm 'Word' neu erstellt.");
const QString SaveNotice = QStringLiteral("Vergessen Sie nicht, die Änderungen in Word zu speichern");

class ClassReportsTest : public test::ReportClassTest {
protected:
    GsStart& openStartPage() { return *static_cast<GsStart*>(WindowRegistry::instance().Show(WindowNames::Start)); }

    // Each report on its own page, in list order: the school, the kind of report, the class, the
    // pupil, every area of the grade with its heading and the pupil's text in the order of the
    // review, the conference, place and date of issue and who signs.
    void expectReports(const test::PrintedDocument& printed, const QStringList& headings, const std::vector<int>& textOrder)
    {
        ASSERT_TRUE(printed.converted);
        ASSERT_EQ(printed.pages, ClassSize);
        EXPECT_FALSE(printed.text().contains(QLatin1Char('<')));
        for (int i = 0; i < ClassSize; ++i) {
            SCOPED_TRACE(fullName(i).toStdString());
            const QString page = flat(printed.pageTexts[i]);
            const QString birth = pupils[i].birthDate + QStringLiteral(" in ") + pupils[i].birthPlace;
            qsizetype at = expectInOrder(page, {QStringLiteral("Grundschule am Lindenhof"), QStringLiteral("Offene Ganztagsschule"),
                                                QStringLiteral("Lindenhofweg 12, 12345 Musterstadt"),
                                                QStringLiteral("Halbjahreszeugnis"), classLine(),
                                                QStringLiteral("Name: ") + fullName(i), QStringLiteral("Geboren: ") + birth});
            at = expectAreas(page, i, headings, textOrder, at);
            expectInOrder(page, {QStringLiteral("Beschluss der Zeugniskonferenz vom 21.01.2027"), QStringLiteral("Musterstadt, den 29.01.2027"),
                                 QStringLiteral("Klassenlehrerin Frau Sommer"), QStringLiteral("Schulleitung"),
                                 QStringLiteral("Erziehungsberechtigte")},
                          at);
        }
    }
};

const QStringList Grade12Headings = {
    QStringLiteral("Arbeitsverhalten:"),         QStringLiteral("Sozialverhalten:"),
    QStringLiteral("Interessen und Fertigkeiten:"), QStringLiteral("Sprechen und Zuhören:"),
    QStringLiteral("Lesen und mit Texten umgehen:"), QStringLiteral("Schreiben, Texte verfassen:"),
    QStringLiteral("Zahlen und Operationen:"),   QStringLiteral("Größen und Messen:"),
    QStringLiteral("Raum und Form:"),            QStringLiteral("Bemerkungen:")};

// The teacher's road: "Zeugnisse mit  WinWord®  schreiben", "Ja", and the reports open; "Erstellte
// Zeugnisse bearbeiten und drucken" opens the same document again.
TEST_F(ClassReportsTest, TheStartPageMakesTheReportsOfAGradeTwoClassAndOpensThemAgain)
{
    useClass(QStringLiteral("2b"));
    GsStart& start = openStartPage();
    messages->expect(RebuildQuestion, vbYes);
    User::click(start.Command4);
    const QString reports = path(QStringLiteral("2bZeugnisse21.odt"));
    ASSERT_EQ(desktop->opened, QStringList{reports});
    messages->expect(SaveNotice);
    User::click(start.Command6);
    EXPECT_EQ(desktop->opened, (QStringList{reports, reports}));

    const test::PrintedDocument printed = test::printDocument(reports);
    test::renderFirstPage(printed, QStringLiteral("Zeugnisse-Klasse2.png"));
    expectReports(printed, Grade12Headings, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const QString page = flat(printed.pageTexts[0]);
    EXPECT_FALSE(page.contains(QStringLiteral("Förder und")));
}

TEST_F(ClassReportsTest, AGradeFourClassGetsItsThreeAreasWithSupportBeforeTheRemarks)
{
    useClass(QStringLiteral("4a"));
    const test::PrintedDocument printed = makeAndPrint(ReportsMacro, QStringLiteral("4aZeugnisse41.odt"));
    test::renderFirstPage(printed, QStringLiteral("Zeugnisse-Klasse4.png"));
    // The store keeps support and clubs first; the report shows the interests before them.
    expectReports(printed,
                  {QStringLiteral("Arbeitsverhalten:"), QStringLiteral("Sozialverhalten:"), QStringLiteral("Besondere Interessen:"),
                   QStringLiteral("Förder und Arbeitsgemeinschaften:"), QStringLiteral("Bemerkungen:")},
                  {0, 1, 3, 2, 4});
    EXPECT_FALSE(flat(printed.text()).contains(QStringLiteral("Sprechen und Zuhören")));
}

TEST_F(ClassReportsTest, ReportsAskedForBeforeTheyWereMadeAreToldWithTheButtonAndThePath)
{
    useClass(QStringLiteral("2b"));
    GsStart& start = openStartPage();
    messages->expect(SaveNotice);
    messages->expect(QStringLiteral("Die Zeugnisse entstehen mit der Taste 'Zeugnisse mit  WinWord®  schreiben'"));
    User::click(start.Command6);
    EXPECT_TRUE(messages->shown().back().prompt.contains(QDir::toNativeSeparators(path(QStringLiteral("2bZeugnisse21.odt")))));
    EXPECT_TRUE(desktop->opened.isEmpty());
}

// The reports the teacher may have finished in the word processor are kept before they are made
// anew: in the copy of the day, and a version edited later the same day in a numbered copy. Reports
// the program made and nobody touched need no copy.
TEST_F(ClassReportsTest, EveryEditedVersionOfTheReportsIsKept)
{
    useClass(QStringLiteral("2b"));
    const QString reports = QStringLiteral("2bZeugnisse21.odt");
    const QString copy = QStringLiteral("2bZeugnisse21 09.12.2026.odt");
    writeBytes(reports, "bearbeitet");
    RunWordCommand(ReportsMacro);
    EXPECT_EQ(readBytes(copy), QByteArray("bearbeitet"));
    EXPECT_TRUE(readBytes(reports).startsWith("PK"));

    RunWordCommand(ReportsMacro);
    EXPECT_EQ(readBytes(copy), QByteArray("bearbeitet"));
    EXPECT_FALSE(fileExists(QStringLiteral("2bZeugnisse21 09.12.2026 (2).odt")));

    writeBytes(reports, "wieder bearbeitet");
    RunWordCommand(ReportsMacro);
    EXPECT_EQ(readBytes(copy), QByteArray("bearbeitet"));
    EXPECT_EQ(readBytes(QStringLiteral("2bZeugnisse21 09.12.2026 (2).odt")), QByteArray("wieder bearbeitet"));

    writeBytes(reports, "bearbeitet");
    clock->date = QDate(2026, 12, 10);
    RunWordCommand(ReportsMacro);
    EXPECT_EQ(readBytes(QStringLiteral("2bZeugnisse21 10.12.2026.odt")), QByteArray("bearbeitet"));
    EXPECT_EQ(desktop->opened.size(), 4);
}

TEST_F(ClassReportsTest, ReportsThatCannotBeWrittenAreToldAndTheOldOnesStay)
{
    useClass(QStringLiteral("2b"));
    writeBytes(QStringLiteral("2bZeugnisse21.odt"), "bearbeitet");
    Files::setWriteFailure([](const QString& p) { return p.endsWith(QLatin1String("2bZeugnisse21.odt")); });
    messages->expect(QStringLiteral("Die Datei 2bZeugnisse21.odt konnte nicht gespeichert werden"));
    RunWordCommand(ReportsMacro);
    EXPECT_EQ(readBytes(QStringLiteral("2bZeugnisse21.odt")), QByteArray("bearbeitet"));
    EXPECT_TRUE(desktop->opened.isEmpty());

    // Without the copy of the day, the edited reports are not written over.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("2bZeugnisse21 09.12.2026.odt"))));
    Files::setWriteFailure([](const QString& p) { return p.contains(QLatin1String("09.12.2026")); });
    messages->expect(QStringLiteral("Die Datei 2bZeugnisse21.odt konnte nicht nach 2bZeugnisse21 09.12.2026.odt kopiert werden"));
    RunWordCommand(ReportsMacro);
    Files::setWriteFailure(nullptr);
    EXPECT_EQ(readBytes(QStringLiteral("2bZeugnisse21.odt")), QByteArray("bearbeitet"));
    EXPECT_TRUE(desktop->opened.isEmpty());
}

// A missing store is told as the windows tell it, and every pupil still gets a report.
TEST_F(ClassReportsTest, AMissingStoreIsToldAndTheReportsAreMadeWithoutItsTexts)
{
    useClass(QStringLiteral("2b"));
    ASSERT_TRUE(Files::remove(QStringLiteral("Daten\\12Speicher.txt")));
    messages->expect(QStringLiteral("Die Datei Daten\\12Speicher.txt ist nicht vorhanden"));
    RunWordCommand(ReportsMacro);
    EXPECT_EQ(desktop->opened, QStringList{path(QStringLiteral("2bZeugnisse21.odt"))});
}

// The document's name comes from the class in the pupil list; a class that names a step out of the
// program folder writes nothing there.
TEST_F(ClassReportsTest, AClassNameThatLeavesTheProgramFolderWritesNothing)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"../a\",\"Becker\",\"Lea\",\"w\",\"05.03.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"));
    const QString outside = path(QStringLiteral("../aZeugnisse01.odt"));
    messages->expect(QStringLiteral("Die Datei ../aZeugnisse01.odt konnte nicht gespeichert werden"));
    RunWordCommand(ReportsMacro);
    EXPECT_TRUE(desktop->opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(outside));
    QFile::remove(outside);
}

} // namespace
