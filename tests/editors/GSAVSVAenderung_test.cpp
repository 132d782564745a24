#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "core/ProgramFolder.h"
#include "editors/GSAVSVAenderung.h"
#include "EditorTest.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QDir>
#include <QFile>
#include <functional>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {
const QStringList CurrentFiles = {QStringLiteral("AVKategorien.txt"), QStringLiteral("SVKategorien.txt"),
                                  QStringLiteral("TexteAV.txt"), QStringLiteral("TexteSV.txt")};
const QStringList DefaultFiles = {QStringLiteral("AVKategorienStandard.txt"), QStringLiteral("SVKategorienStandard.txt"),
                                  QStringLiteral("TexteAVStandard.txt"), QStringLiteral("TexteSVStandard.txt")};

using test::LoadWarning;
using test::PasswordQuestion;
const QString SaveQuestion = QStringLiteral("Sie überschreiben jetzt die aktuellen Formulierungen");
const QString CloseQuestion = QStringLiteral("Sie haben eventuelle Änderungen noch nicht gespeichert.");
const QString WrongPassword = QStringLiteral("Das Passwort war falsch!");

QByteArray fixture(const QString& relative)
{
    QFile f(QStringLiteral(ZT_FIXTURE_DIR "/editors/") + relative);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative.toStdString();
    return f.readAll();
}

class BehaviourEditorTest : public test::EditorTest<GSAVSVAenderung> {
protected:
    BehaviourEditorTest() : EditorTest(WindowNames::BehaviourEditor, &GSAVSVAenderung::Command1, SaveQuestion) {}

    // A current set that differs from the shipped defaults.
    void installLoadedFixture()
    {
        for (const QString& name : CurrentFiles)
            writeBytes(QStringLiteral("Daten/") + name, fixture(QStringLiteral("behaviour-loaded/") + name));
    }

    std::map<QString, QByteArray> currentSet() const override { return filesIn(QStringLiteral("Daten/"), CurrentFiles); }
};

TEST_F(BehaviourEditorTest, SavingWritesTheFourCurrentFilesWhole)
{
    installLoadedFixture();
    GSAVSVAenderung& w = openLoaded();
    save(w);
    // The eighth category and the eleventh line are read but never written back; only the
    // category on screen was taken over and cleaned.
    for (const QString& name : CurrentFiles)
        EXPECT_EQ(readBytes(QStringLiteral("Daten/") + name), fixture(QStringLiteral("behaviour-saved/") + name))
            << name.toStdString();
    EXPECT_TRUE(w.saved());
}

TEST_F(BehaviourEditorTest, SavingLoadedDefaultsReplacesTheCurrentSetAndLeavesTheDefaults)
{
    installLoadedFixture();
    const auto defaults = defaultSet();
    const QStringList before = QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files);
    GSAVSVAenderung& w = openLoaded(0);
    EXPECT_EQ(w.Text1.text(), QStringLiteral("Lernbereitschaft"));
    save(w);
    for (int i = 0; i < CurrentFiles.size(); ++i)
        EXPECT_EQ(readBytes(QStringLiteral("Daten/") + CurrentFiles[i]), defaults.at(DefaultFiles[i]))
            << CurrentFiles[i].toStdString();
    EXPECT_EQ(defaultSet(), defaults);
    EXPECT_EQ(QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files), before);
}

TEST_F(BehaviourEditorTest, OneSetIsLoadedPerOpening)
{
    GSAVSVAenderung& w = open();
    EXPECT_FALSE(w.Command5.visible());
    EXPECT_FALSE(w.Command7(0).visible());
    for (Control* c : std::initializer_list<Control*>{&w.Command2, &w.Command3, &w.Text1, &w.Text2(0), &w.Text2(9)})
        EXPECT_FALSE(c->enabled());
    messages->expect(LoadWarning, vbYes);
    User::click(w.Command1(1));
    EXPECT_FALSE(w.Command1(0).visible());
    EXPECT_FALSE(w.Command1(1).visible());
    EXPECT_TRUE(w.Command5.visible());
    for (Control* c : std::initializer_list<Control*>{&w.Command2, &w.Command3, &w.Text1, &w.Text2(0), &w.Text2(9)})
        EXPECT_TRUE(c->enabled());
    EXPECT_EQ(w.Command2.backColor(), Colours::LightRed);
    EXPECT_EQ(w.Command4(0).backColor(), Colours::LightRed);
    EXPECT_EQ(w.Command4(6).caption(), QStringLiteral("Gesamturteil"));
    EXPECT_TRUE(w.Text2(0).readOnly());
    EXPECT_EQ(w.Text2(0).toolTip(), QStringLiteral("Hier sind keine Änderungen möglich!"));
}

