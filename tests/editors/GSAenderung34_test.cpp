#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "core/MasterData.h"
#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include "editors/GSAenderung34.h"
#include "EditorTest.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QDir>
#include <QFile>
#include <map>
#include <set>
#include <tuple>

using namespace zt;

namespace {

using test::cellName;
using test::LoadWarning;
using test::Mapped;
using test::PasswordQuestion;
using test::selfNamedText;
using test::SetFileLayout;
const QString SaveQuestion = QStringLiteral("Im Programm für das 3. und 4. Schuljahr stehen dann nur die neuen");
const QString CloseQuestion =
    QStringLiteral("Sie haben eventuelle Änderungen noch nicht gespeichert. Wollen Sie die Änderungen noch speichern?");

// A fixture fills every file to its array.
const SetFileLayout Layouts[] = {
    {QStringLiteral("Förder34"), 1, 8, 11},     {QStringLiteral("Zensurabweichung"), 1, 6, 11},
    {QStringLiteral("Interessen34"), 1, 14, 16}, {QStringLiteral("Versetzung3"), 2, 5, 11},
    {QStringLiteral("Versetzung4"), 2, 5, 11},   {QStringLiteral("Bemerkungen34"), 4, 5, 6},
    {QStringLiteral("AG"), 1, 2, 3},
};

// HalfYear stands for the half-year's column, or its line after line 4.
constexpr int HalfYear = 0;
const Mapped Mapping[] = {
    {1, 0, 7, "Förder34", 1, 1},          {2, 2, 3, "AG", 1, 1},
    {3, 0, 13, "Interessen34", 1, 1},     {4, 1, 1, "Zensurabweichung", 1, 4},
    {4, 2, 4, "Zensurabweichung", 1, 1},  {4, 5, 5, "Zensurabweichung", 1, HalfYear},
    {4, 6, 8, "Bemerkungen34", 1, 1},     {4, 9, 13, "Bemerkungen34", 2, 1},
    {4, 14, 15, "Bemerkungen34", 3, 1},   {4, 16, 16, "Bemerkungen34", 4, 1},
    {4, 17, 20, "Versetzung#", HalfYear, 1},
};

QStringList allCurrentFiles()
{
    QStringList names;
    for (const SetFileLayout& f : Layouts)
        names << f.stem + QStringLiteral(".Txt");
    return names;
}


class Grade34EditorTest : public test::EditorTest<GSAenderung34> {
protected:
    Grade34EditorTest() : EditorTest(WindowNames::Grade34Editor, &GSAenderung34::Command1, SaveQuestion) {}

    void setHalfYear(const QString& halfYear)
    {
        BaseDataRecord base = loadBaseData().value();
        base.HalfYear = halfYear;
        ASSERT_TRUE(saveBaseData(base));
    }

    // Every file of the set filled to its array, every cell naming itself.
    void installSelfNamedSet()
    {
        for (const SetFileLayout& f : Layouts)
            writeFile(QStringLiteral("Daten/") + f.stem + QStringLiteral(".Txt"), selfNamedText(f.stem, f.columns, f.fixtureRecords));
    }

    static ControlArray<TextBox>& boxes(GSAenderung34& w, int array)
    {
        ControlArray<TextBox>* arrays[] = {&w.Text1, &w.Text2, &w.Text3, &w.Text4};
        return *arrays[array - 1];
    }

