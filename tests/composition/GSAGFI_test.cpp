#include "app/GsStart.h"
#include "composition/GSAGFI.h"
#include "core/ProgramFolder.h"
#include "Looks.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "Looks.h"
#include "TestProgram.h"
#include "User.h"
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString TextStore = QStringLiteral("Daten/34Speicher.txt");
const QString LockStore = QStringLiteral("Daten/34Sperre.txt");
const QString SaveQuestion = QStringLiteral("Wollen Sie die Eintragungen noch speichern?");
constexpr int Green = 0x80FF80; // D5
constexpr int White = 0xFFFFFF; // D8
const QString CrLf = QStringLiteral("\r\n");

class GSAGFITest : public test::TestProgram {
protected:
    // Class 3b of three pupils (Emre's clubs have a gap) with empty stores; every block cell names
    // its file, column and row ("be2r4" is row 4 of column 2 of the remarks), the first interest
    // excepted, which means no interest sentence.
    void useSmallClass(const QString& halfYear = QStringLiteral("1"))
    {
        installShippedData();
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",\"w\",\"05.03.2017\",\"Chor\",\"\",\"\",\"\",\"Ort\"\r\n"
                                 "2,\"3b\",\"Kaya\",\"Emre\",\"m\",\"11.11.2016\",\"\",\"Chor\",\"\",\"Tanz\",\"Ort\"\r\n"
                                 "3,\"3b\",\"Roth\",\"Ida\",\"w\",\"01.02.2017\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"));
        writeFile(QStringLiteral("Daten/Basisdaten.txt"),
                  QStringLiteral("\"Schule\",\"\",\"\",\"Ort\",\"\",\"2026/2027\",\"%1\",\"2027/2028\",\"21.01.2027\",\"Frau Sommer\"\r\n")
                      .arg(halfYear));
        writeFile(TextStore, QString());
        writeFile(LockStore, QString());
        writeNamedBlocks(QStringLiteral("Förder34.Txt"), QStringLiteral("f"), 1, 8);
        writeNamedBlocks(QStringLiteral("Interessen34.Txt"), QStringLiteral("in"), 1, 14);
        writeFile(QStringLiteral("Daten/Interessen34.Txt"),
                  readFile(QStringLiteral("Daten/Interessen34.Txt")).replace(QStringLiteral("\"in0\""), QStringLiteral("\"Kein Eintrag\"")));
        writeNamedBlocks(QStringLiteral("Zensurabweichung.Txt"), QStringLiteral("ze"), 1, 6);
        writeNamedBlocks(QStringLiteral("Bemerkungen34.Txt"), QStringLiteral("be"), 4, 5);
        writeNamedBlocks(QStringLiteral("Versetzung3.Txt"), QStringLiteral("ve"), 2, 5);
        writeNamedBlocks(QStringLiteral("AG.Txt"), QStringLiteral("ag"), 1, 2);
        writeNamedBlocks(QStringLiteral("Sportusw.Txt"), QStringLiteral("sport"), 1, 7);
    }

    GSAGFI& open() { return *static_cast<GSAGFI*>(registry.Show(WindowNames::SupportClubs)); }

    // Opened, with a pupil chosen and an area shown.
    GSAGFI& openAt(int pupil, int area)
    {
        GSAGFI& w = open();
        User::chooseItem(w.Combo1, pupil);
        User::click(w.Command2(area));
        return w;
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(GSAGFITest, LoadTheCaptionsAndTheThreeStages)
{
    useSmallClass();
    // Captions are taken as read, blanks and all.
    writeFile(QStringLiteral("Daten/AG.Txt"), QStringLiteral("1,\" ag0 \"\r\n2,\"ag1\"\r\n"));
    GSAGFI& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("Förder Interessen"));
    EXPECT_EQ(w.Label5.caption(), QStringLiteral("3b"));
    EXPECT_EQ(w.Label2.caption(), QStringLiteral("Wählen Sie bitte einen Namen aus!"));
    ASSERT_EQ(w.Combo1.listCount(), 3);
    EXPECT_EQ(w.Combo1.list(1), QStringLiteral("Kaya,  Emre"));
    EXPECT_EQ(std::pair(w.Combo1.left(), w.Combo1.top()), std::pair(2700, 2800));
    EXPECT_FALSE(w.Command2(0).enabled());
    EXPECT_FALSE(w.Command1(0).enabled());
    EXPECT_FALSE(w.Command1(2).enabled());
    EXPECT_EQ(w.Command1(1).backColor(), 0x8080FF);
    EXPECT_EQ(w.Command2(2).toolTip(), QStringLiteral("Bemerkungen, Lernfortschritt und Versetzungsbemerkungen"));
    EXPECT_EQ(w.Command7(0).caption(), QStringLiteral("Einfügungen zeigen"));

    const std::pair<Label*, const char*> labels[] = {
        {&w.Label7(0), "f0"}, {&w.Label7(1), "f7"}, {&w.Label9(0), "ze3"}, {&w.Label9(1), "ze4"}, {&w.Label6, "be4r0"}};
    for (auto [label, caption] : labels)
        EXPECT_EQ(label->caption(), QString::fromLatin1(caption));
    const std::pair<OptionButton*, const char*> options[] = {
        {&w.Option6(2), " ag0 "}, {&w.Option6(3), "ag1"}, {&w.Option1(0), "Kein Eintrag"}, {&w.Option1(13), "in13"},
        {&w.Option2(2), "be1r2"}, {&w.Option3(1), "be3r1"},   {&w.Option4(3), "ve1r3"}};
    for (auto [option, caption] : options)
        EXPECT_EQ(option->caption(), QString::fromLatin1(caption));
    const std::pair<CheckBox*, const char*> boxes[] = {{&w.Check1(0), "f1"}, {&w.Check1(5), "f6"}, {&w.Check2(2), "ze2"},
                                                       {&w.Check5(4), "be2r4"}};
    for (auto [box, caption] : boxes)
        EXPECT_EQ(box->caption(), QString::fromLatin1(caption));

    User::chooseItem(w.Combo1, 1);
    EXPECT_TRUE(w.Command2(0).enabled());
    EXPECT_EQ(w.Label2.caption(), QStringLiteral("Klicken Sie oben auf den Bereich, den Sie bearbeiten wollen!"));
    EXPECT_TRUE(w.Label2.visible());
    EXPECT_TRUE(w.Picture1.pictureFile().endsWith(QStringLiteral("SMILI.jpg")));
    // Emre's clubs, Club1 and Club3 empty, are named in order.
    EXPECT_EQ(w.Option6(0).caption(), QStringLiteral("Emre hat an den Arbeitsgemeinschaften 'Chor' und 'Tanz' teilgenommen"));
    EXPECT_EQ(w.Option6(1).caption(), QStringLiteral("Arbeitsgemeinschaften: 'Chor' und 'Tanz'"));

    User::click(w.Command2(1));
    EXPECT_FALSE(w.Label2.visible());
    EXPECT_EQ(std::pair(w.Combo1.left(), w.Combo1.top()), std::pair(8760, 600));
    EXPECT_TRUE(w.Frame2.visible());
    EXPECT_TRUE(w.Text2.visible());
    EXPECT_FALSE(w.Frame1.visible());
    EXPECT_FALSE(w.Text3.visible());
    EXPECT_TRUE(w.Command1(0).enabled());
    EXPECT_EQ(w.Command1(0).backColor(), Green);
    EXPECT_EQ(w.Command2(0).backColor(), Colours::Grey);
    EXPECT_EQ(w.Command2(1).backColor(), w.Frame2.backColor());

    User::click(w.Command8);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe Texte\\Hilfe4.doc")});
}

