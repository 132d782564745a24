#include "app/GsStart.h"
#include "composition/Kompetenzen.h"
#include "core/ProgramFolder.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "Looks.h"
#include "TestProgram.h"
#include "User.h"
#include <QAbstractButton>
#include <QKeySequence>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString TextStore = QStringLiteral("Daten/12Speicher.txt");
const QString LockStore = QStringLiteral("Daten/12Sperre.txt");
const QString SaveQuestion = QStringLiteral("Wollen Sie die Eintragungen noch speichern?");
constexpr int Green = 0x80FF80; // C5
constexpr int White = 0xFFFFFF; // C8

QString zeros(int n) { return QStringList(n, QStringLiteral("0")).join(QLatin1Char(',')); }

class KompetenzenTest : public test::TestProgram {
protected:
    // Class 2b of three pupils (Emre's clubs have a gap) with empty stores; every block cell names
    // its file, column and row ("sp1r0" is row 0 of column 1 of the speaking blocks), every lead-in
    // its row ("L4").
    void useSmallClass(const QString& className = QStringLiteral("2b"), const QString& halfYear = QStringLiteral("1"))
    {
        installShippedData();
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  QStringLiteral("1,\"%1\",\"Meier\",\"Anna\",\"w\",\"05.03.2018\",\"Chor\",\"\",\"\",\"\",\"Ort\"\r\n"
                                 "2,\"%1\",\"Kaya\",\"Emre\",\"m\",\"11.11.2017\",\"\",\"Chor\",\"\",\"Tanz\",\"Ort\"\r\n"
                                 "3,\"%1\",\"Roth\",\"Ida\",\"w\",\"01.02.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n")
                      .arg(className));
        writeFile(QStringLiteral("Daten/Basisdaten.txt"),
                  QStringLiteral("\"Schule\",\"\",\"\",\"Ort\",\"\",\"2026/2027\",\"%1\",\"2027/2028\",\"21.01.2027\",\"Frau Sommer\"\r\n")
                      .arg(halfYear));
        writeFile(TextStore, QString());
        writeFile(LockStore, QString());
        const QString grade = className.left(1);
        writeNamedBlocks(QStringLiteral("Interessen12.Txt"), QStringLiteral("in"), 1, 16);
        writeNamedBlocks(QStringLiteral("Sprechen%1.Txt").arg(grade), QStringLiteral("sp"), 3, 4);
        writeNamedBlocks(QStringLiteral("Lesen%1.Txt").arg(grade), QStringLiteral("le"), 6, 7);
        writeNamedBlocks(QStringLiteral("Schreiben%1.Txt").arg(grade), QStringLiteral("sc"), 6, 6);
        writeNamedBlocks(QStringLiteral("Mathe%1.Txt").arg(grade), QStringLiteral("ma"), 18, 6);
        writeNamedBlocks(QStringLiteral("Bemerkungen%1.Txt").arg(grade), QStringLiteral("be"), 3, 8);
        writeNamedBlocks(QStringLiteral("Versetzung%1.Txt").arg(grade), QStringLiteral("ve"), 1, 4);
        writeNamedBlocks(QStringLiteral("Sportusw.Txt"), QStringLiteral("sport"), 1, 7);
        writeNamedBlocks(QStringLiteral("Zwischentexte.Txt"), QStringLiteral("L"), 1, 22);
    }

    Kompetenzen& open() { return *static_cast<Kompetenzen*>(registry.Show(WindowNames::Competences)); }

    // Opened, with a pupil chosen and an area shown.
    Kompetenzen& openAt(int pupil, int area)
    {
        Kompetenzen& w = open();
        User::chooseItem(w.Combo1, pupil);
        User::click(w.Command1(area));
        return w;
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(KompetenzenTest, LoadAndTheFirstChoiceOfAPupil)
{
    useSmallClass();
    Kompetenzen& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("Interessen - Kompetenzen -  Bemerkungen "));
    EXPECT_EQ(w.Label2.caption(), QStringLiteral("2b"));
    ASSERT_EQ(w.Combo1.listCount(), 3);
    EXPECT_EQ(w.Combo1.list(0), QStringLiteral("Meier,  Anna"));
    EXPECT_EQ(std::pair(w.Combo1.left(), w.Combo1.top()), std::pair(2500, 2500));
    for (int area = 0; area < 8; ++area)
        EXPECT_FALSE(w.Command1(area).enabled()) << area;
    EXPECT_FALSE(w.Command2.enabled());
    EXPECT_FALSE(w.Command4.enabled());
    EXPECT_EQ(w.Command3.backColor(), 0x8080FF);
    EXPECT_TRUE(w.Label7.visible());
    EXPECT_EQ(w.Command1(4).caption(), QStringLiteral("Mathe Zahlen Operationen"));
    EXPECT_EQ(w.Command1(4).toolTip(), QStringLiteral("Eintragungen zu den Kompetenzen  Zahlen und Operationen"));
    EXPECT_EQ(w.Frame1(2).caption(), QStringLiteral("Lesen und mit Texten umgehen"));

    User::chooseItem(w.Combo1, 1);
    EXPECT_FALSE(w.Label7.visible());
    EXPECT_EQ(std::pair(w.Combo1.left(), w.Combo1.top()), std::pair(8280, 600));
    EXPECT_TRUE(w.Command1(7).enabled());
    EXPECT_TRUE(w.Command2.enabled());
    EXPECT_EQ(w.Command2.backColor(), Green);
    EXPECT_TRUE(w.Frame1(0).visible());
    EXPECT_FALSE(w.Frame1(1).visible());
    EXPECT_EQ(w.Label3.caption(), QStringLiteral("Emre"));
    EXPECT_EQ(w.Command1(0).backColor(), 0xC0FFC0);
    EXPECT_EQ(w.Command1(1).backColor(), Colours::Grey);
    EXPECT_TRUE(w.Picture1.pictureFile().endsWith(QStringLiteral("SMILI.jpg")));

    // Captions from the grade's blocks, trimmed where the window trims them.
    EXPECT_EQ(w.Option1(15).caption(), QStringLiteral("in15"));
    EXPECT_EQ(w.Option44(3).caption(), QStringLiteral("sp3r3"));
    EXPECT_EQ(w.Option45(0).caption(), QStringLiteral("le6r0"));
    EXPECT_EQ(w.Option24(5).caption(), QStringLiteral("sc6r5"));
    EXPECT_EQ(w.Option28(1).caption(), QStringLiteral("ma5r0"));
    EXPECT_EQ(w.Option35(1).caption(), QStringLiteral("ma7r1"));
    EXPECT_EQ(w.Option34(3).caption(), QStringLiteral("ma18r3"));
    EXPECT_EQ(w.Option23(7).caption(), QStringLiteral("be3r7"));
    EXPECT_EQ(w.Option21(3).caption(), QStringLiteral("ve3"));
    EXPECT_EQ(w.Check2(1).caption(), QStringLiteral("be1r0"));
    EXPECT_EQ(w.Check3(7).caption(), QStringLiteral("be2r7"));
    EXPECT_EQ(w.Check1(2).caption(), QStringLiteral("sport4"));
    // Emre's clubs, Club1 empty and Club2 and Club4 filled, are named in order.
    EXPECT_EQ(w.Check2(0).caption(), QStringLiteral("Emre hat an den Arbeitsgemeinschaften 'Chor' und 'Tanz' teilgenommen"));

    User::click(w.Command1(3));
    EXPECT_EQ(w.Label9.caption(), QStringLiteral("L0"));
    EXPECT_EQ(w.Label10.caption(), QStringLiteral("L21"));
    EXPECT_TRUE(w.Text1(1).visible());
    EXPECT_FALSE(w.Text1(1).enabled());
    EXPECT_TRUE(w.Text1(3).enabled());
    EXPECT_FALSE(w.Text1(0).visible());
    EXPECT_EQ(w.Text1(1).backColor(), 0xC0E0FF);
    EXPECT_EQ(w.Text1(3).backColor(), 0xFFFFC0);
    User::click(w.Command1(5));
    EXPECT_EQ(w.Command1(5).backColor(), 0xC0E0FF);
    EXPECT_EQ(w.Frame1(5).backColor(), 0xC0E0FF);

    User::click(w.Command8);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe Texte\\Hilfe3.doc")});
}

