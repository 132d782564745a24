#include "app/GsStart.h"
#include "composition/GsArbeitsverhalten.h"
#include "Looks.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QDir>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString TextStore = QStringLiteral("Daten/AVSVspeicher.txt");
const QString ChoiceStore = QStringLiteral("Daten/AVSVWahl.txt");
const QString MismatchQuestion = QStringLiteral("Die Namensliste stimmt nicht mit den bisher gespeicherten Daten");
const QString SaveQuestion = QStringLiteral("Sollen alle bisherigen Eintragungen gespeichert werden ?");

constexpr int Green = 0x80FF80;  // colour mark 1
constexpr int Orange = 0xC0E0FF; // colour mark 3

QString zeros(int n) { return QStringList(n, QStringLiteral("0")).join(QLatin1Char(',')); }

class GsArbeitsverhaltenTest : public test::TestProgram {
protected:
    // The shipped folder with class 2b of three pupils and empty stores; every block line is its
    // category's letter and its line number ("a2" is line 2 of category 1), line 0 reads "keine".
    void useSmallClass()
    {
        installShippedData();
        writeStores(QString(), QString());
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"w\",\"05.03.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"
                                 "2,\"2b\",\"Kaya\",\"Emre\",\"m\",\"11.11.2017\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"
                                 "3,\"2b\",\"Roth\",\"Ida\",\"\",\"01.02.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"));
        writeBlocks(QStringLiteral("AV"), 7);
        writeBlocks(QStringLiteral("SV"), 6);
    }

    void writeBlocks(const QString& area, int categories)
    {
        QString names;
        for (int k = 1; k <= categories; ++k)
            names += QStringLiteral("%1,\"%2 %1\",1,1,2,2,3,3,3,4,4\r\n").arg(k).arg(area);
        writeFile(QStringLiteral("Daten/%1Kategorien.txt").arg(area), names);
        QString lines;
        for (int n = 1; n <= 10; ++n) {
            lines += QString::number(n);
            for (int k = 0; k < categories; ++k) {
                const QString text = n == 1 ? QStringLiteral("keine") : QChar(QLatin1Char('a' + k)) + QString::number(n - 1);
                // Blanks around a line are not part of it.
                lines += QStringLiteral(",\"%1\"").arg(n == 8 ? QStringLiteral("  ") + text + QStringLiteral(" ") : text);
            }
            lines += QStringLiteral("\r\n");
        }
        writeFile(QStringLiteral("Daten/Texte%1.txt").arg(area), lines);
    }

    void writeStores(const QString& texts, const QString& choices)
    {
        writeFile(TextStore, texts);
        writeFile(ChoiceStore, choices);
    }

    GsArbeitsverhalten& open()
    {
        return *static_cast<GsArbeitsverhalten*>(registry.Show(WindowNames::Behaviour));
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(GsArbeitsverhaltenTest, LoadShowsTheListAndOpeningAnAreaLaysItOut)
{
    useSmallClass();
    GsArbeitsverhalten& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("Arbeits- und Sozialverhalten"));
    EXPECT_EQ(w.Label2.caption(), QStringLiteral("2b"));
    ASSERT_EQ(w.Combo1.listCount(), 3);
    EXPECT_EQ(w.Combo1.list(0), QStringLiteral("Meier  Anna"));
    EXPECT_EQ(w.Combo1.list(2), QStringLiteral("Roth  Ida"));
    EXPECT_EQ(std::pair(w.Combo1.left(), w.Combo1.top()), std::pair(3000, 3500));
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_TRUE(test::lookOf(w.Command1).greyed());
    EXPECT_FALSE(w.Command4.enabled());
    EXPECT_FALSE(w.Frame1.visible());
    EXPECT_FALSE(w.Text1(0).visible());
    EXPECT_FALSE(w.Command3(0).visible());
    EXPECT_EQ(w.Command5.backColor(), 0xC0C0FF);
    EXPECT_EQ(w.Command5.toolTip(), QStringLiteral("Zurück zum Startmenü"));
    EXPECT_EQ(w.Command6.backColor(), Colours::White);
    EXPECT_TRUE(w.Label3.caption().startsWith(QStringLiteral("Wählen Sie aus der Namensliste")));

    User::chooseItem(w.Combo1, 0);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Label3.caption(),
              QStringLiteral("Wählen Sie mit den oberen Tasten den Bereich aus, den Sie bearbeiten möchten!"));

    User::click(w.Command1);
    EXPECT_EQ(std::pair(w.Combo1.left(), w.Combo1.top()), std::pair(8200, 516));
    EXPECT_FALSE(w.Label3.visible());
    EXPECT_EQ(w.Frame1.backColor(), 0xC0FFFF);
    EXPECT_EQ(w.Frame1.caption(), QStringLiteral("AV 1"));
    EXPECT_EQ(w.Command2.backColor(), Colours::Grey);
    EXPECT_TRUE(w.Text1(0).enabled());
    EXPECT_FALSE(w.Text1(1).enabled());
    EXPECT_TRUE(w.Command4.enabled());
    EXPECT_EQ(w.Command4.backColor(), Green);
    for (int k = 0; k < 7; ++k) {
        EXPECT_TRUE(w.Command3(k).visible());
        EXPECT_EQ(w.Command3(k).caption(), QStringLiteral("AV %1").arg(k + 1));
    }
    EXPECT_EQ(w.Option1(0).caption(), QStringLiteral("keine"));
    EXPECT_EQ(w.Option1(7).caption(), QStringLiteral("a7"));
    EXPECT_TRUE(w.Command3(0).hasFocus());
    const int sevenHigh = w.Command3(0).height();

    User::click(w.Command2);
    EXPECT_EQ(w.Frame1.backColor(), 0xFFFFC0);
    EXPECT_EQ(w.Command1.backColor(), Colours::Grey);
    EXPECT_FALSE(w.Text1(0).enabled());
    EXPECT_TRUE(w.Text1(1).enabled());
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(w.Command3(k).caption(), QStringLiteral("SV %1").arg(k + 1));
    EXPECT_FALSE(w.Command3(6).visible());
    EXPECT_GT(w.Command3(0).height(), sevenHigh);
    EXPECT_LE(w.Command3(5).top() + w.Command3(5).height(), w.Frame1.top() + w.Frame1.height());

    User::click(w.Command8);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe Texte\\Hilfe2.doc")});
}