    std::map<QString, QByteArray> currentSet() const override { return filesIn(QStringLiteral("Daten/"), allCurrentFiles()); }
};

TEST_F(Grade34EditorTest, EveryBoxShowsAndStoresItsCellForTheHalfYearAndSavingWritesTheGradesFilesWhole)
{
    struct Case {
        QString grade;
        QString halfYear;
    };
    // Neither half-year: its boxes show nothing, take no input and leave their cells alone.
    const Case cases[] = {{QStringLiteral("3"), QStringLiteral("1")}, {QStringLiteral("4"), QStringLiteral("2")},
                          {QStringLiteral("3"), QString()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("grade %1, half-year '%2'").arg(c.grade, c.halfYear).toStdString());
        setClass(c.grade + QStringLiteral("b"));
        setHalfYear(c.halfYear);
        installSelfNamedSet();
        const auto before = currentSet();
        GSAenderung34& w = openLoaded();
        const int half = c.halfYear.toInt();
        std::set<std::tuple<QString, int, int>> changed;
        for (const Mapped& m : Mapping) {
            const QString file = QString::fromUtf8(m.file).replace(QLatin1Char('#'), c.grade);
            for (int box = m.first; box <= m.last; ++box) {
                TextBox& b = boxes(w, m.array)(box);
                SCOPED_TRACE(testing::Message() << "Text" << m.array << "(" << box << ")");
                const bool byHalfYear = m.column == HalfYear || m.line == HalfYear;
                if (byHalfYear && half == 0) {
                    EXPECT_TRUE(b.text().isEmpty());
                    EXPECT_TRUE(b.readOnly());
                    continue;
                }
                const int column = m.column == HalfYear ? half : m.column;
                const int line = m.line == HalfYear ? 4 + half : m.line + box - m.first;
                EXPECT_EQ(b.text(), cellName(file, column, line));
                EXPECT_FALSE(b.readOnly());
                b.setText(cellName(file, column, line) + QStringLiteral("*"));
                changed.insert({file, column, line});
            }
        }
        // Nothing can be typed into the fixed boxes.
        User::click(w.Text2(0));
        User::typeText(w.Text2(0), QStringLiteral("Chor"));
        User::click(w.Command2(1));
        User::click(w.Text4(0));
        User::typeText(w.Text4(0), QStringLiteral("Seepferdchen"));
        EXPECT_TRUE(w.Text2(0).text().startsWith(QStringLiteral("In diesem Feld werden")));
        EXPECT_TRUE(w.Text4(0).text().startsWith(QStringLiteral("Hier stehen Bemerkungen")));
        // Leaving a box takes over every box of every area.
        User::click(w.Command2(0));
        save(w);
        const auto after = currentSet();
        for (const SetFileLayout& f : Layouts) {
            SCOPED_TRACE(f.stem.toStdString());
            const bool otherGrade = f.stem.startsWith(QStringLiteral("Versetzung")) && !f.stem.endsWith(c.grade);
            if (otherGrade)
                EXPECT_EQ(after.at(f.stem + QStringLiteral(".Txt")), before.at(f.stem + QStringLiteral(".Txt")));
            else
                EXPECT_EQ(after.at(f.stem + QStringLiteral(".Txt")),
                          encodeWindows1252(selfNamedText(f.stem, f.columns, f.written, changed)));
        }
        messages->expect(CloseQuestion, vbNo);
        User::click(w.Text1(0));
        User::click(w.Command6);
        settle();
    }
}

TEST_F(Grade34EditorTest, SavingLoadedDefaultsWritesTheCurrentFilesOnly)
{
    installSelfNamedSet();
    const auto defaults = defaultSet();
    const QStringList daten = QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files);
    GSAenderung34& w = openLoaded(0);
    EXPECT_EQ(w.Text3(0).text(), QStringLiteral("Kein Eintrag"));
    save(w);
    for (const QString& stem : {QStringLiteral("Förder34"), QStringLiteral("Zensurabweichung"), QStringLiteral("Interessen34"),
                                QStringLiteral("Versetzung3"), QStringLiteral("Bemerkungen34"), QStringLiteral("AG")})
        EXPECT_EQ(readBytes(QStringLiteral("Daten/") + stem + QStringLiteral(".Txt")),
                  defaults.at(stem + QStringLiteral("Standard.Txt")))
            << stem.toStdString();
    EXPECT_EQ(defaultSet(), defaults);
    EXPECT_EQ(QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files), daten);
    EXPECT_EQ(readFile(QStringLiteral("Daten/Versetzung4.Txt")), selfNamedText(QStringLiteral("Versetzung4"), 2, 11));
}