TEST_F(KompetenzenTest, GradeAndHalfYearDecideWhatAreasFourAndSevenShow)
{
    struct Case { const char* className; const char* halfYear; bool timesTables; const char* label12; bool promotion; bool closingsShown; };
    const Case cases[] = {
        {"1a", "2", false, "L20", true, false},
        {"2a", "1", true, "L4", false, true},
        {"2a", "2", true, "L4", true, false},
    };
    for (const Case& c : cases) {
        useSmallClass(QString::fromLatin1(c.className), QString::fromLatin1(c.halfYear));
        Kompetenzen& w = openAt(0, 4);
        const std::string name = std::string(c.className) + " " + c.halfYear;
        EXPECT_EQ(w.Label12.caption(), QString::fromLatin1(c.label12)) << name;
        EXPECT_EQ(w.Label15.visible(), c.timesTables) << name;
        EXPECT_EQ(w.Option25(4).visible(), c.timesTables) << name;
        User::click(w.Command1(7));
        EXPECT_EQ(w.Option21(0).visible(), c.promotion) << name;
        EXPECT_TRUE(w.Option23(0).visible()) << name;
        EXPECT_EQ(w.Option23(0).enabled(), c.closingsShown) << name;
        EXPECT_EQ(w.Option23(7).visible(), c.closingsShown) << name;
        registry.UnloadAll();
        settle();
    }
}