// The stores are written at every change of pupil, keyed by the current list, with one dated
// copy per store and day.
TEST_F(GsArbeitsverhaltenTest, ChoosingAPupilWritesBothStoresAndTheirCopies)
{
    useSmallClass();
    writeStores(QStringLiteral("1,\"2a\",\"Meier\",\"Anna\",\"Anna a2.\",\"\"\r\n"
                               "2,\"2a\",\"Kaya\",\"Emre\",\"\",\"\"\r\n"),
                QStringLiteral("1,\"2a\",\"Meier\",\"Anna\",0,0,2,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                               "2,\"2a\",\"Kaya\",\"Emre\",0,0,4,4,0,0,0,0,0,1,0,0,0,0,0\r\n"));
    GsArbeitsverhalten& w = open();
    User::chooseItem(w.Combo1, 1);

    // Emre's choices are cleared on choosing him; Anna's area with text is locked.
    const QByteArray texts = "1,\"2b\",\"Meier\",\"Anna\",\"Anna a2.\",\"\"\r\n"
                             "2,\"2b\",\"Kaya\",\"Emre\",\"\",\"\"\r\n"
                             "3,\"2b\",\"Roth\",\"Ida\",\"\",\"\"\r\n";
    const QByteArray choices = ("1,\"2b\",\"Meier\",\"Anna\",1,0,2," + zeros(12) + "\r\n"
                                "2,\"2b\",\"Kaya\",\"Emre\"," + zeros(15) + "\r\n"
                                "3,\"2b\",\"Roth\",\"Ida\"," + zeros(15) + "\r\n").toLatin1();
    EXPECT_EQ(readBytes(TextStore), texts);
    EXPECT_EQ(readBytes(ChoiceStore), choices);
    EXPECT_EQ(backups(), (QStringList{QStringLiteral("AVSVspeicher09.12.2026.txt"), QStringLiteral("AVSVWahl09.12.2026.txt")}));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/AVSVspeicher09.12.2026.txt")), texts);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/AVSVWahl09.12.2026.txt")), choices);

    User::click(w.Command1);
    User::click(w.Option1(1));
    User::click(w.Command4);
    const QByteArray later = "1,\"2b\",\"Meier\",\"Anna\",\"Anna a2.\",\"\"\r\n"
                             "2,\"2b\",\"Kaya\",\"Emre\",\"Emre a1.\",\"\"\r\n"
                             "3,\"2b\",\"Roth\",\"Ida\",\"\",\"\"\r\n";
    EXPECT_EQ(readBytes(TextStore), later);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/AVSVspeicher09.12.2026.txt")), later);
    EXPECT_EQ(backups().size(), 2);

    clock->date = QDate(2027, 1, 4);
    User::chooseItem(w.Combo1, 2);
    EXPECT_EQ(backups(), (QStringList{QStringLiteral("AVSVspeicher04.01.2027.txt"), QStringLiteral("AVSVspeicher09.12.2026.txt"),
                                      QStringLiteral("AVSVWahl04.01.2027.txt"), QStringLiteral("AVSVWahl09.12.2026.txt")}));
    EXPECT_EQ(readBytes(ChoiceStore), ("1,\"2b\",\"Meier\",\"Anna\",1,0,2," + zeros(12) + "\r\n"
                                       "2,\"2b\",\"Kaya\",\"Emre\",1,0,1," + zeros(12) + "\r\n"
                                       "3,\"2b\",\"Roth\",\"Ida\"," + zeros(15) + "\r\n").toLatin1());
}