TEST_F(GSAGFITest, TheHalfYearChoosesTheDeviationEndingAndThePromotionColumn)
{
    struct Case { const char* halfYear; const char* ending; const char* promotion; };
    const Case cases[] = {{"1", "ze4", "ve1r0"}, {"2", "ze5", "ve2r0"}, {"3", "", ""}};
    for (const Case& c : cases) {
        useSmallClass(QString::fromLatin1(c.halfYear));
        GSAGFI& w = open();
        EXPECT_EQ(w.Label9(1).caption(), QString::fromLatin1(c.ending)) << c.halfYear;
        EXPECT_EQ(w.Option4(0).caption(), QString::fromLatin1(c.promotion)) << c.halfYear;
        registry.UnloadAll();
        settle();
    }
}

TEST_F(GSAGFITest, SupportAndClubSentences)
{
    useSmallClass();
    GSAGFI& w = openAt(0, 0);
    for (int k : {1, 3, 4})
        User::click(w.Check1(k));
    const QString support = QStringLiteral("f0 f2, f4 und f5 f7.");
    EXPECT_EQ(w.Text1.text(), support + CrLf);
    EXPECT_EQ(w.Check1(3).backColor(), Green);
    EXPECT_EQ(w.Check1(0).backColor(), White);
    EXPECT_EQ(w.Label7(1).backColor(), Green);

    User::click(w.Option6(0));
    const QString club = QStringLiteral("Anna hat an der Arbeitsgemeinschaft 'Chor' teilgenommen.");
    EXPECT_EQ(w.Text1.text(), support + CrLf + club);
    EXPECT_EQ(w.Option6(0).backColor(), Green);

    // Unticking every subject leaves the club sentence; ten more rounds keep its one full stop.
    for (int k : {1, 3, 4})
        User::click(w.Check1(k));
    EXPECT_EQ(w.Text1.text(), club);
    EXPECT_EQ(w.Label7(0).backColor(), White);
    for (int round = 0; round < 10; ++round) {
        User::click(w.Check1(2));
        User::click(w.Check1(2));
    }
    EXPECT_EQ(w.Text1.text(), club);

    User::click(w.Option6(3));
    EXPECT_EQ(w.Text1.text(), QStringLiteral("ag1."));
    EXPECT_EQ(w.Option6(0).backColor(), White);

    // A pupil without a club is asked about in both wordings.
    User::chooseItem(w.Combo1, 2);
    EXPECT_EQ(w.Option6(0).caption(), QStringLiteral("Ida hat an der Arbeitsgemeinschaft '\?\?\?\?\?' teilgenommen"));
    EXPECT_EQ(w.Option6(1).caption(), QStringLiteral("Arbeitsgemeinschaft: '\?\?\?\?\?'"));
    User::click(w.Option6(1));
    EXPECT_EQ(w.Text1.text(), QStringLiteral("Arbeitsgemeinschaft: '\?\?\?\?\?'."));
}