// Each click composes its area from the pupil's parts, with the lead-in as it reads at the moment
// of the click, and passes it through the full placeholder set.
TEST_F(KompetenzenTest, ClicksComposeTheirAreas)
{
    useSmallClass(QStringLiteral("2b"), QStringLiteral("2"));
    Kompetenzen& w = openAt(1, 1);
    User::click(w.Option2(1));
    User::click(w.Option44(2));
    EXPECT_EQ(w.Text1(1).text(), QStringLiteral("sp1r1. sp3r2."));
    EXPECT_EQ(w.Option2(1).backColor(), Green);
    EXPECT_EQ(w.Option3(0).backColor(), White);

    User::click(w.Command1(2));
    User::click(w.Option7(3));
    EXPECT_EQ(w.Text1(2).text(), QStringLiteral("le4r3"));
    User::click(w.Option45(0));
    EXPECT_EQ(w.Text1(2).text(), QStringLiteral("le4r3 le6r0."));
    // Only the area shown carries marks.
    EXPECT_EQ(w.Option2(1).backColor(), White);

    User::click(w.Command1(4));
    User::click(w.Option15(2));
    EXPECT_EQ(w.Text1(4).text(), QStringLiteral("L4 ma2r2."));
    EXPECT_EQ(w.Label12.backColor(), Green);
    User::click(w.Option35(1));
    EXPECT_EQ(w.Text1(4).text(), QStringLiteral("L4 ma7r1"));
    EXPECT_EQ(w.Option15(2).backColor(), White);
    User::click(w.Option15(0));
    EXPECT_EQ(w.Text1(4).text(), QStringLiteral("L4 ma7r1 ma2r0."));
    User::click(w.Option28(1));
    User::click(w.Option14(4));
    EXPECT_EQ(w.Text1(4).text(), QStringLiteral("L3 ma1r4. L4 ma7r1 ma2r0. ma5r0."));
    EXPECT_EQ(w.Option28(1).backColor(), Green);

    User::click(w.Command1(6));
    User::click(w.Option34(0));
    EXPECT_EQ(w.Text1(6).text(), QStringLiteral("L18 ma18r0. "));

    User::click(w.Command1(0));
    User::click(w.Check1(0));
    User::click(w.Check1(2));
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("sport0. sport4. "));
    User::click(w.Option1(3));
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Emre in3.\r\nsport0. sport4. "));
    EXPECT_EQ(w.Option1(3).backColor(), Green);
    User::click(w.Option1(0));
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("sport0. sport4. "));
}

// A text typed into a box reached without a click is the teacher's own: leaving the box locks the
// area, so that no formulation can compose it away.
TEST_F(KompetenzenTest, TypedTextLocksItsAreaWhenTheBoxIsLeft)
{
    useSmallClass(QStringLiteral("2b"), QStringLiteral("2"));
    Kompetenzen& w = openAt(1, 1);
    User::focus(w.Text1(1));
    User::typeText(w.Text1(1), QStringLiteral("Spricht frei vor der Klasse."));
    User::focus(w.Combo1);
    EXPECT_FALSE(w.Frame1(1).enabled());
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_EQ(w.Text1(1).text(), QStringLiteral("Spricht frei vor der Klasse."));

    // Emptied by hand, the area stays locked: only "Aktuelle Eingabe neu" opens it again.
    while (!w.Text1(1).text().isEmpty())
        User::typeBackspace(w.Text1(1));
    User::focus(w.Combo1);
    EXPECT_FALSE(w.Frame1(1).enabled());
    EXPECT_TRUE(w.Picture2.visible());
}