TEST_F(GsArbeitsverhaltenTest, ASurnameThatDiffersFromTheListAsksToRecreateTheStores)
{
    struct Case { int answer; QString annasText; QByteArray storeAfterLoad; };
    const QByteArray stored = "1,\"2b\",\"Meier\",\"Anna\",\"Anna a2.\",\"\"\r\n"
                              "2,\"2b\",\"Kaja\",\"Emre\",\"Emre a1.\",\"\"\r\n"
                              "3,\"2b\",\"Roth\",\"Ida\",\"Ida a3.\",\"\"\r\n";
    const Case cases[] = {
        {vbYes, QString(),
         "1,\"2b\",\"Meier\",\"Anna\",\"\",\"\"\r\n2,\"2b\",\"Kaya\",\"Emre\",\"\",\"\"\r\n3,\"2b\",\"Roth\",\"Ida\",\"\",\"\"\r\n"},
        {vbNo, QStringLiteral("Anna a2."), stored},
    };
    for (const Case& c : cases) {
        useSmallClass();
        writeStores(QString::fromLatin1(stored), QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",0,0,2,") + zeros(12) + QStringLiteral("\r\n"));
        messages->expect(MismatchQuestion, c.answer);
        GsArbeitsverhalten& w = open();
        EXPECT_EQ(messages->shown().back().style, 20);
        EXPECT_EQ(messages->shown().back().title, QStringLiteral("Zeugnistexte"));
        EXPECT_EQ(readBytes(TextStore), c.storeAfterLoad) << c.answer;
        if (c.answer == vbYes) {
            EXPECT_EQ(readBytes(ChoiceStore), ("1,\"2b\",\"Meier\",\"Anna\"," + zeros(15) + "\r\n2,\"2b\",\"Kaya\",\"Emre\","
                                               + zeros(15) + "\r\n3,\"2b\",\"Roth\",\"Ida\"," + zeros(15) + "\r\n").toLatin1());
        }
        User::chooseItem(w.Combo1, 0);
        EXPECT_EQ(w.Text1(0).text(), c.annasText);
        // Keeping the stores keeps every text behind the difference too.
        User::chooseItem(w.Combo1, 2);
        EXPECT_EQ(w.Text1(0).text(), c.answer == vbYes ? QString() : QStringLiteral("Ida a3."));
        registry.UnloadAll();
        settle();
        messages->verifyDone();
    }
}

// A list cut off inside the class of its second record: its keys would carry the gaps and the
// cut-off class, so nothing is written and every stored text stays.
TEST_F(GsArbeitsverhaltenTest, WhileThePupilListIsDamagedTheStoresStayAsTheyWere)
{
    useSmallClass();
    writeStores(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"Anna a2.\",\"\"\r\n2,\"2b\",\"Kaya\",\"Emre\",\"Emre a1.\",\"\"\r\n"
                               "3,\"2b\",\"Roth\",\"Ida\",\"Ida a3.\",\"\"\r\n"),
                QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",1,0,2,") + zeros(12) + QStringLiteral("\r\n"));
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"w\",\"05.03.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n2,\"2"));
    const QByteArray texts = readBytes(TextStore);
    const QByteArray choices = readBytes(ChoiceStore);
    messages->expect(QStringLiteral("Daten\\Namen.Txt ist beschädigt"));
    messages->expect(QStringLiteral("Die Namensliste Daten\\Namen.Txt ist beschädigt. Damit die gespeicherten Texte aller "
                                    "Kinder erhalten bleiben"));
    GsArbeitsverhalten& w = open();
    EXPECT_EQ(messages->shown().back().style, 48);
    ASSERT_EQ(w.Combo1.listCount(), 2);

    User::chooseItem(w.Combo1, 1);
    User::click(w.Command1);
    EXPECT_FALSE(w.Command4.enabled());
    EXPECT_FALSE(w.Frame1.enabled());
    User::click(w.Text1(0));
    User::typeText(w.Text1(0), QStringLiteral(" Neu."));
    EXPECT_FALSE(w.Command4.enabled());
    User::chooseItem(w.Combo1, 0);
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Anna a2."));
    EXPECT_EQ(readBytes(TextStore), texts);
    EXPECT_EQ(readBytes(ChoiceStore), choices);
    EXPECT_TRUE(backups().isEmpty());

    // The teacher was told that nothing is saved: leaving asks nothing.
    User::click(w.Command5);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    messages->verifyDone();
    EXPECT_EQ(messages->shown().size(), 2u);
}