TEST_F(BehaviourEditorTest, NoToTheLoadWarningReadsNothingAndClosesOnlyTheEditor)
{
    checkRefusedStart(CurrentFiles, false);
}

TEST_F(BehaviourEditorTest, TheCloseQuestionFollowsTheSavedState)
{
    checkLeaving({
        {"category click before a load", false, false, [](GSAVSVAenderung& w) { User::click(w.Command4(2)); }, false},
        {"category click after saving", true, true, [](GSAVSVAenderung& w) { User::click(w.Command4(0)); }, true},
        {"area switch after saving", true, true, [](GSAVSVAenderung& w) { User::click(w.Command3); }, true},
        {"colour click after saving", true, true, [](GSAVSVAenderung& w) { User::click(w.Command7(4)); }, true},
        {"typing a line after saving", true, true, [](GSAVSVAenderung& w) { User::typeText(w.Text2(2), QStringLiteral("x")); }, true},
        {"typing the name after saving", true, true, [](GSAVSVAenderung& w) { User::typeText(w.Text1, QStringLiteral("x")); }, false},
    }, CloseQuestion);
}

TEST_F(BehaviourEditorTest, YesToTheCloseQuestionSavesTheBoxesOnScreen)
{
    installLoadedFixture();
    GSAVSVAenderung& w = openLoaded();
    User::click(w.Command8(0));
    clipboard->setText(QStringLiteral("<in>"));
    User::click(w.Command4(1));
    User::retype(w.Text1, QStringLiteral("Beteiligung"));
    User::retype(w.Text2(3), QStringLiteral("meldet sich  oft"));
    messages->expect(CloseQuestion, vbYes);
    User::click(w.Command6);
    EXPECT_EQ(messages->shown().back().style, 292);
    EXPECT_TRUE(clipboard->text().isEmpty());
    EXPECT_FALSE(isOpen());
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/AVKategorien.txt")).contains(QStringLiteral("\r\n2,\"Beteiligung\",")));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/TexteAV.txt")).contains(QStringLiteral("\r\n4,\"fragt nach\",\"meldet sich oft\",")));
}

TEST_F(BehaviourEditorTest, TheTitleBarAndTheMainMenuAskOnlyForEditsNotYetSaved)
{
    installLoadedFixture();
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    checkTitleBarAndUntouchedSet(start, CloseQuestion);

    // An edit still in its box is taken over and asked about; Yes saves it before the entry goes on.
    GSAVSVAenderung& edited = openLoaded();
    User::retype(edited.Text2(3), QStringLiteral("meldet sich oft"));
    messages->expect(CloseQuestion, vbYes);
    User::click(start.Command1(0));
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(readFile(QStringLiteral("Daten/TexteAV.txt")).contains(QStringLiteral("\r\n4,\"meldet sich oft\",")));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("0\r\n"));
}

TEST_F(BehaviourEditorTest, TheMainMenuAsksAboutANameTypedAfterSaving)
{
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    GSAVSVAenderung& w = openLoaded();
    save(w);
    // "Beenden" would let it go, as the saved flag ignores the name box; the main menu compares.
    User::retype(w.Text1, QStringLiteral("Lernwille"));
    messages->expect(CloseQuestion, vbYes);
    User::click(start.Command1(0));
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(readFile(QStringLiteral("Daten/AVKategorien.txt")).startsWith(QStringLiteral("1,\"Lernwille\",")));
}