TEST_F(KompetenzenTest, RemarksByHalfYear)
{
    struct Case { const char* halfYear; const char* phrases; const char* closed; const char* promoted; };
    const Case cases[] = {
        {"1", "L19 be2r1 und be2r5 ", "L19 be2r1 und be2r5 be3r2.", "L19 be2r1 und be2r5 be3r2."},
        {"2", "L19 be2r1 und be2r5 be3r0", "L19 be2r1 und be2r5 be3r0", "L19 be2r1 und be2r5 be3r0\r\nve1."},
    };
    for (const Case& c : cases) {
        useSmallClass(QStringLiteral("2b"), QString::fromLatin1(c.halfYear));
        Kompetenzen& w = openAt(0, 7);
        User::click(w.Check3(1));
        User::click(w.Check3(5));
        EXPECT_EQ(w.Text1(7).text(), QString::fromLatin1(c.phrases)) << c.halfYear;
        EXPECT_EQ(w.Label5.backColor(), Green);
        if (w.Option23(2).visible())
            User::click(w.Option23(2));
        EXPECT_EQ(w.Text1(7).text(), QString::fromLatin1(c.closed)) << c.halfYear;
        if (w.Option21(1).visible())
            User::click(w.Option21(1));
        EXPECT_EQ(w.Text1(7).text(), QString::fromLatin1(c.promoted)) << c.halfYear;
        // The chosen closing keeps its mark only; in half-year 2 the first closing is marked.
        EXPECT_EQ(w.Option23(2).value(), false) << c.halfYear;
        EXPECT_EQ(w.Option23(c.halfYear[0] == '1' ? 2 : 0).backColor(), Green) << c.halfYear;

        User::click(w.Check3(1));
        User::click(w.Check3(5));
        User::click(w.Check2(1));
        EXPECT_EQ(w.Text1(7).text(), c.halfYear[0] == '1' ? QStringLiteral("be1r0.\r\n") : QStringLiteral("be1r0.\r\nve1."))
            << c.halfYear;
        User::click(w.Check2(0));
        EXPECT_TRUE(w.Text1(7).text().startsWith(QStringLiteral("Anna hat an der Arbeitsgemeinschaft 'Chor' teilgenommen. be1r0.\r\n")));
        registry.UnloadAll();
        settle();
    }
}

// Placeholders of the full set, in a composition and in a double-click insertion.
TEST_F(KompetenzenTest, TheFullPlaceholderSet)
{
    useSmallClass(QStringLiteral("2b"), QStringLiteral("2"));
    writeFile(QStringLiteral("Daten/Versetzung2.Txt"),
              QStringLiteral("1,\"<Vorname> besucht im Schuljahr <Nextschj> <ihr/sein>e neue Klasse\"\r\n"));
    Kompetenzen& w = openAt(1, 7);
    User::click(w.Option21(0));
    EXPECT_EQ(w.Text1(7).text(), QStringLiteral("Emre besucht im Schuljahr 2027/2028 seine neue Klasse."));

    User::click(w.Command1(0));
    User::click(w.Text1(0));
    clipboard->setText(QStringLiteral("Konferenz <Konferenz>, <Er/Sie> <Schuljahr>"));
    User::dblClickAt(w.Text1(0), 0);
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral(" Konferenz 21.01.2027, Er 2026/2027"));
}

// A caption filled from the files shows its "&" as it stands, not as the mark of a shortcut key:
// a club of the master data, a formulation of the text blocks.
TEST_F(KompetenzenTest, CaptionsFromTheFilesShowTheirAmpersand)
{
    useSmallClass(QStringLiteral("2b"), QStringLiteral("2"));
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"w\",\"05.03.2018\",\"Kunst & Werken\",\"\",\"\",\"\",\"Ort\"\r\n"));
    writeFile(QStringLiteral("Daten/Sprechen2.Txt"),
              readFile(QStringLiteral("Daten/Sprechen2.Txt")).replace(QStringLiteral("sp1r0"), QStringLiteral("hört zu &erzählt")));
    const auto shortcutMark = [](const Control& c) {
        return QKeySequence::mnemonic(static_cast<const QAbstractButton*>(c.widget())->text());
    };
    Kompetenzen& w = openAt(0, 1);
    EXPECT_EQ(w.Option2(0).caption(), QStringLiteral("hört zu &erzählt"));
    EXPECT_TRUE(shortcutMark(w.Option2(0)).isEmpty());
    User::click(w.Option2(0));
    EXPECT_EQ(w.Text1(1).text(), QStringLiteral("hört zu &erzählt. "));
    User::click(w.Command1(7));
    EXPECT_EQ(w.Check2(0).caption(), QStringLiteral("Anna hat an der Arbeitsgemeinschaft 'Kunst & Werken' teilgenommen"));
    EXPECT_TRUE(shortcutMark(w.Check2(0)).isEmpty());
}