TEST_F(GSAGFITest, InterestsAndSports)
{
    useSmallClass();
    GSAGFI& w = openAt(0, 1);
    User::click(w.Option1(0));
    EXPECT_EQ(w.Text2.text(), QString());
    EXPECT_EQ(w.Option1(0).backColor(), Green);
    User::click(w.Option1(3));
    EXPECT_EQ(w.Text2.text(), QStringLiteral("Anna in3."));
    const Colour unmarked = w.Check3(0).backColor();
    User::click(w.Check3(0));
    User::click(w.Check3(6));
    EXPECT_EQ(w.Text2.text(), QStringLiteral("Anna in3.\r\nsport0. sport6. "));
    EXPECT_EQ(w.Check3(6).backColor(), unmarked);
    EXPECT_EQ(w.Option1(3).backColor(), Green);
    User::click(w.Option1(0));
    EXPECT_EQ(w.Text2.text(), QStringLiteral("sport0. sport6. "));
    EXPECT_EQ(w.Option1(3).backColor(), White);
}

TEST_F(GSAGFITest, RemarksInThreeLines)
{
    useSmallClass();
    GSAGFI& w = openAt(0, 2);
    EXPECT_FALSE(w.Check5(0).enabled());
    EXPECT_FALSE(w.Option3(0).enabled());
    User::click(w.Check2(0));
    User::click(w.Check2(2));
    EXPECT_EQ(w.Text3.text(), QStringLiteral("ze3 ze0 und ze2 ze4.\r\n"));
    EXPECT_EQ(w.Label9(0).backColor(), Green);

    User::click(w.Option2(1));
    EXPECT_TRUE(w.Check5(4).enabled());
    User::click(w.Check5(0));
    User::click(w.Check5(3));
    EXPECT_EQ(w.Text3.text(), QStringLiteral("ze3 ze0 und ze2 ze4.\r\nbe1r1 be2r0 und be2r3 "));
    EXPECT_TRUE(w.Option3(1).enabled());
    User::click(w.Check5(1));
    User::click(w.Check5(4));
    EXPECT_EQ(w.Text3.text(), QStringLiteral("ze3 ze0 und ze2 ze4.\r\nbe1r1 be2r0, be2r1, be2r3 und be2r4 "));

    User::click(w.Option3(1));
    User::click(w.Option4(2));
    EXPECT_EQ(w.Text3.text(), QStringLiteral("ze3 ze0 und ze2 ze4.\r\nbe1r1 be2r0, be2r1, be2r3 und be2r4 be3r1, be4r0.\r\nve1r2."));
    for (Control* c : {static_cast<Control*>(&w.Option2(1)), static_cast<Control*>(&w.Option3(1)),
                       static_cast<Control*>(&w.Option4(2)), static_cast<Control*>(&w.Label6),
                       static_cast<Control*>(&w.Check5(4))})
        EXPECT_EQ(c->backColor(), Green);

    // Another pupil with only a promotion: the promotion on a line of its own.
    User::chooseItem(w.Combo1, 1);
    User::click(w.Option4(0));
    EXPECT_EQ(w.Text3.text(), QStringLiteral("\r\nve1r0."));
}

