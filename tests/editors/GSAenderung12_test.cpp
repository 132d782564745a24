#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include "editors/GSAenderung12.h"
#include "EditorTest.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QFile>
#include <QFont>
#include <QWidget>
#include <functional>
#include <map>
#include <set>
#include <tuple>

using namespace zt;

namespace {

using test::cellName;
using test::LoadWarning;
using test::Mapped;
using test::selfNamedText;
using test::SetFileLayout;
const QString SaveQuestion = QStringLiteral("Im Programm für das 1. und 2. Schuljahr stehen dann nur die neuen");
const QString CloseQuestion = QStringLiteral("Sie haben eventuelle Änderungen noch nicht gespeichert. Wollen Sie jetzt noch speichern ?");

const SetFileLayout Layouts[] = {
    {QStringLiteral("Interessen12"), 1, 16, 21}, {QStringLiteral("Sprechen#"), 3, 4, 11},
    {QStringLiteral("Lesen#"), 6, 7, 11},        {QStringLiteral("Schreiben#"), 6, 6, 11},
    {QStringLiteral("Mathe#"), 18, 6, 11},       {QStringLiteral("Bemerkungen#"), 3, 8, 11},
    {QStringLiteral("Versetzung#"), 1, 4, 11},   {QStringLiteral("Zwischentexte"), 1, 0, 31},
};

// Line 0: the lead-in that depends on the grade.
const Mapped Mapping[] = {
    {1, 0, 15, "Interessen12", 1, 1},
    {2, 0, 3, "Sprechen#", 1, 1}, {2, 4, 7, "Sprechen#", 2, 1}, {2, 8, 11, "Sprechen#", 3, 1},
    {3, 0, 6, "Lesen#", 1, 1}, {3, 7, 13, "Lesen#", 2, 1}, {3, 14, 20, "Lesen#", 3, 1},
    {3, 21, 24, "Lesen#", 4, 1}, {3, 25, 28, "Lesen#", 5, 1}, {3, 29, 32, "Lesen#", 6, 1},
    {4, 0, 3, "Schreiben#", 1, 1}, {4, 4, 7, "Schreiben#", 2, 1}, {4, 8, 11, "Schreiben#", 3, 1},
    {4, 13, 16, "Schreiben#", 4, 1}, {4, 18, 23, "Schreiben#", 5, 1}, {4, 25, 30, "Schreiben#", 6, 1},
    {4, 12, 12, "Zwischentexte", 1, 2}, {4, 17, 17, "Zwischentexte", 1, 3},
    {4, 24, 24, "Zwischentexte", 1, 22}, {4, 31, 31, "Zwischentexte", 1, 1},
    {5, 1, 5, "Mathe#", 1, 1}, {5, 7, 8, "Mathe#", 7, 1}, {5, 9, 13, "Mathe#", 2, 1},
    {5, 15, 20, "Mathe#", 3, 1}, {5, 22, 25, "Mathe#", 4, 1}, {5, 26, 26, "Mathe#", 5, 1},
    {5, 28, 32, "Mathe#", 6, 1},
    {5, 0, 0, "Zwischentexte", 1, 4}, {5, 6, 6, "Zwischentexte", 1, 5}, {5, 14, 14, "Zwischentexte", 1, 0},
    {5, 21, 21, "Zwischentexte", 1, 7}, {5, 27, 27, "Zwischentexte", 1, 8},
    {6, 1, 3, "Mathe#", 8, 1}, {6, 5, 7, "Mathe#", 9, 1}, {6, 9, 11, "Mathe#", 10, 1},
    {6, 13, 15, "Mathe#", 11, 1}, {6, 17, 20, "Mathe#", 12, 1},
    {6, 0, 0, "Zwischentexte", 1, 9}, {6, 4, 4, "Zwischentexte", 1, 10}, {6, 8, 8, "Zwischentexte", 1, 11},
    {6, 12, 12, "Zwischentexte", 1, 12}, {6, 16, 16, "Zwischentexte", 1, 13},
    {7, 1, 3, "Mathe#", 13, 1}, {7, 5, 7, "Mathe#", 14, 1}, {7, 9, 11, "Mathe#", 15, 1},
    {7, 13, 16, "Mathe#", 16, 1}, {7, 18, 21, "Mathe#", 17, 1}, {7, 23, 26, "Mathe#", 18, 1},
    {7, 0, 0, "Zwischentexte", 1, 14}, {7, 4, 4, "Zwischentexte", 1, 15}, {7, 8, 8, "Zwischentexte", 1, 16},
    {7, 12, 12, "Zwischentexte", 1, 17}, {7, 17, 17, "Zwischentexte", 1, 18}, {7, 22, 22, "Zwischentexte", 1, 19},
    {8, 0, 0, "Bemerkungen#", 1, 1}, {8, 1, 1, "Zwischentexte", 1, 20}, {8, 2, 9, "Bemerkungen#", 2, 1},
    {8, 10, 17, "Bemerkungen#", 3, 1}, {8, 18, 21, "Versetzung#", 1, 1},
};

QStringList allCurrentFiles()
{
    QStringList names;
    for (const SetFileLayout& f : Layouts) {
        for (const QString& grade : {QStringLiteral("1"), QStringLiteral("2")}) {
            const QString name = QString(f.stem).replace(QLatin1Char('#'), grade) + QStringLiteral(".Txt");
            if (!names.contains(name))
                names << name;
        }
    }
    return names;
}


class Grade12EditorTest : public test::EditorTest<GSAenderung12> {
protected:
    Grade12EditorTest() : EditorTest(WindowNames::Grade12Editor, &GSAenderung12::Command3, SaveQuestion) {}