TEST_F(KompetenzenTest, LocksFollowTheTexts)
{
    useSmallClass();
    // Ida's interest text was stored with the flag 0.
    writeFile(TextStore, QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                                        "2,\"2b\",\"Kaya\",\"Emre\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                                        "3,\"2b\",\"Roth\",\"Ida\",\"Ida malt.\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    Kompetenzen& w = open();
    User::chooseItem(w.Combo1, 2);
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Ida malt."));
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_FALSE(w.Frame1(0).enabled());
    EXPECT_TRUE(w.Command4.enabled());
    EXPECT_EQ(w.Command4.backColor(), Colours::Red);

    // An empty box clicked stays open; a box with text clicked is locked at once.
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command1(1));
    User::click(w.Text1(1));
    EXPECT_FALSE(w.Picture2.visible());
    EXPECT_TRUE(w.Frame1(1).enabled());
    EXPECT_EQ(w.Command3.caption(), QStringLiteral("Alle Eingaben beenden"));
    User::click(w.Option2(0));
    User::click(w.Text1(1));
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_FALSE(w.Frame1(1).enabled());

    // Leaving a pupil locks every area whose box shows text; its marks come back with it.
    User::click(w.Command1(2));
    User::click(w.Option4(1));
    EXPECT_FALSE(w.Picture2.visible());
    User::chooseItem(w.Combo1, 1);
    EXPECT_FALSE(w.Picture2.visible());
    EXPECT_EQ(w.Option4(1).backColor(), White);
    User::chooseItem(w.Combo1, 0);
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_EQ(w.Option4(1).backColor(), Green);
    EXPECT_FALSE(w.Option4(1).value());
}

// Choices stay with their pupil: a cleared area composes anew from what is chosen after it, and
// another pupil's choices never mix in.
TEST_F(KompetenzenTest, ChoicesStayWithTheirPupilAndClearingEmptiesTheArea)
{
    useSmallClass();
    Kompetenzen& w = openAt(0, 3);
    User::click(w.Option9(1));
    User::click(w.Option11(2));
    EXPECT_EQ(w.Text1(3).text(), QStringLiteral("sc1r1 L0 sc3r2. "));
    User::chooseItem(w.Combo1, 1);
    User::click(w.Option12(0));
    EXPECT_EQ(w.Text1(3).text(), QStringLiteral("L1 sc4r0. "));
    User::chooseItem(w.Combo1, 0);
    EXPECT_EQ(w.Text1(3).text(), QStringLiteral("sc1r1 L0 sc3r2. "));
    EXPECT_EQ(w.Option9(1).backColor(), Green);
    EXPECT_EQ(w.Label9.backColor(), Green);

    User::click(w.Command4);
    EXPECT_EQ(w.Text1(3).text(), QString());
    EXPECT_FALSE(w.Picture2.visible());
    EXPECT_FALSE(w.Command4.enabled());
    EXPECT_EQ(w.Option9(1).backColor(), White);
    User::click(w.Option13(3));
    EXPECT_EQ(w.Text1(3).text(), QStringLiteral("L2 sc5r3."));

    // Area 0: the interest goes back to "none" and the sports boxes are unticked.
    User::click(w.Command1(0));
    User::click(w.Check1(1));
    User::click(w.Option1(2));
    User::click(w.Text1(0));
    User::click(w.Command4);
    EXPECT_EQ(w.Text1(0).text(), QString());
    EXPECT_TRUE(w.Option1(0).value());
    EXPECT_FALSE(w.Check1(1).value());
    User::click(w.Check1(3));
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("sport5. "));

    // Area 7 leaves the other areas' choices alone.
    User::click(w.Command1(7));
    User::click(w.Check3(0));
    User::click(w.Text1(7));
    User::click(w.Command4);
    EXPECT_EQ(w.Text1(7).text(), QString());
    EXPECT_FALSE(w.Check3(0).value());
    EXPECT_EQ(w.Text1(3).text(), QStringLiteral("L2 sc5r3."));
}