TEST_F(GsArbeitsverhaltenTest, EmptyOrMissingStoresAndFoldersAreMadeWithoutAQuestion)
{
    const QByteArray emptyTexts =
        "1,\"2b\",\"Meier\",\"Anna\",\"\",\"\"\r\n2,\"2b\",\"Kaya\",\"Emre\",\"\",\"\"\r\n3,\"2b\",\"Roth\",\"Ida\",\"\",\"\"\r\n";
    for (bool missing : {false, true}) {
        useSmallClass();
        messages->clearShown();
        QFile::remove(path(TextStore));
        QFile::remove(path(ChoiceStore));
        QDir(path(QStringLiteral("Daten/Sicherheit"))).removeRecursively();
        if (!missing)
            writeStores(QString(), QString());
        GsArbeitsverhalten& w = open();
        EXPECT_TRUE(fileExists(TextStore));
        EXPECT_TRUE(fileExists(ChoiceStore));
        User::chooseItem(w.Combo1, 1);
        EXPECT_EQ(readBytes(TextStore), emptyTexts);
        EXPECT_TRUE(readBytes(ChoiceStore).startsWith("1,\"2b\",\"Meier\",\"Anna\"," + zeros(15).toLatin1() + "\r\n"));
        EXPECT_EQ(backups().size(), 2);
        registry.UnloadAll();
        settle();
    }
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(GsArbeitsverhaltenTest, MissingDataAreReportedAndTheWindowStays)
{
    // No pupil list and no text blocks: each is named once, and the stores are left as they are.
    installShippedData();
    QFile::remove(path(QStringLiteral("Daten/Namen.Txt")));
    QFile::remove(path(QStringLiteral("Daten/TexteAV.txt")));
    const QByteArray storeBefore = readBytes(TextStore);
    messages->expect(QStringLiteral("Daten\\Namen.Txt ist nicht vorhanden"));
    messages->expect(QStringLiteral("Daten\\TexteAV.txt ist nicht vorhanden"));
    GsArbeitsverhalten& w = open();
    EXPECT_EQ(w.Combo1.listCount(), 0);
    // Without pupils nothing could be saved, and nothing is asked.
    User::click(w.Command5);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_EQ(readBytes(TextStore), storeBefore);

    // A list longer than the slots: the first 36 are taken and the teacher is told.
    QString names;
    for (int n = 1; n <= 37; ++n)
        names += QStringLiteral("%1,\"4a\",\"Name%1\",\"Kind\",\"w\",\"01.01.2016\",\"\",\"\",\"\",\"\",\"Ort\"\r\n").arg(n);
    writeFile(QStringLiteral("Daten/Namen.Txt"), names);
    messages->expect(QStringLiteral("Es werden nur die ersten 36 Einträge gelesen."));
    messages->expect(QStringLiteral("Daten\\TexteAV.txt ist nicht vorhanden"));
    messages->expect(MismatchQuestion, vbYes);
    EXPECT_EQ(open().Combo1.listCount(), 36);
    EXPECT_TRUE(readFile(TextStore).endsWith(QStringLiteral("36,\"4a\",\"Name36\",\"Kind\",\"\",\"\"\r\n")));
}

TEST_F(GsArbeitsverhaltenTest, AFailedWriteIsReportedAndLeavingIsRefused)
{
    useSmallClass();
    writeStores(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"\",\"\"\r\n"), QString());
    QFile::remove(path(ChoiceStore));
    // A folder in the place of the file makes every write of it fail.
    QDir().mkpath(path(ChoiceStore));
    messages->expect(QStringLiteral("Daten\\AVSVWahl.txt konnte nicht gespeichert werden"));
    GsArbeitsverhalten& w = open();
    messages->expect(QStringLiteral("Daten\\AVSVWahl.txt konnte nicht gespeichert werden"));
    User::chooseItem(w.Combo1, 0);
    EXPECT_EQ(backups(), QStringList{QStringLiteral("AVSVspeicher09.12.2026.txt")});

    messages->expect(SaveQuestion, vbYes);
    messages->expect(QStringLiteral("Daten\\AVSVWahl.txt konnte nicht gespeichert werden"));
    User::click(w.Command5);
    settle();
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Behaviour));
}