// Choosing a pupil shows the stored texts, locks what holds text whatever the lock store said,
// writes nothing and leaves no choice of the pupil before marked.
TEST_F(GSAGFITest, APupilChoiceLocksByTextAndClearsTheControls)
{
    useSmallClass();
    const QString texts = QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",\"\",\"\",\"\"\r\n"
                                         "2,\"3b\",\"Kaya\",\"Emre\",\"\",\"\",\"Emre war krank.\"\r\n"
                                         "3,\"3b\",\"Roth\",\"Ida\",\"\",\"\",\"\"\r\n");
    writeFile(TextStore, texts);
    writeFile(LockStore, QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",1,1,1\r\n2,\"3b\",\"Kaya\",\"Emre\",0,0,0\r\n"
                                        "3,\"3b\",\"Roth\",\"Ida\",0,0,0\r\n"));
    GSAGFI& w = openAt(1, 2);
    EXPECT_EQ(w.Text3.text(), QStringLiteral("Emre war krank."));
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_FALSE(w.Frame3.enabled());
    EXPECT_TRUE(w.Command1(2).enabled());
    EXPECT_EQ(w.Command1(2).backColor(), Green);

    User::chooseItem(w.Combo1, 0);
    EXPECT_FALSE(w.Picture2.visible());
    EXPECT_TRUE(w.Frame3.enabled());
    // The remarks can be cleared even when open and empty, also once their box is clicked.
    EXPECT_TRUE(w.Command1(2).enabled());
    User::click(w.Text3);
    EXPECT_TRUE(w.Command1(2).enabled());
    User::click(w.Check2(1));
    User::click(w.Option2(0));
    User::click(w.Check5(2));
    User::click(w.Option3(0));
    const QString annas = w.Text3.text();

    User::chooseItem(w.Combo1, 1);
    EXPECT_EQ(w.Text3.text(), QStringLiteral("Emre war krank."));
    EXPECT_FALSE(w.Check2(1).value());
    EXPECT_FALSE(w.Option2(0).value());
    for (Control* c : {static_cast<Control*>(&w.Check2(1)), static_cast<Control*>(&w.Option2(0)),
                       static_cast<Control*>(&w.Check5(2)), static_cast<Control*>(&w.Option3(0)),
                       static_cast<Control*>(&w.Label9(0)), static_cast<Control*>(&w.Label6)})
        EXPECT_EQ(c->backColor(), White);
    User::chooseItem(w.Combo1, 0);
    EXPECT_EQ(w.Text3.text(), annas);
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_EQ(readFile(TextStore), texts);

    // An empty box clicked stays open; one with text locks at once.
    User::click(w.Command2(0));
    User::click(w.Text1);
    EXPECT_FALSE(w.Picture2.visible());
    EXPECT_EQ(w.Command1(1).caption(), QStringLiteral("Alle Eingaben beenden"));
    EXPECT_TRUE(w.Command7(0).enabled());
    EXPECT_FALSE(w.Command1(2).enabled());
    User::click(w.Option6(2));
    User::click(w.Text1);
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_FALSE(w.Frame1.enabled());
    // Text typed into an open box is locked as the box is left, so that a click on a choice
    // cannot compose it away.
    User::click(w.Command2(1));
    User::click(w.Text2);
    User::typeText(w.Text2, QStringLiteral("Anna liest."));
    User::click(w.Option1(3));
    EXPECT_EQ(w.Text2.text(), QStringLiteral("Anna liest."));
    EXPECT_FALSE(w.Option1(3).value());
    EXPECT_TRUE(w.Picture2.visible());
    User::click(w.Command2(0));
    // A typed double quote becomes an apostrophe, with the notice.
    messages->expect(QStringLiteral("Doppelte Anführungszeichen"));
    User::typeKey(w.Text1, QLatin1Char('"'));
    EXPECT_TRUE(w.Text1.text().contains(QLatin1Char('\'')));
}