TEST_F(KompetenzenTest, SavingWritesBothStoresAndTheCopiesOfTheDay)
{
    useSmallClass();
    Kompetenzen& w = openAt(1, 1);
    // Choosing a pupil never saves.
    EXPECT_EQ(readBytes(TextStore), QByteArray());
    User::click(w.Option3(2));
    User::click(w.Command1(6));
    User::click(w.Option29(0));
    User::click(w.Command2);
    const QByteArray texts = "1,\"2b\",\"Meier\",\"Anna\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "2,\"2b\",\"Kaya\",\"Emre\",\"\",\"sp2r2. \",\"\",\"\",\"\",\"\",\"L13 ma13r0. \",\"\"\r\n"
                             "3,\"2b\",\"Roth\",\"Ida\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    // The composed texts are locked once the pupil is left, not before.
    const QByteArray locks = ("1,\"2b\",\"Meier\",\"Anna\"," + zeros(8) + "\r\n2,\"2b\",\"Kaya\",\"Emre\"," + zeros(8)
                              + "\r\n3,\"2b\",\"Roth\",\"Ida\"," + zeros(8) + "\r\n").toLatin1();
    EXPECT_EQ(readBytes(TextStore), texts);
    EXPECT_EQ(readBytes(LockStore), locks);
    EXPECT_EQ(backups(), (QStringList{QStringLiteral("12Speicher09.12.2026.txt"), QStringLiteral("12Sperre09.12.2026.txt")}));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/12Speicher09.12.2026.txt")), texts);

    clock->date = QDate(2026, 3, 5);
    User::chooseItem(w.Combo1, 0);
    User::click(w.Command2);
    EXPECT_TRUE(readBytes(LockStore).contains("2,\"2b\",\"Kaya\",\"Emre\",0,1,0,0,0,0,1,0\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/12Sperre05.03.2026.txt")), readBytes(LockStore));
    EXPECT_EQ(backups().size(), 4);
}

// A save that fails for several files at once is one message that names each of them.
TEST_F(KompetenzenTest, ASaveThatFailsForSeveralFilesIsOneMessageNamingThemAll)
{
    struct Case { const char* readOnly; QStringList named; };
    const Case cases[] = {
        {"/Daten/", {QStringLiteral("Daten\\12Speicher.txt"), QStringLiteral("Daten\\12Sperre.txt")}},
        {"/Sicherheit/", {QStringLiteral("Daten\\Sicherheit\\12Speicher09.12.2026.txt"),
                          QStringLiteral("Daten\\Sicherheit\\12Sperre09.12.2026.txt")}},
    };
    useSmallClass();
    Kompetenzen& w = openAt(1, 1);
    User::click(w.Option2(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.readOnly);
        Files::setWriteFailure([&c](const QString& file) { return file.contains(QLatin1String(c.readOnly)); });
        messages->clearShown();
        messages->expect(QStringLiteral("Die folgenden Dateien konnten nicht gespeichert werden."));
        User::click(w.Command2);
        messages->verifyDone();
        ASSERT_EQ(messages->shown().size(), 1u);
        for (const QString& file : c.named)
            EXPECT_TRUE(messages->shown().front().prompt.contains(file)) << file.toStdString();
    }
    Files::setWriteFailure(nullptr);
}

TEST_F(KompetenzenTest, LeavingAsksOnlyWhereInputWouldBeLost)
{
    useSmallClass();
    // Before any pupil: no question.
    registry.Load(WindowNames::Insertion);
    User::click(open().Command3);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));

    struct Case { int answer; bool saved; };
    for (const Case c : {Case{vbNo, false}, Case{vbYes, true}}) {
        Kompetenzen& w = openAt(0, 1);
        User::click(w.Option2(0));
        messages->expect(SaveQuestion, c.answer);
        User::click(w.Command3);
        EXPECT_EQ(messages->shown().back().style, 36);
        EXPECT_EQ(messages->shown().back().title, QStringLiteral("Zeugnistexte"));
        settle();
        EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));
        EXPECT_EQ(readFile(TextStore).contains(QStringLiteral("\"sp1r0. \"")), c.saved) << c.answer;
    }

    // A save that fails keeps the window and its text.
    Kompetenzen& w = openAt(1, 1);
    User::click(w.Option2(1));
    Files::setWriteFailure([](const QString& file) { return file.endsWith(QStringLiteral("12Speicher.txt")); });
    messages->expect(SaveQuestion, vbYes);
    messages->expect(QStringLiteral("Daten\\12Speicher.txt konnte nicht gespeichert werden"));
    User::click(w.Command3);
    settle();
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Competences));
    Files::setWriteFailure(nullptr);

    // The main menu asks only while something differs from the stores.
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    messages->expect(SaveQuestion, vbYes);
    User::click(start.Command1(3));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));
    EXPECT_TRUE(readFile(TextStore).contains(QStringLiteral("\"sp1r1. \"")));
    User::click(start.Command1(1));
    User::chooseItem(registry.find<Kompetenzen>(WindowNames::Competences)->Combo1, 2);
    User::click(start.Command1(3));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));

    // The title bar leaves as "Abbrechen" does: a pupil chosen and nothing changed is no input.
    User::click(start.Command1(1));
    Kompetenzen& again = *registry.find<Kompetenzen>(WindowNames::Competences);
    User::chooseItem(again.Combo1, 2);
    again.window()->close();
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));
}