TEST_F(GsArbeitsverhaltenTest, AHandEditStaysWithThePupilItWasTypedFor)
{
    useSmallClass();
    GsArbeitsverhalten& w = open();
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command1);
    User::click(w.Command3(0));
    User::click(w.Option1(2));
    ASSERT_EQ(w.Text1(0).text(), QStringLiteral("Anna a2."));

    User::click(w.Text1(0));
    EXPECT_TRUE(w.Picture4.visible());
    EXPECT_FALSE(w.Frame1.enabled());
    EXPECT_EQ(w.Command6.backColor(), Colours::Red);
    EXPECT_EQ(w.Command3(0).backColor(), Colours::Grey);
    messages->expect(QStringLiteral("Doppelte Anführungszeichen"));
    messages->expect(QStringLiteral("Doppelte Anführungszeichen"));
    User::typeText(w.Text1(0), QStringLiteral(" Sie sagt \"ja\"."));
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Anna a2. Sie sagt 'ja'."));
    messages->clearShown();

    User::chooseItem(w.Combo1, 1);
    EXPECT_EQ(w.Text1(0).text(), QString());
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"Anna a2. Sie sagt 'ja'.\",\"\"\r\n")));
    // Emre has no text: his area is open, and the formulations have the focus.
    EXPECT_FALSE(w.Picture4.visible());
    EXPECT_TRUE(w.Frame1.enabled());
    EXPECT_FALSE(w.Command6.enabled());
    EXPECT_TRUE(w.Command3(0).hasFocus());

    // Anna's text is locked now: covered, and the focus goes to her text.
    User::chooseItem(w.Combo1, 0);
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Anna a2. Sie sagt 'ja'."));
    EXPECT_TRUE(w.Picture4.visible());
    EXPECT_FALSE(w.Frame1.enabled());
    EXPECT_TRUE(w.Command6.enabled());
    EXPECT_EQ(w.Command6.backColor(), Colours::Red);
    EXPECT_TRUE(w.Text1(0).hasFocus());

    // "Aktuelle Eingaben neu" empties and opens the area again.
    User::click(w.Command6);
    EXPECT_EQ(w.Text1(0).text(), QString());
    EXPECT_FALSE(w.Picture4.visible());
    EXPECT_TRUE(w.Frame1.enabled());
    EXPECT_FALSE(w.Command6.enabled());
    EXPECT_EQ(w.Command6.backColor(), Colours::White);
    EXPECT_TRUE(w.Option1(0).hasFocus());
    User::chooseItem(w.Combo1, 1);
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"\",\"\"\r\n")));
    EXPECT_TRUE(readFile(ChoiceStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",0,0,")));
}

// A text typed into a box reached without a click is locked when the box is left, as a click into
// it would have locked it: no formulation click composes it away.
TEST_F(GsArbeitsverhaltenTest, TypedTextLocksItsAreaWhenTheBoxIsLeft)
{
    useSmallClass();
    GsArbeitsverhalten& w = open();
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command1);
    ASSERT_TRUE(w.Frame1.enabled());
    User::focus(w.Text1(0));
    User::typeText(w.Text1(0), QStringLiteral("Arbeitet gern mit."));
    User::focus(w.Combo1);
    EXPECT_FALSE(w.Frame1.enabled());
    EXPECT_TRUE(w.Picture4.visible());
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Arbeitet gern mit."));

    // Emptied by hand, the area stays locked: only "Aktuelle Eingaben neu" opens it again.
    while (!w.Text1(0).text().isEmpty())
        User::typeBackspace(w.Text1(0));
    User::focus(w.Combo1);
    EXPECT_FALSE(w.Frame1.enabled());
    EXPECT_TRUE(w.Picture4.visible());
    EXPECT_TRUE(w.Command6.enabled());
}

TEST_F(GsArbeitsverhaltenTest, ADoubleClickInsertsTheClipboardAndReplacesPlaceholders)
{
    useSmallClass();
    GsArbeitsverhalten& w = open();
    User::chooseItem(w.Combo1, 1);
    User::click(w.Command2);
    User::click(w.Option1(1));
    ASSERT_EQ(w.Text1(1).text(), QStringLiteral("Emre a1."));
    clipboard->setText(QStringLiteral("<Vorname> hilft <ihr/ihm> gern"));
    // Behind the double-clicked word "a1"; the blank left before the dot is tidied away.
    User::dblClickAt(w.Text1(1), 6);
    EXPECT_EQ(w.Text1(1).text(), QStringLiteral("Emre a1 Emre hilft ihm gern."));
    EXPECT_EQ(clipboard->text(), QStringLiteral("<Vorname> hilft <ihr/ihm> gern"));
}