// A box left while it holds text locks its area, also a composed text left unchanged in a box
// reached without a click.
TEST_F(GSAGFITest, LeavingABoxWithTextLocksItsArea)
{
    useSmallClass();
    GSAGFI& w = openAt(0, 1);
    User::click(w.Option1(3));
    ASSERT_FALSE(w.Picture2.visible());
    User::focus(w.Text2);
    User::focus(w.Combo1);
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_FALSE(w.Frame2.enabled());
}

// The wheel turned over the name list while the teacher types passes it by: the pupil stays and
// so does the text. The list changed by the keyboard takes the focus, and the text is handed over
// to the pupil it was typed for.
TEST_F(GSAGFITest, TheWheelOverTheNameListLosesNoTypedText)
{
    useSmallClass();
    GSAGFI& w = openAt(0, 1);
    User::click(w.Text2);
    User::typeText(w.Text2, QStringLiteral("Anna liest gern."));
    User::turnWheel(w.Combo1, 1);
    EXPECT_EQ(w.Combo1.listIndex(), 0);
    EXPECT_EQ(w.Text2.text(), QStringLiteral("Anna liest gern."));

    User::typeText(w.Text2, QStringLiteral(" Sie malt."));
    User::pressKey(w.Combo1, Qt::Key_Down);
    EXPECT_EQ(w.Combo1.listIndex(), 1);
    EXPECT_EQ(w.Text2.text(), QString());
    User::click(w.Command1(0));
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",\"\",\"Anna liest gern. Sie malt.\"")));
}

// The lock sign says what it means: the area is edited by hand now, and the button that opens it.
TEST_F(GSAGFITest, TheLockSignSaysHowTheAreaOpensAgain)
{
    useSmallClass();
    GSAGFI& w = openAt(0, 1);
    User::click(w.Option1(3));
    User::click(w.Text2);
    ASSERT_TRUE(w.Picture2.visible());
    const test::Look sign = test::lookOf(w.Picture2);
    EXPECT_GE(sign.inkLines, 2);
    EXPECT_FALSE(sign.inkAtEdge);
    EXPECT_EQ(w.Picture2.toolTip(), QStringLiteral("Dieser Bereich wird jetzt von Hand bearbeitet. „Aktuelle Eingabe neu“ "
                                                   "öffnet ihn wieder und löscht dabei seinen Text."));
}