TEST_F(KompetenzenTest, MissingAndOverlongFiles)
{
    // Without a pupil list the window cannot work: it says so and goes back to the start page.
    useSmallClass();
    QFile::remove(path(QStringLiteral("Daten/Namen.Txt")));
    registry.Load(WindowNames::Insertion);
    messages->expect(QStringLiteral("Daten\\Namen.Txt ist nicht vorhanden"));
    messages->expect(QStringLiteral("Die Namensliste Daten\\Namen.Txt enthält keine Kinder"));
    EXPECT_EQ(registry.Show(WindowNames::Competences), nullptr);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    messages->verifyDone();

    // A missing block file leaves its captions empty; an overlong one is read as far as kept;
    // missing stores are made from the list.
    useSmallClass();
    QFile::remove(path(QStringLiteral("Daten/Mathe2.Txt")));
    QFile::remove(path(TextStore));
    writeNamedBlocks(QStringLiteral("Zwischentexte.Txt"), QStringLiteral("L"), 1, 30);
    messages->expect(QStringLiteral("Daten\\Mathe2.Txt ist nicht vorhanden"));
    messages->expect(QStringLiteral("Es werden nur die ersten 26 Einträge gelesen."));
    Kompetenzen& w = openAt(0, 4);
    EXPECT_EQ(w.Option14(0).caption(), QString());
    EXPECT_EQ(w.Label15.caption(), QStringLiteral("L7"));
    EXPECT_TRUE(readFile(TextStore).startsWith(QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"\",")));
    registry.UnloadAll();
    settle();
    messages->verifyDone();

    // A pupil list cut off in its second record: the window works, but writes no store.
    useSmallClass();
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"w\",\"05.03.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n2,\"2b\",\"Ka"));
    messages->expect(QStringLiteral("Daten\\Namen.Txt ist beschädigt"));
    messages->expect(QStringLiteral("Die Namensliste Daten\\Namen.Txt ist beschädigt"));
    Kompetenzen& damaged = openAt(0, 1);
    EXPECT_FALSE(damaged.Command2.enabled());
    User::click(damaged.Option2(0));
    User::click(damaged.Command3);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));
    EXPECT_EQ(readBytes(TextStore), QByteArray());
    EXPECT_TRUE(backups().isEmpty());
}