TEST_F(GsArbeitsverhaltenTest, LeavingAsksOnlyAfterChangesAndCancelStays)
{
    useSmallClass();
    struct Case { const char* name; int answer; bool stays; bool saved; };
    const Case cases[] = {
        {"cancel", vbCancel, true, false},
        {"no", vbNo, false, false},
        {"yes", vbYes, false, true},
    };
    for (const Case& c : cases) {
        writeStores(QString(), QString());
        GsArbeitsverhalten& w = open();
        registry.Load(WindowNames::Insertion);
        User::chooseItem(w.Combo1, 0);
        User::click(w.Command1);
        User::click(w.Option1(1));
        EXPECT_EQ(w.Command5.caption(), QStringLiteral("Alle Eingaben beenden"));
        User::click(w.Command4);
        User::click(w.Command3(1));
        User::click(w.Option1(1));
        messages->expect(SaveQuestion, c.answer);
        User::click(w.Command5);
        EXPECT_EQ(messages->shown().back().style, 35);
        EXPECT_EQ(messages->shown().back().title, QStringLiteral("Zeugnistexte"));
        settle();
        EXPECT_EQ(registry.IsLoaded(WindowNames::Behaviour), c.stays) << c.name;
        EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion)) << c.name;
        EXPECT_EQ(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"Anna a1 und b1.\"")), c.saved)
            << c.name;
        registry.UnloadAll();
        settle();
    }

    // Right after saving there is nothing to ask; a formulation or a hand edit after it is asked about.
    writeStores(QString(), QString());
    GsArbeitsverhalten& w = open();
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command1);
    User::click(w.Option1(1));
    User::click(w.Command4);
    User::click(w.Option1(2));
    messages->expect(SaveQuestion, vbCancel);
    User::click(w.Command5);
    User::click(w.Command4);
    User::click(w.Text1(0));
    User::typeText(w.Text1(0), QStringLiteral(" Gut."));
    messages->expect(SaveQuestion, vbCancel);
    User::click(w.Command5);
    User::click(w.Command4);
    // The title-bar button leaves as "Abbrechen" does.
    w.window()->close();
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"Anna a2. Gut.\"")));
}

// The close button of the title bar takes no focus, so the box never loses it before leaving.
TEST_F(GsArbeitsverhaltenTest, TheTitleBarButtonTakesOverAHandEditStillInItsBox)
{
    useSmallClass();
    GsArbeitsverhalten& w = open();
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command1);
    User::click(w.Option1(1));
    User::click(w.Command4);
    User::click(w.Text1(0));
    w.Text1(0).setSelection(w.Text1(0).text().size(), 0);
    User::typeText(w.Text1(0), QStringLiteral(" Gut."));
    ASSERT_TRUE(w.Text1(0).hasFocus());
    messages->expect(SaveQuestion, vbYes);
    w.window()->close();
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"Anna a1. Gut.\"")));
}

TEST_F(GsArbeitsverhaltenTest, TheInsertionButtonsShowAndHideTheDialog)
{
    useSmallClass();
    GsArbeitsverhalten& w = open();
    registry.Load(WindowNames::Insertion);
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command1);
    EXPECT_FALSE(w.Command7(0).enabled());
    User::click(w.Text1(0));
    EXPECT_TRUE(w.Command7(0).enabled());
    EXPECT_EQ(w.Command7(0).backColor(), Green);
    User::click(w.Command7(0));
    EXPECT_TRUE(registry.Find(WindowNames::Insertion)->shown());
    EXPECT_FALSE(w.Command7(0).enabled());
    EXPECT_TRUE(w.Command7(1).enabled());
    // While the dialog is shown, a click into the text leaves its show button disabled.
    User::click(w.Text1(0));
    EXPECT_FALSE(w.Command7(0).enabled());
    clipboard->setText(QStringLiteral("etwas"));
    User::click(w.Command7(1));
    EXPECT_FALSE(registry.Find(WindowNames::Insertion)->shown());
    EXPECT_TRUE(w.Command7(0).enabled());
    EXPECT_TRUE(clipboard->text().isEmpty());
}