// A name typed into a formulation keeps every letter, also one Windows-1252 cannot hold.
TEST_F(Grade34EditorTest, AFormulationWithLettersOutsideWindows1252IsSavedAndReadBackWhole)
{
    const QString typed = QStringLiteral("hat mit Şule und Łucja am Förderunterricht teilgenommen");
    GSAenderung34& w = openLoaded();
    User::click(w.Text1(0));
    User::retype(w.Text1(0), typed);
    User::click(w.Command2(0));
    save(w);
    EXPECT_TRUE(readBytes(QStringLiteral("Daten/Förder34.Txt")).startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(readBytes(QStringLiteral("Daten/AG.Txt")).startsWith("\xEF\xBB\xBF"));
    User::click(w.Command6);
    settle();
    EXPECT_EQ(openLoaded().Text1(0).text(), typed);
}

TEST_F(Grade34EditorTest, AReadOnlyDatenIsOneMessageNamingEveryFileOfTheSave)
{
    GSAenderung34& w = openLoaded();
    Files::setWriteFailure([](const QString& file) { return file.contains(QLatin1String("/Daten/")); });
    messages->clearShown();
    messages->expect(SaveQuestion, vbYes);
    messages->expect(QStringLiteral("Die folgenden Dateien konnten nicht gespeichert werden."));
    User::click(w.Command5);
    messages->verifyDone();
    ASSERT_EQ(messages->shown().size(), 2u);
    // The class is a grade 3: the promotion file of grade 4 is not written.
    for (const QString& stem : {QStringLiteral("Förder34"), QStringLiteral("Zensurabweichung"), QStringLiteral("Interessen34"),
                                QStringLiteral("Versetzung3"), QStringLiteral("Bemerkungen34"), QStringLiteral("AG")})
        EXPECT_TRUE(messages->shown().back().prompt.contains(QStringLiteral("Daten\\%1.Txt").arg(stem))) << stem.toStdString();
    Files::setWriteFailure(nullptr);
}

TEST_F(Grade34EditorTest, TheCloseQuestionFollowsTheSavedState)
{
    checkLeaving({
        {"an area button after saving", true, true, [](GSAenderung34& w) { User::click(w.Command2(2)); }, false},
        {"a box left after saving, unchanged", true, true, [](GSAenderung34& w) { User::click(w.Text1(3)); }, true},
    }, CloseQuestion);
}

TEST_F(Grade34EditorTest, AnEditThenBeendenAsksAndYesWritesTheEdit)
{
    GSAenderung34& w = openLoaded();
    User::click(w.Command7(0));
    User::click(w.Command2(2));
    checkYesToTheCloseQuestionWritesTheEdit(w, w.Text4(10), QStringLiteral("große Sorgfalt"),
                                            QStringLiteral("Bemerkungen34.Txt"), CloseQuestion);
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Bemerkungen34.Txt"))
                    .contains(QStringLiteral("\r\n2,\"Im Unterricht zeigt <Vorname>\",\"große Sorgfalt\",")));
}

TEST_F(Grade34EditorTest, TheTitleBarTheMainMenuAndTheEndOfTheProgramAskOnlyForUnsavedEdits)
{
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    checkTitleBarAndUntouchedSet(start, CloseQuestion);
    checkMenuAndEndAskAboutAnEdit(start, [](GSAenderung34& w) -> TextBox& { return w.Text1(4); },
                                  QStringLiteral("Förder34.Txt"), CloseQuestion);
}

TEST_F(Grade34EditorTest, ThePasswordCopiesAllSevenFilesWhateverTheGrade)
{
    installSelfNamedSet();
    GSAenderung34& w = openLoaded();
    checkPasswordCopiesTheCurrentSet(w, 7);
    const auto defaults = defaultSet();

    // A copy that fails leaves every default as it was.
    writeFile(QStringLiteral("Daten/Förder34.Txt"), selfNamedText(QStringLiteral("Förder34"), 1, 3));
    Files::setWriteFailure([](const QString& target) { return target.endsWith(QStringLiteral("/AGStandard.Txt")); });
    messages->expect(PasswordQuestion, vbYes);
    inputs->answerNext(QStringLiteral("Wolkenbruch"));
    messages->expect(QStringLiteral("Die Datei Daten\\AG.Txt konnte nicht nach Daten\\Standard\\AGStandard.Txt kopiert werden."));
    User::dblClick(w.Label1);
    EXPECT_EQ(defaultSet(), defaults);
    EXPECT_TRUE(isOpen());
}