TEST_F(BehaviourEditorTest, SwitchingAreaStoresTheShownCategoryIntoItsOwnArea)
{
    GSAVSVAenderung& w = openLoaded();
    const BehaviourArea sv = w.svBlocks();
    User::click(w.Command4(2));
    User::retype(w.Text2(5), QStringLiteral("AV geändert"));
    User::click(w.Command3);
    EXPECT_EQ(w.avBlocks().line(3, 5), QStringLiteral("AV geändert"));
    EXPECT_EQ(w.svBlocks().lines, sv.lines);
    EXPECT_EQ(w.Text1.text(), QStringLiteral("Umgang mit anderen"));
    User::retype(w.Text2(2), QStringLiteral("SV geändert"));
    User::click(w.Command2);
    EXPECT_EQ(w.svBlocks().line(1, 2), QStringLiteral("SV geändert"));
    User::click(w.Command4(2));
    EXPECT_EQ(w.Text2(5).text(), QStringLiteral("AV geändert"));
}

TEST_F(BehaviourEditorTest, SocialBehaviourShowsSixCategoryButtons)
{
    GSAVSVAenderung& w = openLoaded();
    const CommandButton& tall = w.Command4(6);
    const int gridLeft = w.Command4(5).left();
    const int gridTop = w.Command4(5).top();
    User::click(w.Command3);
    EXPECT_FALSE(w.Command4(6).visible());
    const CommandButton& sixth = w.Command4(5);
    EXPECT_EQ(std::tuple(sixth.left(), sixth.top(), sixth.width(), sixth.height()),
              std::tuple(tall.left(), tall.top(), tall.width(), tall.height()));
    EXPECT_EQ(sixth.caption(), QStringLiteral("Gesamturteil"));
    EXPECT_EQ(w.Command3.backColor(), Colours::LightRed);
    EXPECT_EQ(w.Command2.backColor(), Colours::White);
    User::click(w.Command2);
    EXPECT_TRUE(w.Command4(6).visible());
    EXPECT_EQ(std::tuple(sixth.left(), sixth.top(), sixth.height()), std::tuple(gridLeft, gridTop, w.Command4(4).height()));
    EXPECT_EQ(sixth.caption(), QStringLiteral("Sorgfalt und Ordnung"));
}

TEST_F(BehaviourEditorTest, TakenOverLinesAreTrimmedAndTheirFirstRunOfBlanksReduced)
{
    struct Case { const char* typed; const char* stored; };
    const Case cases[] = {
        {"  hilft  gern   und  oft  ", "hilft gern   und  oft"},
        {"arbeitet     zügig", "arbeitet zügig"},
        {"ohne doppelte Blanks", "ohne doppelte Blanks"},
        {"   ", ""},
    };
    GSAVSVAenderung& w = openLoaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        User::retype(w.Text2(4), QString::fromUtf8(c.typed));
        User::retype(w.Text1, QString::fromUtf8(c.typed));
        User::click(w.Command4(0));
        EXPECT_EQ(w.avBlocks().line(1, 4), QString::fromUtf8(c.stored));
        EXPECT_EQ(w.avBlocks().names[0], QString::fromUtf8(c.typed));
        EXPECT_EQ(w.Text2(4).text(), QString::fromUtf8(c.stored));
    }
}

TEST_F(BehaviourEditorTest, ColourClicksShareOneCounterAndStoreTheMarks)
{
    GSAVSVAenderung& first = open();
    // Before a load a click only paints its line.
    User::click(first.Command7(8));
    EXPECT_EQ(first.Text2(8).backColor(), Colours::White);
    User::click(first.Command6);
    settle();

    installLoadedFixture();
    GSAVSVAenderung& w = openLoaded();
    const BehaviourArea before = w.avBlocks();
    struct Click { int line; Colour colour; };
    const Click clicks[] = {{3, Colours::White},    {7, Colours::LightGreen}, {1, Colours::PaleGreen},
                            {3, Colours::LightOrange}, {9, Colours::LightRed}, {2, Colours::White}};
    for (const Click& c : clicks) {
        User::click(w.Command7(c.line));
        EXPECT_EQ(w.Text2(c.line).backColor(), c.colour) << "line " << c.line;
    }
    const std::pair<int, int> marks[] = {{1, 2}, {2, 0}, {3, 3}, {4, before.mark(1, 4)}, {7, 1}, {9, 4}};
    for (auto [line, mark] : marks)
        EXPECT_EQ(w.avBlocks().mark(1, line), mark) << "line " << line;
    EXPECT_EQ(w.avBlocks().marks[1], before.marks[1]);
    User::click(w.Command4(1));
    User::click(w.Command4(0));
    EXPECT_EQ(w.Text2(3).backColor(), Colours::LightOrange);
    EXPECT_EQ(w.Text2(0).backColor(), Colours::White);
    save(w);
    EXPECT_TRUE(readFile(QStringLiteral("Daten/AVKategorien.txt")).startsWith(QStringLiteral("1,\"Lernfreude\",2,0,3,2,3,3,1,4,4\r\n")));
}