    void SetUp() override
    {
        EditorTest::SetUp();
        setClass(QStringLiteral("1a"));
    }

    // Both grade sets and the lead-ins, every cell naming itself.
    void installSelfNamedSet()
    {
        for (const SetFileLayout& f : Layouts) {
            for (const QString& grade : {QStringLiteral("1"), QStringLiteral("2")}) {
                const QString stem = QString(f.stem).replace(QLatin1Char('#'), grade);
                writeFile(QStringLiteral("Daten/") + stem + QStringLiteral(".Txt"), selfNamedText(stem, f.columns, f.fixtureRecords));
            }
        }
    }

    static ControlArray<TextBox>& boxes(GSAenderung12& w, int array)
    {
        ControlArray<TextBox>* arrays[] = {&w.Text1, &w.Text2, &w.Text3, &w.Text4, &w.Text5, &w.Text6, &w.Text7, &w.Text8};
        return *arrays[array - 1];
    }

    std::map<QString, QByteArray> currentSet() const override { return filesIn(QStringLiteral("Daten/"), allCurrentFiles()); }
};

TEST_F(Grade12EditorTest, EveryBoxShowsAndStoresItsCellAndSavingWritesTheGradesFilesWhole)
{
    for (const QString& grade : {QStringLiteral("1"), QStringLiteral("2")}) {
        SCOPED_TRACE(grade.toStdString());
        setClass(grade + QStringLiteral("b"));
        installSelfNamedSet();
        const auto before = currentSet();
        GSAenderung12& w = openLoaded();
        std::set<std::tuple<QString, int, int>> changed;
        for (const Mapped& m : Mapping) {
            const QString file = QString::fromLatin1(m.file).replace(QLatin1Char('#'), grade);
            for (int box = m.first; box <= m.last; ++box) {
                const int line = m.line == 0 ? (grade == QStringLiteral("2") ? 6 : 22) : m.line + box - m.first;
                TextBox& b = boxes(w, m.array)(box);
                EXPECT_EQ(b.text(), cellName(file, m.column, line)) << "Text" << m.array << "(" << box << ")";
                b.setText(cellName(file, m.column, line) + QStringLiteral("*"));
                changed.insert({file, m.column, line});
            }
        }
        // Leaving a box takes over every box of every area.
        User::focus(w.Text1(0));
        User::focus(w.Text1(1));
        User::click(w.Command1(5));
        EXPECT_EQ(w.Text4(12).text(), cellName(QStringLiteral("Zwischentexte"), 1, 2) + QStringLiteral("*"));
        save(w);
        const auto after = currentSet();
        for (const SetFileLayout& f : Layouts) {
            for (const QString& g : {QStringLiteral("1"), QStringLiteral("2")}) {
                const QString stem = QString(f.stem).replace(QLatin1Char('#'), g);
                const QString name = stem + QStringLiteral(".Txt");
                SCOPED_TRACE(name.toStdString());
                if (f.written > 0 && (g == grade || !f.stem.contains(QLatin1Char('#'))))
                    EXPECT_EQ(after.at(name), encodeWindows1252(selfNamedText(stem, f.columns, f.written, changed)));
                else
                    EXPECT_EQ(after.at(name), before.at(name));
            }
        }
        messages->expect(CloseQuestion, vbNo);
        User::click(w.Text4(0));
        User::click(w.Command6);
        settle();
    }
}

TEST_F(Grade12EditorTest, SavingLoadedDefaultsWritesThemAsTheCurrentFilesAndLeavesTheDefaults)
{
    installSelfNamedSet();
    const auto defaults = defaultSet();
    const QByteArray leadIns = readBytes(QStringLiteral("Daten/Zwischentexte.Txt"));
    GSAenderung12& w = openLoaded(0);
    EXPECT_EQ(w.Text1(0).text(), QStringLiteral("Kein Eintrag"));
    save(w);
    for (const QString& stem : {QStringLiteral("Interessen12"), QStringLiteral("Sprechen1"), QStringLiteral("Lesen1"),
                                QStringLiteral("Schreiben1"), QStringLiteral("Mathe1"), QStringLiteral("Bemerkungen1"),
                                QStringLiteral("Versetzung1")})
        EXPECT_EQ(readBytes(QStringLiteral("Daten/") + stem + QStringLiteral(".Txt")),
                  defaults.at(stem + QStringLiteral("Standard.Txt")))
            << stem.toStdString();
    EXPECT_EQ(defaultSet(), defaults);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Zwischentexte.Txt")), leadIns);
    EXPECT_EQ(readFile(QStringLiteral("Daten/Sprechen2.Txt")), selfNamedText(QStringLiteral("Sprechen2"), 3, 11));
}

TEST_F(Grade12EditorTest, GradeOneHidesTheSixthNumbersColumnAndSharesLeadIn22)
{
    for (const QString& grade : {QStringLiteral("1"), QStringLiteral("2")}) {
        SCOPED_TRACE(grade.toStdString());
        setClass(grade + QStringLiteral("a"));
        installSelfNamedSet();
        GSAenderung12& w = openLoaded();
        User::click(w.Command1(6));
        for (int i = 27; i <= 32; ++i)
            EXPECT_EQ(w.Text5(i).visible(), grade == QStringLiteral("2")) << i;
        EXPECT_EQ(w.Text5(14).text(), cellName(QStringLiteral("Zwischentexte"), 1, grade == QStringLiteral("2") ? 6 : 22));
        if (grade == QStringLiteral("1")) {
            // Both boxes show lead-in 22 and are stored into it in turn: Text5(14) is the one kept.
            User::click(w.Command1(5));
            User::retype(w.Text4(24), QStringLiteral("Beim Abschreiben"));
            User::focus(w.Text4(0));
            User::click(w.Command1(5));
            EXPECT_EQ(w.Text4(24).text(), cellName(QStringLiteral("Zwischentexte"), 1, 22));
            // Hidden boxes still hand their cells to the save.
            User::click(w.Command1(6));
            EXPECT_EQ(w.Text5(30).text(), cellName(QStringLiteral("Mathe1"), 6, 3));
        }
        messages->expect(CloseQuestion, vbNo);
        User::click(w.Command6);
        settle();
    }
}

TEST_F(Grade12EditorTest, TheCloseQuestionFollowsTheSavedState)
{
    checkLeaving({
        {"an area button after saving", true, true, [](GSAenderung12& w) { User::click(w.Command1(4)); }, false},
        {"a box left after saving, unchanged", true, true, [](GSAenderung12& w) { User::click(w.Text1(3)); }, true},
    }, CloseQuestion);
}

TEST_F(Grade12EditorTest, YesToTheCloseQuestionSavesWithoutTheOverwriteQuestion)
{
    GSAenderung12& w = openLoaded();
    User::click(w.Command2(0));
    User::click(w.Command1(8));
    checkYesToTheCloseQuestionWritesTheEdit(w, w.Text7(5), QStringLiteral("findet sich im Raum gut zurecht"),
                                            QStringLiteral("Mathe1.Txt"), CloseQuestion);
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Mathe1.Txt")).startsWith(QStringLiteral("1,")));
}

TEST_F(Grade12EditorTest, TheTitleBarTheMainMenuAndTheEndOfTheProgramAskOnlyForUnsavedEdits)
{
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    checkTitleBarAndUntouchedSet(start, CloseQuestion);

    checkMenuAndEndAskAboutAnEdit(start, [](GSAenderung12& w) -> TextBox& { return w.Text1(4); },
                                  QStringLiteral("Interessen12.Txt"), CloseQuestion);
}

TEST_F(Grade12EditorTest, ThePasswordCopiesAllFourteenFilesOfBothGrades)
{
    installSelfNamedSet();
    checkPasswordCopiesTheCurrentSet(openLoaded(), 14);
}

TEST_F(Grade12EditorTest, FileProblemsAreNamedAndTheEditorStaysUsable)
{
    // A missing file and one longer than its slots: each named, the rest of the set loaded.
    QFile::remove(path(QStringLiteral("Daten/Lesen1.Txt")));
    writeFile(QStringLiteral("Daten/Interessen12.Txt"), selfNamedText(QStringLiteral("Interessen12"), 1, 22));
    GSAenderung12& w = openLoaded(1, {QStringLiteral("Die Datei Daten\\Interessen12.Txt enthält mehr Einträge"),
                                      QStringLiteral("Die Datei Daten\\Lesen1.Txt ist nicht vorhanden")});
    EXPECT_EQ(w.Text1(15).text(), cellName(QStringLiteral("Interessen12"), 1, 16));
    User::click(w.Command1(4));
    EXPECT_TRUE(w.Text3(0).text().isEmpty());
    EXPECT_FALSE(w.Text2(0).text().isEmpty());

    // A file that cannot be written keeps its old content; the others are written, and leaving
    // does not drop the edits.
    saveWithAFileThatCannotBeWritten(w, QStringLiteral("Mathe1.Txt"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Lesen1.Txt")).count(QStringLiteral("\r\n")), 7);
    checkLeavingAfterAFailedSave(w, QStringLiteral("Daten\\Mathe1.Txt"), CloseQuestion);
}

TEST_F(Grade12EditorTest, AMissingDefaultIsNotSavedOverTheCurrentFile)
{
    setClass(QStringLiteral("2a"));
    QFile::remove(path(QStringLiteral("Daten/Standard/Sprechen2Standard.Txt")));
    checkASetReadInPartIsNotSavedOver(0, {QStringLiteral("Die Datei Daten\\Standard\\Sprechen2Standard.Txt ist nicht vorhanden")},
                                      QStringLiteral("Die Datei Daten\\Standard\\Sprechen2Standard.Txt war beim Laden nicht vorhanden"),
                                      {QStringLiteral("Sprechen2.Txt")},
                                      [](GSAenderung12& w) -> TextBox& { return w.Text1(3); }, CloseQuestion);
}

TEST_F(Grade12EditorTest, EveryShippedLineIsReadableWhole)
{
    for (const QString& grade : {QStringLiteral("1"), QStringLiteral("2")}) {
        setClass(grade + QStringLiteral("a"));
        GSAenderung12& w = openLoaded();
        for (int area = 1; area <= 8; ++area) {
            SCOPED_TRACE(testing::Message() << "grade " << grade.toStdString() << ", area " << area);
            User::click(w.Command1(area + 1));
            test::expectEveryLineReadable(boxes(w, area));
        }
        messages->expect(CloseQuestion, vbNo);
        User::click(w.Command6);
        settle();
    }
}

TEST_F(Grade12EditorTest, NoToTheLoadWarningClosesEditorAndInsertionDialogAndReadsNothing)
{
    checkRefusedStart(allCurrentFiles(), true);
}

TEST_F(Grade12EditorTest, OpeningAndLoadingSetTheButtonsInTheOrderGiven)
{
    GSAenderung12& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("Änderung der Texte 1 und 2"));
    EXPECT_EQ(w.Text29(0).text(), QStringLiteral("Klasse 1a\r\n2026/2027"));
    EXPECT_EQ(w.Text29(1).text(), QStringLiteral("1. Halbj."));
    EXPECT_FALSE(w.Command5.visible());
    for (Control* c : std::initializer_list<Control*>{&w.Command1(2), &w.Command1(9), &w.Command2(0), &w.Command2(1), &w.Command5})
        EXPECT_FALSE(c->enabled());
    EXPECT_EQ(w.Command3(0).backColor(), Colours::LightGreen);
    EXPECT_EQ(w.Command3(1).backColor(), Colours::LightGreen);
    EXPECT_EQ(w.Command6.backColor(), Colour(0x8080FF));
    EXPECT_TRUE(w.Label4.visible());
    EXPECT_EQ(w.Label3.caption(), QStringLiteral("Hinweise zur Änderung"));

    messages->expect(LoadWarning, vbYes);
    User::click(w.Command3(1));
    EXPECT_FALSE(w.Command3(0).enabled());
    EXPECT_FALSE(w.Command3(1).enabled());
    EXPECT_TRUE(w.Command2(0).enabled());
    EXPECT_EQ(w.Command2(0).backColor(), Colours::LightGreen);
    EXPECT_FALSE(w.Command2(1).enabled());
    EXPECT_TRUE(w.Command5.visible());
    EXPECT_TRUE(w.Command5.enabled());
    EXPECT_EQ(w.Command5.backColor(), Colours::LightGreen);
    EXPECT_FALSE(w.Label4.visible());
    EXPECT_TRUE(w.Frame1.visible());
    EXPECT_EQ(w.Command1(2).backColor(), Colour(0x80FF80));
    EXPECT_EQ(w.Command1(3).backColor(), Colours::White);
    EXPECT_TRUE(w.Label3.caption().startsWith(QStringLiteral("Der Vorname wird hier vom Programm automatisch davorgesetzt.")));
    EXPECT_TRUE(w.loaded());
    EXPECT_FALSE(w.saved());
}

TEST_F(Grade12EditorTest, AreaButtonsShowTheirFrameColourAndHint)
{
    const QString fullStop =
        QStringLiteral("Der Punkt am Ende wird vom Programm gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.");
    const QString redText = QStringLiteral("\r\nDer rote Text ist zwar veränderbar, wird aber automatisch davorgesetzt.");
    const QString placeholders = QStringLiteral("\r\nNutzen Sie für die Platzhalter die Textvorgaben !");
    struct Case { int index; const char* caption; const char* frame; int colour; QString hint; };
    const Case cases[] = {
        {2, "Interessen", "Interessen, Fähigkeiten, Fertigkeiten", 0x80FF80, fullStop + placeholders},
        {3, "Deutsch Sprechen und Zuhören", "Sprechen und Zuhören", 0xC0E0FF, fullStop + placeholders},
        {4, "Deutsch Lesen Texte", "Lesen und mit Texten umgehen", 0x80FFFF, fullStop + placeholders},
        {5, "Deutsch Schreiben Texte", "Schreiben, Texte verfassen", 0xFFFF80, fullStop + redText + placeholders},
        {6, "Mathe Zahlen Operationen", "Zahlen und Operationen", 0xC0FFFF, fullStop + redText + placeholders},
        {7, "Mathe Größen Messen", "Größen und Messen", 0xC0E0FF, fullStop + redText + placeholders},
        {8, "Mathe  Raum Form", "Raum und Form", 0x80FFFF, fullStop + redText + placeholders},
        {9, "Bemerkungen", "Bemerkungen und Versetzung", 0xFFC0FF,
         fullStop + redText + QStringLiteral("\r\nIn den blau hinterlegten Feldern ist eine Mehrfachauswahl möglich.") + placeholders},
    };
    GSAenderung12& w = openLoaded();
    Frame* frames[] = {&w.Frame1, &w.Frame2, &w.Frame3, &w.Frame4, &w.Frame5, &w.Frame6, &w.Frame7, &w.Frame8};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        User::click(w.Command1(c.index));
        EXPECT_EQ(w.Command1(c.index).caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(w.Command1(c.index).backColor(), Colour(c.colour));
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(frames[i]->visible(), i == c.index - 2) << "Frame" << i + 1;
        const Frame& shown = *frames[c.index - 2];
        EXPECT_EQ(shown.caption(), QString::fromUtf8(c.frame));
        EXPECT_EQ(shown.backColor(), Colour(c.colour));
        EXPECT_EQ(shown.foreColor(), Colours::Red);
        EXPECT_EQ(w.Label3.caption(), c.hint);
        for (int other = 2; other <= 9; ++other) {
            if (other != c.index) {
                EXPECT_EQ(w.Command1(other).backColor(), Colours::White);
            }
        }
    }
    EXPECT_EQ(w.Label2(0).caption(), QStringLiteral("  In der ersten Zeile stehen Bemerkungen zum Schwimm- und Sportabzeichen. -  "
                                                    "Sie sind programmgesteuert und nicht veränderbar."));
}

TEST_F(Grade12EditorTest, LeadInsAreRedAndTheMultipleChoiceBoxesBlue)
{
    GSAenderung12& w = open();
    std::set<std::pair<int, int>> red;
    for (const Mapped& m : Mapping)
        if (QString::fromLatin1(m.file) == QStringLiteral("Zwischentexte"))
            red.insert({m.array, m.first});
    red.insert({1, 0});
    EXPECT_EQ(red.size(), 22u);
    for (int array = 1; array <= 8; ++array) {
        boxes(w, array).forEach([&](int i, TextBox& box) {
            SCOPED_TRACE(testing::Message() << "Text" << array << "(" << i << ")");
            EXPECT_EQ(box.foreColor(), red.count({array, i}) ? Colours::Red : Colour(0));
            const Colour back = array == 1 && i == 0                 ? Colour(0x80FFFF)
                                : array == 8 && i >= 2 && i <= 9 ? Colour(0xFFFFC0)
                                                                 : Colours::White;
            EXPECT_EQ(box.backColor(), back);
            EXPECT_EQ(box.widget()->font().family(), QStringLiteral("Arial"));
        });
    }
    w.Text29.forEach([](int i, TextBox& box) { EXPECT_EQ(box.widget()->font().family(), QStringLiteral("Arial")) << i; });
    const int sizes[] = {16, 12, 33, 32, 33, 21, 27, 22};
    for (int array = 1; array <= 8; ++array)
        EXPECT_EQ(boxes(w, array).upperBound() + 1, sizes[array - 1]) << array;
}

TEST_F(Grade12EditorTest, PlaceholderListHelpInsertionAndQuotes)
{
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    start.Command1_Click(GradeBlocksEditor);
    auto* w = registry.find<GSAenderung12>(WindowNames::Grade12Editor);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_FALSE(registry.Find(WindowNames::Insertion)->shown());
    messages->expect(LoadWarning, vbYes);
    User::click(w->Command3(1));
    User::click(w->Command2(0));
    EXPECT_TRUE(registry.Find(WindowNames::Insertion)->shown());
    EXPECT_FALSE(w->Command2(0).enabled());
    EXPECT_EQ(w->Command2(1).backColor(), Colours::LightGreen);

    User::click(w->Command1(3));
    clipboard->setText(QStringLiteral("<in>"));
    w->Text2(5).setText(QStringLiteral("als Helfer der Klasse"));
    User::dblClickAt(w->Text2(5), 5);
    EXPECT_EQ(w->Text2(5).text(), QStringLiteral("als Helfer<in> der Klasse"));
    messages->expect(QStringLiteral("Doppelte Anführungszeichen werden zur Programmsteuerung benötigt."));
    User::typeKey(w->Text2(5), QLatin1Char('"'));
    EXPECT_TRUE(w->Text2(5).text().contains(QLatin1Char('\'')));
    messages->expect(QStringLiteral("Anführungszeichen, die Sie einfügen wollen"));
    User::paste(w->Text2(6), QStringLiteral("\"so\""));
    EXPECT_TRUE(w->Text2(6).text().contains(QStringLiteral("'so'")));

    // Hiding keeps the dialog loaded and empties the clipboard.
    User::click(w->Command2(1));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_FALSE(registry.Find(WindowNames::Insertion)->shown());
    EXPECT_TRUE(clipboard->text().isEmpty());
    EXPECT_TRUE(w->Command2(0).enabled());
    User::click(w->Command8);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe Texte\\Hilfe6.doc")});
}

TEST_F(Grade12EditorTest, RendersTwoAreas)
{
    GSAenderung12& w = openLoaded();
    User::click(w.Command1(6));
    test::renderToPng(w.window(), QStringLiteral("GSAenderung12_Zahlen.png"));
    User::click(w.Command1(9));
    test::renderToPng(w.window(), QStringLiteral("GSAenderung12_Bemerkungen.png"));
}

} // namespace