TEST_F(Grade34EditorTest, FileProblemsAreNamedAndTheEditorStaysUsable)
{
    // Each file one record longer than its array: named with the records read, in reading order.
    // The promotion file of the other grade is not read.
    QStringList tooLong;
    for (const SetFileLayout& f : Layouts) {
        writeFile(QStringLiteral("Daten/") + f.stem + QStringLiteral(".Txt"), selfNamedText(f.stem, f.columns, f.fixtureRecords + 1));
        if (f.stem != QStringLiteral("Versetzung4"))
            tooLong << QStringLiteral("Die Datei Daten\\%1.Txt enthält mehr Einträge, als das Programm aufnehmen kann. Es "
                                      "werden nur die ersten %2 Einträge gelesen.")
                           .arg(f.stem)
                           .arg(f.fixtureRecords);
    }
    GSAenderung34& full = openLoaded(1, tooLong);
    EXPECT_EQ(full.Text3(13).text(), cellName(QStringLiteral("Interessen34"), 1, 14));
    messages->expect(CloseQuestion, vbNo);
    User::click(full.Command6);
    settle();

    // A missing file: named, its boxes empty, the rest loaded.
    installSelfNamedSet();
    QFile::remove(path(QStringLiteral("Daten/AG.Txt")));
    GSAenderung34& w = openLoaded(1, {QStringLiteral("Die Datei Daten\\AG.Txt ist nicht vorhanden")});
    EXPECT_TRUE(w.Text2(2).text().isEmpty());
    EXPECT_EQ(w.Text1(7).text(), cellName(QStringLiteral("Förder34"), 1, 8));

    // A file that cannot be written keeps its old content; the others are written, and leaving
    // does not drop the edits.
    saveWithAFileThatCannotBeWritten(w, QStringLiteral("Interessen34.Txt"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/AG.Txt")), QStringLiteral("1,\"\"\r\n2,\"\"\r\n"));
    checkLeavingAfterAFailedSave(w, QStringLiteral("Daten\\Interessen34.Txt"), CloseQuestion);
}

TEST_F(Grade34EditorTest, AMissingDefaultFolderIsNotSavedOverTheCurrentFiles)
{
    QDir(path(QStringLiteral("Daten/Standard"))).removeRecursively();
    const QStringList read = {QStringLiteral("Förder34"), QStringLiteral("Zensurabweichung"), QStringLiteral("Interessen34"),
                              QStringLiteral("Versetzung3"), QStringLiteral("Bemerkungen34"), QStringLiteral("AG")};
    QStringList missing;
    QStringList kept;
    for (const QString& stem : read) {
        missing << QStringLiteral("Die Datei Daten\\Standard\\%1Standard.Txt ist nicht vorhanden").arg(stem);
        kept << stem + QStringLiteral(".Txt");
    }
    checkASetReadInPartIsNotSavedOver(0, missing, QStringLiteral("Daten\\Standard\\AGStandard.Txt (nicht vorhanden)"), kept,
                                      [](GSAenderung34& w) -> TextBox& { return w.Text1(2); }, CloseQuestion);
}

TEST_F(Grade34EditorTest, EveryShippedLineIsReadableWhole)
{
    for (const QString& grade : {QStringLiteral("3"), QStringLiteral("4")}) {
        setClass(grade + QStringLiteral("a"));
        for (const QString& halfYear : {QStringLiteral("1"), QStringLiteral("2")}) {
            setHalfYear(halfYear);
            GSAenderung34& w = openLoaded();
            for (int area = 0; area < 3; ++area) {
                SCOPED_TRACE(testing::Message() << "grade " << grade.toStdString() << ", half-year "
                                                << halfYear.toStdString() << ", area " << area);
                User::click(w.Command2(area));
                for (int array = 1; array <= 4; ++array)
                    test::expectEveryLineReadable(boxes(w, array));
            }
            messages->expect(CloseQuestion, vbNo);
            User::click(w.Command6);
            settle();
        }
    }
}

TEST_F(Grade34EditorTest, NoToTheLoadWarningClosesEditorAndInsertionDialogAndReadsNothing)
{
    checkRefusedStart(allCurrentFiles(), true);
}