TEST_F(BehaviourEditorTest, HintsFollowAreaAndCategory)
{
    GSAVSVAenderung& w = open();
    User::click(w.Command4(2));
    EXPECT_EQ(w.Label3.caption(), QStringLiteral("Hinweise zur Änderung der Textbausteine"));
    EXPECT_EQ(w.Label3.foreColor(), 0xFF0000);
    EXPECT_EQ(w.Label3.backColor(), Colours::LightOrange);
    messages->expect(LoadWarning, vbYes);
    User::click(w.Command1(1));
    const QString redLine = QStringLiteral("\r\nText kann bis zur roten Linie eingegeben werden. Längerer Text wird zwar "
                                           "übernommen und angezeigt, ist aber schlecht lesbar.");
    EXPECT_EQ(w.Label3.caption(), QStringLiteral("In allen Zeilen wird vom Programm automatisch der Vorname eingefügt. Auch "
                                                 "der Punkt am Ende wird vom Programm gesetzt. Kommata bitte nur in der "
                                                 "Mitte des Textes einfügen.") + redLine);
    User::click(w.Command4(2));
    EXPECT_TRUE(w.Label3.caption().startsWith(QStringLiteral("In allen Zeilen wird vom Programm automatisch 'Er' oder 'Sie' "
                                                             "am Anfang eingefügt, bei den Zeilen 5 und 9 'Ihm' oder 'Ihr'.")));
    EXPECT_TRUE(w.Label3.caption().endsWith(QStringLiteral("einfügen.\r\nWenn die Kategorien davor leer sind, wird am Anfang der "
                                                           "Vorname automatisch eingesetzt.") + redLine));
    User::click(w.Command3);
    User::click(w.Command4(5));
    EXPECT_EQ(w.Label3.caption(), QStringLiteral("Der Punkt am Ende wird vom Programm gesetzt.\r\nDie obigen Formulierungen "
                                                 "sind durch Zeugniserlass vorgegeben. Änderungen sollten nur nach "
                                                 "sorgfältiger Prüfung vorgenommen werden!") + redLine);
}