// The teacher's road: a grade 2 class composes all eight areas of a pupil from the shipped
// formulations and finds them in the store.
TEST_F(KompetenzenTest, AllEightAreasFromTheShippedFormulations)
{
    installShippedData();
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              readFile(QStringLiteral("Daten/Namen.Txt")).replace(QStringLiteral("\"3a\""), QStringLiteral("\"2a\"")));
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    User::click(start.Command1(1));
    Kompetenzen& w = *registry.find<Kompetenzen>(WindowNames::Competences);
    ASSERT_TRUE(w.shown());
    User::chooseItem(w.Combo1, 0);

    User::click(w.Option1(1));
    User::click(w.Check1(0));
    test::renderToPng(w.window(), QStringLiteral("Kompetenzen-area0.png"));
    const std::initializer_list<std::pair<int, std::vector<std::pair<int, int>>>> choices = {
        {1, {{2, 0}, {3, 1}, {44, 0}}},
        {2, {{4, 1}, {5, 0}, {6, 2}, {7, 0}}},
        {3, {{9, 0}, {11, 1}, {13, 0}, {24, 0}}},
        {4, {{14, 0}, {35, 0}, {15, 0}, {16, 1}, {28, 1}, {25, 0}}},
        {5, {{17, 0}, {19, 1}, {27, 0}}},
        {6, {{29, 0}, {30, 0}, {34, 0}}},
    };
    for (const auto& [area, clicks] : choices) {
        User::click(w.Command1(area));
        for (auto [group, index] : clicks)
            User::click(w.OptionGroup(group)(index));
        if (area == 4)
            test::renderToPng(w.window(), QStringLiteral("Kompetenzen-area4.png"));
    }
    User::click(w.Command1(7));
    User::click(w.Check2(0));
    User::click(w.Check3(0));
    User::click(w.Check3(2));
    User::click(w.Option23(1));
    test::renderToPng(w.window(), QStringLiteral("Kompetenzen-area7.png"));

    const QString texts[8] = {
        QStringLiteral("Lea interessiert sich besonders für Tiere und erzählt gern von ihnen.\r\n"
                       "Lea hat das Frühschwimmerabzeichen 'Seepferdchen' erworben. "),
        QStringLiteral("Lea erzählt und berichtet zusammenhängend, anschaulich und gut verständlich. Mündliche "
                       "Arbeitsaufträge versteht sie meistens und setzt sie um. In Gesprächen hört sie aufmerksam zu, "
                       "hält die Gesprächsregeln ein und begründet ihre Meinung."),
        QString(), QString(),
        QStringLiteral("Im Zahlenraum bis 100 orientiert sich Lea sicher und kennt den Aufbau der Zahlen aus Zehnern "
                       "und Einern. Plus- und Minusaufgaben im Zahlenraum bis 100 löst sie auch mit Zehnerüberschreitung "
                       "sicher und schnell. Rechengeschichten und einfache Sachaufgaben löst sie meist selbstständig und "
                       "richtig. Sie kann ihre Rechenwege verständlich erklären. Die Einmaleinsreihen beherrscht sie "
                       "sicher und auswendig."),
        QString(), QString(),
        QStringLiteral("Lea hat an den Arbeitsgemeinschaften 'Chor' und 'Tanz-AG' teilgenommen. \r\n"
                       "Lea brachte viel Hilfsbereitschaft und gute Ideen in den Unterricht ein."),
    };
    for (int area : {0, 1, 4, 7})
        EXPECT_EQ(w.Text1(area).text(), texts[area]) << area;
    QStringList shown;
    for (int area = 0; area < 8; ++area)
        shown << w.Text1(area).text();

    User::click(w.Command2);
    User::click(w.Command3);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Competences));
    EXPECT_TRUE(messages->shown().empty());
    const QString stored = readFile(TextStore);
    QStringList quoted;
    for (const QString& text : shown) {
        EXPECT_FALSE(text.isEmpty());
        quoted << QLatin1Char('"') + text + QLatin1Char('"');
    }
    EXPECT_TRUE(stored.startsWith(QStringLiteral("1,\"2a\",\"Becker\",\"Lea\",") + quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n")));
}

// Every shipped formulation and lead-in is readable whole where the teacher chooses it, in both
// grades and half-years: a long one takes a second line in its column.
TEST_F(KompetenzenTest, EveryShippedCaptionIsShownWhole)
{
    for (const char* className : {"\"1a\"", "\"2a\""}) {
        for (const char* halfYear : {"1", "2"}) {
            SCOPED_TRACE(std::string(className) + " " + halfYear);
            installShippedData();
            writeFile(QStringLiteral("Daten/Namen.Txt"),
                      readFile(QStringLiteral("Daten/Namen.Txt")).replace(QStringLiteral("\"3a\""), QLatin1String(className)));
            writeFile(QStringLiteral("Daten/Basisdaten.txt"),
                      readFile(QStringLiteral("Daten/Basisdaten.txt"))
                          .replace(QStringLiteral("\"2026/2027\",\"1\""), QStringLiteral("\"2026/2027\",\"%1\"").arg(QLatin1String(halfYear))));
            // The pupil with the most clubs has the longest club sentence.
            Kompetenzen& w = openAt(5, 0);
            // A caption wraps to the button's width; its lines must fit the height.
            w.Command1.forEach([](int, CommandButton& b) {
                const int lines = test::lookOf(b).inkLines;
                EXPECT_LE(lines * b.widget()->fontMetrics().lineSpacing(), b.widget()->height()) << b.caption().toStdString();
            });
            for (int area = 0; area < Kompetenzen::Areas; ++area) {
                User::click(w.Command1(area));
                for (QWidget* shown : w.Frame1(area).widget()->findChildren<QWidget*>()) {
                    const Control* c = Control::owning(shown);
                    if (c && shown->isVisibleTo(w.window())) {
                        EXPECT_TRUE(test::showsWholeText(*c)) << "area " << area;
                    }
                }
            }
            registry.UnloadAll();
            settle();
        }
    }
}

} // namespace