TEST_F(Grade34EditorTest, OpeningAndLoadingSetTheButtonsInTheOrderGiven)
{
    GSAenderung34& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("34Änderung"));
    EXPECT_EQ(w.Text5(0).text(), QStringLiteral("Klasse 3a\r\n2026/2027"));
    EXPECT_EQ(w.Text5(1).text(), QStringLiteral("1. Halbj."));
    EXPECT_TRUE(w.Label5.visible());
    EXPECT_FALSE(w.Command5.visible());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(w.Command2(i).enabled());
    for (const Frame* f : {&w.Frame1, &w.Frame2, &w.Frame3})
        EXPECT_FALSE(f->visible());
    EXPECT_EQ(w.Command7(0).backColor(), Colours::LightGreen);
    EXPECT_TRUE(w.Command7(0).enabled());
    EXPECT_EQ(w.Command7(1).backColor(), Colours::Grey);
    EXPECT_FALSE(w.Command7(1).enabled());
    EXPECT_EQ(w.Command6.backColor(), Colours::Red);
    EXPECT_EQ(w.Command6.toolTip(), QStringLiteral("Zurück zum Startmenü"));
    EXPECT_EQ(w.Label2.caption(), QStringLiteral("Hinweise zur Änderung"));

    messages->expect(LoadWarning, vbYes);
    User::click(w.Command1(1));
    EXPECT_FALSE(w.Label5.visible());
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(w.Command1(i).visible());
        EXPECT_FALSE(w.Command1(i).enabled());
    }
    EXPECT_TRUE(w.Frame1.visible());
    EXPECT_EQ(w.Command2(0).backColor(), w.Frame1.backColor());
    EXPECT_EQ(w.Command2(1).backColor(), Colours::Grey);
    EXPECT_TRUE(w.Command2(2).enabled());
    EXPECT_TRUE(w.Command5.visible());
    EXPECT_EQ(w.Command5.backColor(), Colours::LightGreen);
    EXPECT_EQ(w.Label2.caption(),
              QStringLiteral("Der Punkt am Ende wird vom Programm gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.\r\n"
                             "Der rote Text ist zwar veränderbar, wird aber automatisch gesetzt.\r\n"
                             "In den blau hinterlegten Feldern ist Mehrfachauswahl möglich.\r\n"
                             "Nutzen Sie für die Platzhalter die Textvorgaben !"));
    EXPECT_TRUE(w.loaded());
    EXPECT_FALSE(w.saved());
}

TEST_F(Grade34EditorTest, AreaButtonsShowTheirFrameColourAndHint)
{
    GSAenderung34& w = openLoaded();
    const QString fourHints = w.Label2.caption();
    const QString interestsHint = QStringLiteral(
        "Der Punkt am Ende wird vom Programm gesetzt. Kommata bitte nur in der Mitte des Textes einfügen.\r\n"
        "Nutzen Sie für die Platzhalter die Textvorgaben !");
    const char* captions[] = {"Förderteilnahme und AG", "Interessen", "Bemerkungen"};
    Frame* frames[] = {&w.Frame1, &w.Frame2, &w.Frame3};
    for (int index : {1, 2, 0}) {
        SCOPED_TRACE(index);
        User::click(w.Command2(index));
        EXPECT_EQ(w.Command2(index).caption(), QString::fromUtf8(captions[index]));
        EXPECT_EQ(w.Command2(index).backColor(), frames[index]->backColor());
        for (int other = 0; other < 3; ++other) {
            EXPECT_EQ(frames[other]->visible(), other == index);
            if (other != index) {
                EXPECT_EQ(w.Command2(other).backColor(), Colours::Grey);
                EXPECT_NE(frames[other]->backColor(), frames[index]->backColor());
            }
        }
        EXPECT_EQ(w.Label2.caption(), index == 1 ? interestsHint : fourHints);
    }
}