TEST_F(GSAGFITest, ClearingTheInterestsEmptiesTheirTextAndLock)
{
    useSmallClass();
    GSAGFI& w = openAt(0, 1);
    User::click(w.Option1(2));
    User::click(w.Text2);
    EXPECT_TRUE(w.Picture2.visible());
    User::click(w.Command1(2));
    EXPECT_EQ(w.Text2.text(), QString());
    EXPECT_FALSE(w.Picture2.visible());
    EXPECT_TRUE(w.Frame2.enabled());
    EXPECT_FALSE(w.Command1(2).enabled());
    EXPECT_FALSE(w.Option1(2).value());
    EXPECT_EQ(w.Option1(2).backColor(), White);
    User::click(w.Command1(0));
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",\"\",\"\",\"\"\r\n")));
    EXPECT_TRUE(readFile(LockStore).startsWith(QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",0,0,0\r\n")));

    // A pupil's club part outlives a change of pupil, which clears only the controls; clearing
    // the area empties it.
    User::click(w.Command2(0));
    User::click(w.Option6(2));
    User::chooseItem(w.Combo1, 1);
    User::chooseItem(w.Combo1, 0);
    EXPECT_FALSE(w.Option6(2).value());
    User::click(w.Text1);
    for (int k = 0; k < 4; ++k)
        User::typeBackspace(w.Text1);
    EXPECT_EQ(w.Text1.text(), QString());
    User::click(w.Text1);
    EXPECT_TRUE(w.Frame1.enabled());
    User::click(w.Check1(0));
    EXPECT_EQ(w.Text1.text(), QStringLiteral("f0 f1 f7.\r\nag0."));
    User::click(w.Command1(2));
    User::click(w.Check1(1));
    EXPECT_EQ(w.Text1.text(), QStringLiteral("f0 f2 f7.\r\n"));
}

TEST_F(GSAGFITest, SavingLocksEveryTextAndKeepsACopyOfTheDay)
{
    useSmallClass();
    // Ida's flag is 1 without a text: saving never lowers a flag.
    writeFile(LockStore, QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",0,0,0\r\n2,\"3b\",\"Kaya\",\"Emre\",0,0,0\r\n"
                                        "3,\"3b\",\"Roth\",\"Ida\",0,1,0\r\n"));
    GSAGFI& w = openAt(1, 0);
    User::click(w.Option6(2));
    User::click(w.Command1(0));
    const QByteArray texts = "1,\"3b\",\"Meier\",\"Anna\",\"\",\"\",\"\"\r\n"
                             "2,\"3b\",\"Kaya\",\"Emre\",\"ag0.\",\"\",\"\"\r\n"
                             "3,\"3b\",\"Roth\",\"Ida\",\"\",\"\",\"\"\r\n";
    const QByteArray locks = "1,\"3b\",\"Meier\",\"Anna\",0,0,0\r\n"
                             "2,\"3b\",\"Kaya\",\"Emre\",1,0,0\r\n"
                             "3,\"3b\",\"Roth\",\"Ida\",0,1,0\r\n";
    EXPECT_EQ(readBytes(TextStore), texts);
    EXPECT_EQ(readBytes(LockStore), locks);
    EXPECT_EQ(backups(), (QStringList{QStringLiteral("34Speicher09.12.2026.txt"), QStringLiteral("34Sperre09.12.2026.txt")}));

    // A second save of the day replaces the day's copies; another day adds its own.
    User::click(w.Command2(2));
    User::click(w.Option4(1));
    User::click(w.Command1(0));
    EXPECT_EQ(backups().size(), 2);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/34Speicher09.12.2026.txt")), readBytes(TextStore));
    EXPECT_TRUE(readFile(TextStore).contains(QStringLiteral("\"ag0.\",\"\",\"\r\nve1r1.\"")));
    clock->date = QDate(2026, 3, 5);
    User::click(w.Command1(0));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/34Sperre05.03.2026.txt")), readBytes(LockStore));
    EXPECT_EQ(backups().size(), 4);
}