TEST_F(BehaviourEditorTest, ThePasswordCopiesTheCurrentFilesAsTheyLieOnDisk)
{
    installLoadedFixture();
    const auto shippedDefaults = defaultSet();
    struct Case { const char* typed; bool copies; };
    const Case cases[] = {
        {"wolkenbruch", false}, {"Wolkenbruch ", false}, {"", false}, {"Wolkenbruch", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        GSAVSVAenderung& w = openLoaded();
        const auto saved = currentSet();
        User::retype(w.Text2(1), QStringLiteral("nur auf dem Bildschirm"));
        messages->expect(PasswordQuestion, vbYes);
        inputs->answerNext(QString::fromUtf8(c.typed));
        if (!c.copies)
            messages->expect(WrongPassword);
        User::dblClick(w.Label1);
        messages->verifyDone();
        EXPECT_EQ(messages->shown().back().style, c.copies ? 35 : 16);
        EXPECT_EQ(inputs->asked().back().prompt, QStringLiteral("Geben Sie das Passwort ein!"));
        const auto defaults = defaultSet();
        for (int i = 0; i < CurrentFiles.size(); ++i)
            EXPECT_EQ(defaults.at(DefaultFiles[i]), c.copies ? saved.at(CurrentFiles[i]) : shippedDefaults.at(DefaultFiles[i]));
        EXPECT_EQ(currentSet(), saved);
        messages->expect(CloseQuestion, vbNo);
        User::click(w.Command6);
        settle();
    }
}

TEST_F(BehaviourEditorTest, RefusingThePasswordQuestionOrNotLoadingCopiesNothing)
{
    installLoadedFixture();
    const auto defaults = defaultSet();
    GSAVSVAenderung& w = open();
    User::dblClick(w.Label1);
    messages->expect(LoadWarning, vbYes);
    User::click(w.Command1(1));
    for (int answer : {vbNo, vbCancel}) {
        messages->expect(PasswordQuestion, answer);
        User::dblClick(w.Label1);
    }
    messages->verifyDone();
    EXPECT_TRUE(inputs->asked().empty());
    EXPECT_EQ(defaultSet(), defaults);
}

TEST_F(BehaviourEditorTest, AFailedCopyLeavesTheWholeDefaultSetAsItWas)
{
    installLoadedFixture();
    const auto defaults = defaultSet();
    GSAVSVAenderung& w = openLoaded();
    // The last target cannot be written, so the three copied before it are put back.
    QFile::remove(path(QStringLiteral("Daten/Standard/TexteSVStandard.txt")));
    QDir().mkpath(path(QStringLiteral("Daten/Standard/TexteSVStandard.txt")));
    messages->expect(PasswordQuestion, vbYes);
    inputs->answerNext(QStringLiteral("Wolkenbruch"));
    messages->expect(QStringLiteral("Die Datei Daten\\TexteSV.txt konnte nicht nach Daten\\Standard\\TexteSVStandard.txt "
                                    "kopiert werden."));
    User::dblClick(w.Label1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(readBytes(QStringLiteral("Daten/Standard/") + DefaultFiles[i]), defaults.at(DefaultFiles[i]));

    // A missing source is found before any default is touched.
    QDir(path(QStringLiteral("Daten/Standard/TexteSVStandard.txt"))).removeRecursively();
    QFile::remove(path(QStringLiteral("Daten/SVKategorien.txt")));
    messages->expect(PasswordQuestion, vbYes);
    inputs->answerNext(QStringLiteral("Wolkenbruch"));
    messages->expect(QStringLiteral("Die Datei Daten\\SVKategorien.txt ist nicht vorhanden"));
    User::dblClick(w.Label1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(readBytes(QStringLiteral("Daten/Standard/") + DefaultFiles[i]), defaults.at(DefaultFiles[i]));
    EXPECT_TRUE(isOpen());
}

TEST_F(BehaviourEditorTest, ADefaultThatCannotBePutBackIsNamedAndTheRollbackStops)
{
    installLoadedFixture();
    const auto defaults = defaultSet();
    const auto current = currentSet();
    GSAVSVAenderung& w = openLoaded();
    // The last copy fails; then the second default cannot be written back.
    bool copyFailed = false;
    Files::setWriteFailure([&copyFailed](const QString& target) {
        if (target.endsWith(QStringLiteral("/TexteSVStandard.txt")))
            return copyFailed = true;
        return copyFailed && target.endsWith(QStringLiteral("/SVKategorienStandard.txt"));
    });
    messages->expect(PasswordQuestion, vbYes);
    inputs->answerNext(QStringLiteral("Wolkenbruch"));
    messages->expect(QStringLiteral("Die Datei Daten\\TexteSV.txt konnte nicht nach"));
    messages->expect(QStringLiteral("Die Datei Daten\\Standard\\SVKategorienStandard.txt konnte nicht gespeichert werden."));
    User::dblClick(w.Label1);
    messages->verifyDone();
    const auto after = defaultSet();
    EXPECT_EQ(after.at(DefaultFiles[0]), defaults.at(DefaultFiles[0]));
    EXPECT_EQ(after.at(DefaultFiles[1]), current.at(CurrentFiles[1]));
    EXPECT_EQ(after.at(DefaultFiles[2]), current.at(CurrentFiles[2]));
    EXPECT_EQ(after.at(DefaultFiles[3]), defaults.at(DefaultFiles[3]));
    EXPECT_TRUE(isOpen());
}

TEST_F(BehaviourEditorTest, ADamagedCategoryFileIsSavedOverOnlyAfterAQuestion)
{
    // A text where a colour mark belongs: the file is read as far as it goes.
    QString damaged = readFile(QStringLiteral("Daten/AVKategorien.txt"));
    damaged.replace(QStringLiteral("1,\"Lernbereitschaft\",1,"), QStringLiteral("1,\"Lernbereitschaft\",\"rot\","));
    writeFile(QStringLiteral("Daten/AVKategorien.txt"), damaged);
    const QByteArray damagedBytes = readBytes(QStringLiteral("Daten/AVKategorien.txt"));
    const QString question = QStringLiteral("Die Datei Daten\\AVKategorien.txt war beim Laden beschädigt");
    GSAVSVAenderung& w = openLoaded(1, {QStringLiteral("Die Datei Daten\\AVKategorien.txt ist beschädigt")});
    User::retype(w.Text2(3), QStringLiteral("meldet sich oft"));

    // No keeps the damaged file; the rest of the set is saved, the set counts as unsaved.
    messages->expect(SaveQuestion, vbYes);
    messages->expect(question, vbNo);
    User::click(w.Command5);
    messages->verifyDone();
    EXPECT_EQ(messages->shown().back().style, 308);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AVKategorien.txt")), damagedBytes);
    EXPECT_TRUE(readFile(QStringLiteral("Daten/TexteAV.txt")).contains(QStringLiteral("\r\n4,\"meldet sich oft\",")));
    EXPECT_FALSE(w.saved());

    // Yes overwrites it, and a later save asks no more.
    messages->expect(SaveQuestion, vbYes);
    messages->expect(question, vbYes);
    User::click(w.Command5);
    EXPECT_TRUE(readFile(QStringLiteral("Daten/AVKategorien.txt")).startsWith(QStringLiteral("1,\"Lernbereitschaft\",0,1,2,")));
    EXPECT_TRUE(w.saved());
    save(w);
    messages->verifyDone();
}

TEST_F(BehaviourEditorTest, FileProblemsAreReportedAndTheEditorStaysUsable)
{
    // A missing file and an overlong one: each named, the rest of the set loaded.
    QFile::remove(path(QStringLiteral("Daten/TexteSV.txt")));
    QString longFile = readFile(QStringLiteral("Daten/TexteAV.txt"));
    longFile += QStringLiteral("11,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n12,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    writeFile(QStringLiteral("Daten/TexteAV.txt"), longFile);
    GSAVSVAenderung& w = openLoaded(1, {QStringLiteral("Die Datei Daten\\TexteAV.txt enthält mehr Einträge"),
                                        QStringLiteral("Die Datei Daten\\TexteSV.txt ist nicht vorhanden")});
    EXPECT_EQ(w.Text2(1).text(), QStringLiteral("zeigt stets eine sehr große Lernfreude"));
    User::click(w.Command3);
    EXPECT_EQ(w.Command4(0).caption(), QStringLiteral("Umgang mit anderen"));
    EXPECT_TRUE(w.Text2(1).text().isEmpty());

    // A file that cannot be written keeps its old content, and leaving does not drop the edits.
    const QByteArray avNames = readBytes(QStringLiteral("Daten/AVKategorien.txt"));
    QDir().mkpath(path(QStringLiteral("Daten/TexteSV.txt")));
    User::retype(w.Text1, QStringLiteral("Miteinander"));
    messages->expect(SaveQuestion, vbYes);
    messages->expect(QStringLiteral("Die Datei Daten\\TexteSV.txt konnte nicht gespeichert werden."));
    User::click(w.Command5);
    EXPECT_NE(readBytes(QStringLiteral("Daten/SVKategorien.txt")), QByteArray());
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AVKategorien.txt")), avNames);
    checkLeavingAfterAFailedSave(w, QStringLiteral("Daten\\TexteSV.txt"), CloseQuestion);
}

TEST_F(BehaviourEditorTest, MissingDefaultFolderIsReportedFileByFile)
{
    QDir(path(QStringLiteral("Daten/Standard"))).removeRecursively();
    QStringList missing;
    for (int i : {0, 2, 1, 3})
        missing << QStringLiteral("Die Datei Daten\\Standard\\%1 ist nicht vorhanden").arg(DefaultFiles[i]);
    GSAVSVAenderung& w = openLoaded(0, missing);
    EXPECT_TRUE(w.loaded());
    messages->expect(PasswordQuestion, vbYes);
    inputs->answerNext(QStringLiteral("Wolkenbruch"));
    messages->expect(QStringLiteral("Die Datei Daten\\AVKategorien.txt konnte nicht nach Daten\\Standard\\"));
    User::dblClick(w.Label1);
    EXPECT_FALSE(QDir(path(QStringLiteral("Daten/Standard"))).exists());
}

TEST_F(BehaviourEditorTest, ADefaultReadInPartIsNotSavedOverTheCurrentFile)
{
    const QString defaultFile = QStringLiteral("Daten/Standard/TexteAVStandard.txt");
    const QByteArray shipped = readBytes(defaultFile);
    struct Case {
        const char* what;
        QByteArray bytes;
        QString problem;
        QString question;
    };
    // Cut inside the first formulation of line 1.
    const Case cases[] = {
        {"missing", QByteArray(), QStringLiteral("Die Datei Daten\\Standard\\TexteAVStandard.txt ist nicht vorhanden"),
         QStringLiteral("Die Datei Daten\\Standard\\TexteAVStandard.txt war beim Laden nicht vorhanden")},
        {"cut inside a text", shipped.left(150), QStringLiteral("Die Datei Daten\\Standard\\TexteAVStandard.txt ist beschädigt"),
         QStringLiteral("Die Datei Daten\\Standard\\TexteAVStandard.txt war beim Laden beschädigt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.bytes.isNull())
            QFile::remove(path(defaultFile));
        else
            writeBytes(defaultFile, c.bytes);
        checkASetReadInPartIsNotSavedOver(0, {c.problem}, c.question, {QStringLiteral("TexteAV.txt")},
                                          [](GSAVSVAenderung& w) -> TextBox& { return w.Text1; }, CloseQuestion);
        settle();
    }
}

TEST_F(BehaviourEditorTest, ALongLineSurvivesLoadAndSaveByteForByte)
{
    struct Case {
        qsizetype length;
        bool told;
    };
    // Past what Qt's boxes take by themselves; past what a box of ours takes.
    const Case cases[] = {{40000, false}, {5000000, true}};
    const QByteArray shipped = readBytes(QStringLiteral("Daten/TexteAV.txt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        writeBytes(QStringLiteral("Daten/TexteAV.txt"), shipped);
        BehaviourArea av(AvCategories, AvCategories + 1);
        ASSERT_TRUE(readLineFile(AvLineFile, av));
        QString line = QStringLiteral("arbeitet ausdauernd");
        while (line.size() < c.length)
            line += QStringLiteral(" und ausdauernd");
        // Ending in a blank, it would be trimmed as every taken-over line is.
        line.truncate(c.length - 1);
        line += QLatin1Char('n');
        av.lines[0][2] = line;
        writeFile(QStringLiteral("Daten/TexteAV.txt"), lineFileText(av));
        const QByteArray before = readBytes(QStringLiteral("Daten/TexteAV.txt"));

        GSAVSVAenderung& w = openLoaded(1, c.told ? QStringList{QStringLiteral("Die Datei Daten\\TexteAV.txt enthält einen "
                                                                               "Text mit 5.000.000 Zeichen")}
                                                  : QStringList{});
        EXPECT_EQ(w.Text2(2).text(), line);
        EXPECT_EQ(w.Text2(2).readOnly(), c.told);
        // The line below it is edited and saved as well.
        User::retype(w.Text2(3), QStringLiteral("arbeitet gern im Team"));
        save(w);
        messages->verifyDone();
        const QByteArray expected =
            QByteArray(before).replace("4,\"zeigt eine gute Lernbereitschaft\"", "4,\"arbeitet gern im Team\"");
        ASSERT_TRUE(expected != before);
        EXPECT_TRUE(readBytes(QStringLiteral("Daten/TexteAV.txt")) == expected);
        User::click(w.Command6);
        settle();
    }
}

TEST_F(BehaviourEditorTest, EveryShippedLineIsReadableWhole)
{
    GSAVSVAenderung& w = openLoaded();
    for (CommandButton* area : {&w.Command2, &w.Command3}) {
        User::click(*area);
        const int categories = area == &w.Command2 ? AvCategories : SvCategories;
        for (int category = 0; category < categories; ++category) {
            SCOPED_TRACE(w.Command4(category).caption().toStdString());
            User::click(w.Command4(category));
            EXPECT_TRUE(test::showsWholeText(w.Text1));
            test::expectEveryLineReadable(w.Text2);
        }
    }
}

TEST_F(BehaviourEditorTest, DoubleClickInsertsTheClipboardBehindTheWord)
{
    GSAVSVAenderung& w = openLoaded();
    User::click(w.Command4(4));
    struct Case { const char* clip; const char* text; int at; const char* result; };
    const Case cases[] = {
        {"<in>", "als Helfer der Klasse", 6, "als Helfer<in> der Klasse"},
        {"<Er/Sie>", "Danach hilft", 12, "Danach hilft <Er/Sie>"},
        {"", "bleibt so", 3, "bleibt so"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clip);
        clipboard->setText(QString::fromUtf8(c.clip));
        w.Text2(2).setText(QString::fromUtf8(c.text));
        User::dblClickAt(w.Text2(2), c.at - 1);
        EXPECT_EQ(w.Text2(2).text(), QString::fromUtf8(c.result));
        EXPECT_EQ(clipboard->text(), QString::fromUtf8(c.clip));
    }
}

TEST_F(BehaviourEditorTest, LineZeroCannotBeChanged)
{
    GSAVSVAenderung& w = openLoaded();
    const QString lineZero = w.Text2(0).text();
    User::typeKey(w.Text2(0), QLatin1Char('x'));
    messages->expect(QStringLiteral("Doppelte Anführungszeichen"));
    User::typeKey(w.Text2(0), QLatin1Char('"'));
    clipboard->setText(QStringLiteral("<in>"));
    User::dblClickAt(w.Text2(0), 2);
    EXPECT_EQ(w.Text2(0).text(), lineZero);
}

TEST_F(BehaviourEditorTest, QuotesBecomeApostrophesWithANotice)
{
    GSAVSVAenderung& w = openLoaded();
    messages->expect(QStringLiteral("Doppelte Anführungszeichen werden zur Programmsteuerung benötigt."));
    User::typeKey(w.Text1, QLatin1Char('"'));
    EXPECT_TRUE(w.Text1.text().contains(QLatin1Char('\'')));
    messages->expect(QStringLiteral("Anführungszeichen, die Sie einfügen wollen"));
    User::paste(w.Text2(3), QStringLiteral("\"so\""));
    EXPECT_TRUE(w.Text2(3).text().contains(QStringLiteral("'so'")));
}

TEST_F(BehaviourEditorTest, PlaceholderListAndHelp)
{
    writeActiveForm(BehaviourBlocksEditor);
    GSAVSVAenderung& w = open();
    EXPECT_EQ(w.Command8(0).backColor(), Colours::LightGreen);
    // All three buttons react from the start: hiding what is not shown still empties the clipboard.
    clipboard->setText(QStringLiteral("<Er/Sie>"));
    User::click(w.Command8(1));
    EXPECT_TRUE(clipboard->text().isEmpty());
    EXPECT_FALSE(w.Command8(1).enabled());
    EXPECT_EQ(w.Command8(1).backColor(), Colours::White);
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    User::click(w.Command8(0));
    EXPECT_TRUE(registry.Find(WindowNames::Insertion)->shown());
    EXPECT_FALSE(w.Command8(0).enabled());
    EXPECT_EQ(w.Command8(1).backColor(), Colours::LightGreen);
    clipboard->setText(QStringLiteral("<Er/Sie>"));
    User::click(w.Command8(1));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_TRUE(clipboard->text().isEmpty());
    EXPECT_TRUE(w.Command8(0).enabled());
    User::click(w.Command8(2));
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe Texte\\Hilfe8.doc")});
}

TEST_F(BehaviourEditorTest, MainMenuEntryFourOpensTheEditorWithTheShippedSet)
{
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    start.Command1_Click(BehaviourBlocksEditor);
    auto* w = registry.find<GSAVSVAenderung>(WindowNames::BehaviourEditor);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), QStringLiteral("Textänderung AVSV"));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    messages->expect(LoadWarning, vbYes);
    User::click(w->Command1(1));
    EXPECT_EQ(w->Command4(0).caption(), QStringLiteral("Lernbereitschaft"));
}

TEST_F(BehaviourEditorTest, RendersBothAreas)
{
    GSAVSVAenderung& w = openLoaded();
    EXPECT_EQ(w.Line1.left() - w.Text2(1).left(), 7780);
    EXPECT_EQ(w.Text2(1).width(), 10000);
    EXPECT_EQ(w.Line1.backColor(), Colours::Red);
    User::click(w.Command4(2));
    test::renderToPng(w.window(), QStringLiteral("GSAVSVAenderung_AV.png"));
    User::click(w.Command3);
    test::renderToPng(w.window(), QStringLiteral("GSAVSVAenderung_SV.png"));
}

} // namespace