TEST_F(Grade34EditorTest, TheMarksTellWhatTheCompositionOffersAndSetsByItself)
{
    GSAenderung34& w = open();
    const Colour lightBlue = 0xFFFFC0;
    const Colour lightYellow = 0x80FFFF;
    // Fore and back colour of every marked box; every other box is black on white.
    std::map<std::pair<int, int>, std::pair<Colour, Colour>> marks;
    for (int i = 1; i <= 6; ++i)
        marks[{1, i}] = {Colour(0), lightBlue};
    for (int i : {2, 3, 4, 9, 10, 11, 12, 13})
        marks[{4, i}] = {Colour(0), lightBlue};
    for (int i : {1, 5, 16})
        marks[{4, i}] = {Colours::Red, Colours::White};
    for (std::pair<int, int> fixed : {std::pair{2, 0}, {2, 1}, {3, 0}, {4, 0}})
        marks[fixed] = {Colours::Red, lightYellow};
    const int sizes[] = {8, 4, 14, 21};
    for (int array = 1; array <= 4; ++array) {
        EXPECT_EQ(boxes(w, array).upperBound() + 1, sizes[array - 1]) << array;
        boxes(w, array).forEach([&](int i, TextBox& box) {
            SCOPED_TRACE(testing::Message() << "Text" << array << "(" << i << ")");
            const auto mark = marks.count({array, i}) ? marks.at({array, i}) : std::pair{Colour(0), Colours::White};
            EXPECT_EQ(box.foreColor(), mark.first);
            EXPECT_EQ(box.backColor(), mark.second);
        });
    }
    const QString clubs = QStringLiteral(
        "In diesem Feld werden die aus der Datenbank übernommenen Arbeitsgemeinschaften automatisch angezeigt.");
    EXPECT_EQ(w.Text2(0).text(), clubs);
    EXPECT_EQ(w.Text2(1).text(), clubs);
    EXPECT_EQ(w.Text4(0).text(), QStringLiteral("Hier stehen Bemerkungen zum Schwimm- und Sportabzeichen und zur "
                                                "Radfahrprüfung. Sie sind durch das Programm gesteuert und nicht "
                                                "veränderbar.\r\n"));
    for (const TextBox* header : {&w.Text5(0), &w.Text5(1)}) {
        EXPECT_EQ(header->foreColor(), Colours::Red);
        EXPECT_EQ(header->backColor(), lightBlue);
    }
}

TEST_F(Grade34EditorTest, MainMenuEntryFiveOpensItWithThePlaceholderListHelpInsertionAndQuotes)
{
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    // The editors' entries show behind the start page's second button.
    User::click(start.Command2);
    User::click(start.Command1(GradeBlocksEditor));
    auto* w = registry.find<GSAenderung34>(WindowNames::Grade34Editor);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_FALSE(registry.Find(WindowNames::Insertion)->shown());
    messages->expect(LoadWarning, vbYes);
    User::click(w->Command1(1));
    EXPECT_EQ(w->Text1(1).text(), QStringLiteral("Deutsch"));
    User::click(w->Command7(0));
    EXPECT_TRUE(registry.Find(WindowNames::Insertion)->shown());
    EXPECT_FALSE(w->Command7(0).enabled());
    EXPECT_EQ(w->Command7(0).backColor(), Colours::White);
    EXPECT_EQ(w->Command7(1).backColor(), Colours::LightGreen);

    User::click(w->Command2(1));
    clipboard->setText(QStringLiteral("<in>"));
    w->Text3(5).setText(QStringLiteral("spielt als Torwart im Verein"));
    User::dblClickAt(w->Text3(5), 13);
    EXPECT_EQ(w->Text3(5).text(), QStringLiteral("spielt als Torwart<in> im Verein"));
    messages->expect(QStringLiteral("Doppelte Anführungszeichen werden zur Programmsteuerung benötigt."));
    User::typeKey(w->Text3(5), QLatin1Char('"'));
    EXPECT_TRUE(w->Text3(5).text().contains(QLatin1Char('\'')));
    messages->expect(QStringLiteral("Anführungszeichen, die Sie einfügen wollen"));
    User::paste(w->Text3(6), QStringLiteral("\"Jugend forscht\""));
    EXPECT_TRUE(w->Text3(6).text().contains(QStringLiteral("'Jugend forscht'")));
    // The fixed box takes no insertion either.
    const QString fixed = w->Text4(0).text();
    User::dblClickAt(w->Text4(0), 5);
    EXPECT_EQ(w->Text4(0).text(), fixed);

    // Hiding keeps the dialog loaded and empties the clipboard.
    User::click(w->Command7(1));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_FALSE(registry.Find(WindowNames::Insertion)->shown());
    EXPECT_TRUE(clipboard->text().isEmpty());
    EXPECT_TRUE(w->Command7(0).enabled());
    User::click(w->Command8);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe Texte\\Hilfe7.doc")});
}

TEST_F(Grade34EditorTest, RendersTheThreeAreas)
{
    GSAenderung34& w = openLoaded();
    const char* names[] = {"GSAenderung34_Foerder.png", "GSAenderung34_Interessen.png", "GSAenderung34_Bemerkungen.png"};
    for (int area = 0; area < 3; ++area) {
        User::click(w.Command2(area));
        test::renderToPng(w.window(), QString::fromLatin1(names[area]));
    }
}

} // namespace