TEST_F(GSAGFITest, LeavingAsksOnlyOnceAnAreaWasOpened)
{
    useSmallClass();
    // Only a pupil chosen: no question.
    registry.Load(WindowNames::Insertion);
    GSAGFI& first = open();
    User::chooseItem(first.Combo1, 0);
    User::click(first.Command1(1));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));

    struct Case { int answer; bool saved; };
    for (const Case c : {Case{vbNo, false}, Case{vbYes, true}}) {
        GSAGFI& w = openAt(0, 1);
        User::click(w.Option1(5));
        messages->expect(SaveQuestion, c.answer);
        User::click(w.Command1(1));
        EXPECT_EQ(messages->shown().back().style, 36);
        EXPECT_EQ(messages->shown().back().title, QStringLiteral("Zeugnistexte"));
        settle();
        EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));
        EXPECT_EQ(readFile(TextStore).contains(QStringLiteral("\"Anna in5.\"")), c.saved) << c.answer;
    }

    // Saved just before: no question.
    GSAGFI& saved = openAt(1, 2);
    User::click(saved.Option4(0));
    User::click(saved.Command1(0));
    User::click(saved.Command1(1));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));

    // A save that fails keeps the window and its text.
    GSAGFI& failing = openAt(2, 1);
    User::click(failing.Option1(1));
    Files::setWriteFailure([](const QString& file) { return file.endsWith(QStringLiteral("34Speicher.txt")); });
    messages->expect(SaveQuestion, vbYes);
    messages->expect(QStringLiteral("Daten\\34Speicher.txt konnte nicht gespeichert werden"));
    User::click(failing.Command1(1));
    settle();
    EXPECT_TRUE(registry.IsLoaded(WindowNames::SupportClubs));
    Files::setWriteFailure(nullptr);

    // The main menu asks only while something differs from the stores.
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    messages->expect(SaveQuestion, vbYes);
    User::click(start.Command1(3));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));
    EXPECT_TRUE(readFile(TextStore).contains(QStringLiteral("\"Ida in1.\"")));
    User::click(start.Command1(2));
    GSAGFI& menu = *registry.find<GSAGFI>(WindowNames::SupportClubs);
    User::chooseItem(menu.Combo1, 2);
    User::click(menu.Command2(0));
    User::click(start.Command1(3));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));

    // The title bar leaves as "Abbrechen" does; a hand edit is not lost without the question.
    User::click(start.Command1(2));
    GSAGFI& again = *registry.find<GSAGFI>(WindowNames::SupportClubs);
    User::chooseItem(again.Combo1, 0);
    User::click(again.Command2(2));
    User::click(again.Text3);
    User::typeText(again.Text3, QStringLiteral("Anna lacht."));
    messages->expect(SaveQuestion, vbYes);
    again.window()->close();
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));
    EXPECT_TRUE(readFile(TextStore).contains(QStringLiteral("\"Anna lacht.\"")));
}

TEST_F(GSAGFITest, MissingAndOverlongFiles)
{
    // Without a pupil list the window says so and goes back to the start page.
    useSmallClass();
    QFile::remove(path(QStringLiteral("Daten/Namen.Txt")));
    messages->expect(QStringLiteral("Daten\\Namen.Txt ist nicht vorhanden"));
    messages->expect(QStringLiteral("Die Namensliste Daten\\Namen.Txt enthält keine Kinder"));
    EXPECT_EQ(registry.Show(WindowNames::SupportClubs), nullptr);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));
    messages->verifyDone();

    // A missing block file leaves its captions empty, an overlong one is read as far as kept, a
    // missing store is made from the list.
    useSmallClass();
    QFile::remove(path(QStringLiteral("Daten/Interessen34.Txt")));
    QFile::remove(path(LockStore));
    writeNamedBlocks(QStringLiteral("Förder34.Txt"), QStringLiteral("f"), 1, 12);
    messages->expect(QStringLiteral("Es werden nur die ersten 9 Einträge gelesen."));
    messages->expect(QStringLiteral("Daten\\Interessen34.Txt ist nicht vorhanden"));
    GSAGFI& w = openAt(0, 1);
    messages->verifyDone();
    EXPECT_EQ(w.Option1(0).caption(), QString());
    EXPECT_EQ(w.Label7(1).caption(), QStringLiteral("f7"));
    EXPECT_TRUE(readFile(LockStore).startsWith(QStringLiteral("1,\"3b\",\"Meier\",\"Anna\",0,0,0\r\n")));
    // An empty interest caption gives a sentence of the name alone.
    User::click(w.Option1(4));
    EXPECT_EQ(w.Text2.text(), QStringLiteral("Anna."));
}