// The shipped formulations, composed through the window as the teacher would.
TEST_F(GsArbeitsverhaltenTest, ComposingFromTheShippedFormulations)
{
    installShippedData();
    GsArbeitsverhalten& w = open();
    ASSERT_EQ(w.Combo1.list(0), QStringLiteral("Becker  Lea"));
    User::chooseItem(w.Combo1, 0);
    EXPECT_TRUE(w.Picture1.pictureFile().endsWith(QStringLiteral("Becker_Lea_05032018.jpg")));
    User::click(w.Command1);
    EXPECT_EQ(w.Command3(0).backColor(), Colours::Yellow);
    EXPECT_EQ(w.Command3(1).backColor(), Colours::Grey);
    // Marks of category 1: 1,1,2,2,3,3,3,4,4.
    const int marks[9] = {0x80FF80, 0x80FF80, 0xC0FFC0, 0xC0FFC0, 0xC0E0FF, 0xC0E0FF, 0xC0E0FF, 0xC0C0FF, 0xC0C0FF};
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(w.Option1(i).backColor(), marks[i - 1]) << i;

    User::click(w.Option1(2));
    EXPECT_EQ(w.Command3(0).backColor(), Green);
    User::click(w.Command3(1));
    EXPECT_EQ(w.Command3(1).backColor(), Colours::Yellow);
    EXPECT_FALSE(w.Option1(2).value());
    User::click(w.Option1(3));
    User::click(w.Command3(2));
    User::click(w.Option1(5));
    EXPECT_EQ(w.Command3(2).backColor(), Orange);
    User::click(w.Command3(3));
    User::click(w.Option1(1));
    const QString av = QStringLiteral(
        "Lea geht neue Aufgaben voller Wissbegier an und beteiligt sich regelmäßig am Unterrichtsgespräch. Ihr fällt "
        "es manchmal noch schwer, ohne Hilfe mit einer Aufgabe zu beginnen. Die Hausaufgaben erledigt sie immer "
        "zuverlässig und sorgfältig.");
    EXPECT_EQ(w.Text1(0).text(), av);
    EXPECT_EQ(w.Command3(4).backColor(), Colours::Grey);
    test::renderToPng(w.window(), QStringLiteral("GsArbeitsverhalten-av.png"));

    // The area opened again replays the categories: chosen ones in their line's colour, the first shown.
    User::click(w.Command2);
    User::click(w.Command1);
    EXPECT_EQ(w.Frame1.caption(), QStringLiteral("Lernbereitschaft"));
    EXPECT_EQ(w.Command3(0).backColor(), Green);
    EXPECT_EQ(w.Command3(2).backColor(), Orange);
    EXPECT_EQ(w.Command3(3).backColor(), Green);
    EXPECT_EQ(w.Command3(4).backColor(), Colours::Grey);

    // Line 0 takes a category's part out again.
    User::click(w.Command3(3));
    User::click(w.Option1(0));
    EXPECT_EQ(w.Text1(0).text(), av.left(av.indexOf(QStringLiteral(" Die Hausaufgaben"))));
    EXPECT_EQ(w.Command3(3).backColor(), Colours::Yellow);

    User::chooseItem(w.Combo1, 1);
    User::click(w.Command2);
    for (int k : {0, 1, 2, 5}) {
        User::click(w.Command3(k));
        User::click(w.Option1(1));
    }
    const QString sv = QStringLiteral(
        "Emir ist allen gegenüber stets freundlich und aufgeschlossen und hält sich stets zuverlässig an alle Regeln "
        "und Absprachen. Er arbeitet in Partner- und Gruppenarbeit sehr gut mit anderen zusammen. \r\nDas "
        "Sozialverhalten verdient besondere Anerkennung.");
    EXPECT_EQ(w.Text1(1).text(), sv);
    test::renderToPng(w.window(), QStringLiteral("GsArbeitsverhalten-sv.png"));
    User::chooseItem(w.Combo1, 2);
    EXPECT_TRUE(readFile(TextStore).contains(QStringLiteral("2,\"3a\",\"Yilmaz\",\"Emir\",\"\",\"") + sv + QStringLiteral("\"\r\n")));
}

// Every shipped formulation and category is readable whole where the teacher chooses it.
TEST_F(GsArbeitsverhaltenTest, EveryShippedCaptionIsShownWhole)
{
    installShippedData();
    GsArbeitsverhalten& w = open();
    User::chooseItem(w.Combo1, 0);
    for (CommandButton* area : {&w.Command1, &w.Command2}) {
        User::click(*area);
        w.Command3.forEach([&](int k, CommandButton& category) {
            if (!category.visible())
                return;
            User::click(category);
            EXPECT_TRUE(test::showsWholeText(category));
            EXPECT_TRUE(test::showsWholeText(w.Frame1)) << k;
            w.Option1.forEach([](int, OptionButton& b) { EXPECT_TRUE(test::showsWholeText(b)); });
        });
    }
}