// The teacher's road: the shipped class 3a opens the window from main-menu entry 2 and composes
// the three areas of a pupil from the shipped formulations.
TEST_F(GSAGFITest, TheThreeAreasFromTheShippedFormulations)
{
    installShippedData();
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    User::click(start.Command1(2));
    GSAGFI& w = *registry.find<GSAGFI>(WindowNames::SupportClubs);
    ASSERT_TRUE(w.shown());
    User::chooseItem(w.Combo1, 0);

    User::click(w.Command2(0));
    User::click(w.Check1(0));
    User::click(w.Check1(4));
    User::click(w.Option6(0));
    test::renderToPng(w.window(), QStringLiteral("GSAGFI-area0.png"));
    User::click(w.Command2(1));
    User::click(w.Option1(3));
    User::click(w.Check3(0));
    User::click(w.Check3(6));
    test::renderToPng(w.window(), QStringLiteral("GSAGFI-area1.png"));
    User::click(w.Command2(2));
    User::click(w.Check2(1));
    User::click(w.Option2(0));
    User::click(w.Check5(0));
    User::click(w.Check5(1));
    User::click(w.Option3(0));
    User::click(w.Option4(3));
    test::renderToPng(w.window(), QStringLiteral("GSAGFI-area2.png"));

    const QString texts[3] = {
        QStringLiteral("Lea hat regelmäßig am Förderunterricht in Deutsch und Rechtschreibung teilgenommen.\r\n"
                       "Lea hat an den Arbeitsgemeinschaften 'Chor' und 'Tanz-AG' teilgenommen."),
        QStringLiteral("Lea zeigt großes Geschick beim Malen und Gestalten.\r\n"
                       "Lea hat das Frühschwimmerabzeichen 'Seepferdchen' erworben. Lea hat die Radfahrprüfung "
                       "erfolgreich bestanden. "),
        QStringLiteral("Die Leistungen in Mathematik sind zurzeit nicht ausreichend, sodass die Versetzung gefährdet ist.\r\n"
                       "Lea zeigt im Schulalltag viel Freude am Lernen und große Hilfsbereitschaft und macht "
                       "erfreuliche Lernfortschritte, auf die sie stolz sein kann.\r\n"
                       "Bei gleichbleibenden Leistungen ist die Versetzung in die Klasse 4 nicht gefährdet."),
    };
    EXPECT_EQ(w.Text1.text(), texts[0]);
    EXPECT_EQ(w.Text2.text(), texts[1]);
    EXPECT_EQ(w.Text3.text(), texts[2]);

    // Every shipped caption fits its control, the club sentences of the pupil with the most clubs
    // included.
    User::chooseItem(w.Combo1, 5);
    for (const ControlArray<OptionButton>* group : {&w.Option1, &w.Option2, &w.Option3, &w.Option4, &w.Option6})
        group->forEach([&](int, OptionButton& b) { EXPECT_TRUE(test::showsWholeText(b)); });
    for (const ControlArray<CheckBox>* boxes : {&w.Check1, &w.Check2, &w.Check3, &w.Check5})
        boxes->forEach([&](int, CheckBox& b) { EXPECT_TRUE(test::showsWholeText(b)); });
    for (const ControlArray<CommandButton>* buttons : {&w.Command1, &w.Command2, &w.Command7})
        buttons->forEach([&](int, CommandButton& b) { EXPECT_TRUE(test::showsWholeText(b)); });
    for (const ControlArray<Label>* labels : {&w.Label7, &w.Label9, &w.Label16})
        labels->forEach([&](int, Label& l) { EXPECT_TRUE(test::showsWholeText(l)); });
    for (const Label* label : {&w.Label6, &w.Label8, &w.Label10})
        EXPECT_TRUE(test::showsWholeText(*label));
    User::chooseItem(w.Combo1, 0);

    User::click(w.Command1(0));
    User::click(w.Command1(1));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::SupportClubs));
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"") + texts[0]
                                               + QStringLiteral("\",\"") + texts[1] + QStringLiteral("\",\"") + texts[2]
                                               + QStringLiteral("\"\r\n")));
    EXPECT_TRUE(readFile(LockStore).startsWith(QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",1,1,1\r\n")));
}

} // namespace