// The teacher's road from the main menu: both areas of one pupil, a hand edit, another pupil in
// between, saving and leaving; the stores hold what was written.
TEST_F(GsArbeitsverhaltenTest, TheMainRoadFromTheStartPage)
{
    installShippedData();
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    User::click(start.Command1(0));
    GsArbeitsverhalten& w = *registry.find<GsArbeitsverhalten>(WindowNames::Behaviour);
    ASSERT_TRUE(w.shown());

    auto choose = [&w](std::initializer_list<std::pair<int, int>> categoryLines) {
        for (auto [category, line] : categoryLines) {
            User::click(w.Command3(category));
            User::click(w.Option1(line));
        }
    };
    User::chooseItem(w.Combo1, 1);
    User::click(w.Command1);
    choose({{0, 1}, {1, 6}, {2, 9}, {3, 3}});
    const QString composed = QStringLiteral(
        "Emir zeigt stets eine sehr große Lernfreude, aber beteiligt sich nur gelegentlich am Unterrichtsgespräch. Ihm "
        "gelingt es bisher nur mit Hilfe, eine Aufgabe zu Ende zu führen. Die Hausaufgaben erledigt er regelmäßig.");
    ASSERT_EQ(w.Text1(0).text(), composed);
    User::click(w.Text1(0));
    w.Text1(0).setSelection(composed.size(), 0);
    User::typeText(w.Text1(0), QStringLiteral(" Weiter so!"));
    const QString emirsAv = composed + QStringLiteral(" Weiter so!");

    User::chooseItem(w.Combo1, 0);
    EXPECT_FALSE(w.Picture4.visible());
    choose({{6, 2}});
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Das Arbeitsverhalten entspricht den Erwartungen in vollem Umfang."));

    User::chooseItem(w.Combo1, 1);
    EXPECT_EQ(w.Text1(0).text(), emirsAv);
    EXPECT_TRUE(w.Picture4.visible());
    EXPECT_TRUE(w.Text1(0).hasFocus());
    User::click(w.Command2);
    EXPECT_FALSE(w.Picture4.visible());
    choose({{0, 2}, {4, 3}});
    const QString emirsSv = QStringLiteral(
        "Emir ist als Mitschüler wegen seiner freundlichen Art sehr beliebt. Emir setzt sich für ein gutes Miteinander "
        "in der Klasse ein.");
    EXPECT_EQ(w.Text1(1).text(), emirsSv);

    User::click(w.Command4);
    User::click(w.Command5);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Start));
    EXPECT_TRUE(messages->shown().empty());

    const QString texts = readFile(TextStore);
    EXPECT_TRUE(texts.startsWith(
        QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Das Arbeitsverhalten entspricht den Erwartungen in vollem Umfang.\",\"\"\r\n"
                       "2,\"3a\",\"Yilmaz\",\"Emir\",\"%1\",\"%2\"\r\n3,\"3a\",\"Schmidt\",\"Jonas\",\"\",\"\"\r\n")
            .arg(emirsAv, emirsSv)));
    EXPECT_TRUE(texts.endsWith(QStringLiteral("12,\"3a\",\"Wagner\",\"Sophie\",\"\",\"\"\r\n")));
    // Lea's area holds text since Emir was chosen again; Emir's choices are those since then.
    EXPECT_TRUE(readFile(ChoiceStore).startsWith(
        QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",1,0,0,0,0,0,0,0,2,0,0,0,0,0,0\r\n"
                       "2,\"3a\",\"Yilmaz\",\"Emir\",1,0,0,0,0,0,0,0,0,2,0,0,0,3,0\r\n"
                       "3,\"3a\",\"Schmidt\",\"Jonas\",") + zeros(15)));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/AVSVspeicher09.12.2026.txt")), readBytes(TextStore));
}

TEST_F(GsArbeitsverhaltenTest, TheMainMenuAndTheEndOfTheProgramAskBeforeUnsavedTextIsDropped)
{
    useSmallClass();
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    User::click(start.Command1(0));
    auto typeForAnna = [&](const QString& text) {
        GsArbeitsverhalten& w = *registry.find<GsArbeitsverhalten>(WindowNames::Behaviour);
        User::chooseItem(w.Combo1, 0);
        User::click(w.Command1);
        User::click(w.Text1(0));
        User::typeText(w.Text1(0), text);
    };

    // Nothing typed: the entry goes ahead without a question, as before.
    User::click(start.Command1(3));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("3\r\n"));
    EXPECT_TRUE(messages->shown().empty());

    // Cancel: the window keeps the text, and nothing of the entry happens.
    User::click(start.Command1(0));
    typeForAnna(QStringLiteral("Fleißig."));
    messages->expect(SaveQuestion, vbCancel);
    User::click(start.Command1(3));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_EQ(registry.find<GsArbeitsverhalten>(WindowNames::Behaviour)->Text1(0).text(), QStringLiteral("Fleißig."));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("0\r\n"));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Review));

    // Yes: the text is saved, then the entry opens its window (the editor, from the toolbox view).
    User::click(start.Command2);
    messages->expect(SaveQuestion, vbYes);
    User::click(start.Command1(4));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"Fleißig.\"")));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("4\r\n"));
    registry.Unload(WindowNames::BehaviourEditor);
    User::click(start.Command3);

    // "Programm beenden" asks as well; No ends the program without saving.
    User::click(start.Command1(0));
    typeForAnna(QStringLiteral("Neu."));
    messages->expect(SaveQuestion, vbCancel);
    start.window()->close();
    EXPECT_EQ(application->quitCalls, 0);
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Start));
    messages->expect(SaveQuestion, vbNo);
    User::click(start.Command1(7));
    EXPECT_EQ(application->quitCalls, 1);
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"Fleißig.\"")));
}

} // namespace
