#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "Looks.h"
#include "masterdata/GsBasis.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <map>
#include <tuple>

using namespace zt;

namespace {
const QString TeacherPhoto = QStringLiteral("Frau Sommer.jpg");

class GsStartTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
    }

    void useClass(const QString& className, const QString& halfYear)
    {
        writeFile(QStringLiteral("Daten/Basisdaten.txt"),
                  QStringLiteral("\"Grundschule\",\"\",\"Weg 1\",\"Ort\",\"29.01.2027\",\"2026/2027\",\"%1\",\"2027/2028\","
                                 "\"21.01.2027\",\"Frau Sommer\"\r\n")
                      .arg(halfYear));
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  QStringLiteral("1,\"%1\",\"Meyer\",\"Lea\",\"w\",\"05.03.2017\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"
                                 "2,\"%1\",\"Kaya\",\"Emre\",\"m\",\"11.11.2017\",\"\",\"\",\"\",\"\",\"Ort\"\r\n")
                      .arg(className));
        // Stores of the shipped class would not match this list.
        writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QString());
        writeFile(QStringLiteral("Daten/AVSVWahl.txt"), QString());
    }

    // Every file of the program folder with its bytes.
    std::map<QString, QByteArray> programFiles() const
    {
        std::map<QString, QByteArray> files;
        for (QDirIterator it(path(QString()), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            const QString file = it.next();
            QFile f(file);
            files[file] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
        }
        return files;
    }

    GsStart& open()
    {
        return *static_cast<GsStart*>(WindowRegistry::instance().Show(WindowNames::Start));
    }

    WindowRegistry& registry = WindowRegistry::instance();
};
} // namespace

TEST_F(GsStartTest, FirstGradeHasNoFirstHalfYear)
{
    useClass(QStringLiteral("1b"), QStringLiteral("1"));
    GsStart& start = open();
    EXPECT_EQ(start.Label1(0).caption(), QStringLiteral("Klasse 1b"));
    EXPECT_EQ(start.Label1(1).caption(), QStringLiteral("Schuljahr 2026/2027"));
    EXPECT_EQ(start.Label1(2).caption(), QStringLiteral("1. Halbjahr"));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Basisdaten.txt")),
              QByteArray("\"Grundschule\",\"\",\"Weg 1\",\"Ort\",\"29.01.2027\",\"2026/2027\",\"2\",\"2027/2028\","
                         "\"21.01.2027\",\"Frau Sommer\"\r\n"));
    User::click(start.Command5);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe 1bZeugnisliste12.doc")});
    registry.Unload(WindowNames::Start);
    settle();
    EXPECT_EQ(open().Label1(2).caption(), QStringLiteral("2. Halbjahr"));
}

TEST_F(GsStartTest, TheGradeChoosesMenuEntriesAndCaptions)
{
    struct Case { QString className; bool competences; bool supportClubs; QString gradeEditor; QString listCaption; QString editorWindow; };
    const Case cases[] = {
        {QStringLiteral("3a"), false, true, QStringLiteral("Textbausteine für Förder und AG, Interessen und Bemerkungen ändern"),
         QStringLiteral("Zeugnisliste aufrufen"), WindowNames::Grade34Editor},
        {QStringLiteral("2a"), true, false, QStringLiteral("Textbausteine für Interessen, Kompetenzen und Bemerkungen ändern"),
         QStringLiteral("Versäumnisliste aufrufen"), WindowNames::Grade12Editor},
    };
    for (const Case& c : cases) {
        useClass(c.className, QStringLiteral("1"));
        GsStart& start = open();
        EXPECT_EQ(start.Command1(1).enabled(), c.competences) << c.className.toStdString();
        EXPECT_EQ(start.Command1(2).enabled(), c.supportClubs);
        EXPECT_EQ(start.Command1(5).caption(), c.gradeEditor);
        EXPECT_EQ(start.Command5.caption(), c.listCaption);
        start.Command1_Click(GradeBlocksEditor);
        EXPECT_TRUE(registry.IsLoaded(c.editorWindow));
        registry.UnloadAll();
        settle();
    }
}

TEST_F(GsStartTest, EveryButtonHasItsCaptionToolTipAndColour)
{
    useClass(QStringLiteral("3a"), QStringLiteral("1"));
    GsStart& start = open();
    struct Case { CommandButton* button; QString caption; QString tip; Colour colour; };
    const Colour face = start.Command6.backColor(); // buttons without a colour of their own
    const Case cases[] = {
        {&start.Command1(0), QStringLiteral("Arbeits- und Sozialverhalten erstellen"), QStringLiteral("Texte für jeden Schüler erstellen"), 0xFFFF00},
        {&start.Command1(1), QStringLiteral("Interessen, Kompetenzen und Bemerkungen erstellen"), QStringLiteral("Texte für jeden Schüler erstellen "), 0x80FF80},
        {&start.Command1(2), QStringLiteral("Förderteilnahme, AG, Interessen und Bemerkungen erstellen"), QStringLiteral("Texte für jeden Schüler erstellen"), 0x80FFFF},
        {&start.Command1(3), QStringLiteral("Bisherige Texte auf Bildschirm oder Drucker ausgeben"), QStringLiteral("Bisher eingegebene Texte ansehen oder ausdrucken"), 0x80C0FF},
        {&start.Command1(4), QStringLiteral("Textbausteine zum Arbeits- und Sozialverhalten ändern"), QStringLiteral("Textvorgaben selbst ändern und anpassen"), 0xFFFF00},
        {&start.Command1(5), QStringLiteral("Textbausteine für Förder und AG, Interessen und Bemerkungen ändern"), QStringLiteral("Textvorgaben selbst ändern und anpassen"), 0x80FF80},
        {&start.Command1(6), QStringLiteral("Stammdaten prüfen und ggf. ändern"), QStringLiteral("Basisdaten des Gesamtprogrammes eingeben oder ändern"), 0x80C0FF},
        {&start.Command1(7), QStringLiteral("Programm beenden"), QStringLiteral("Das Programm schließen"), 0x8080FF},
        {&start.Command2, QStringLiteral("Die Hilfsprogramme der Werkzeugkiste aufrufen"), QStringLiteral("Hilfsprogramme zur Änderung von Grundeinstellungen und Textbausteinen starten"), 0xC0C0FF},
        {&start.Command3, QStringLiteral("zurück zum Start"), QStringLiteral("Hier geht es zurück zum Hauptmenü"), 0x8080FF},
        {&start.Command4, QStringLiteral("Zeugnisse mit  WinWord®  schreiben"), QStringLiteral("Die Zeugnisse werden mit den bisherigen Eingaben erstellt"), face},
        {&start.Command5, QStringLiteral("Zeugnisliste aufrufen"), QStringLiteral("Liste ausdrucken oder in die Liste eintragen"), face},
        {&start.Command6, QStringLiteral("Erstellte Zeugnisse bearbeiten und drucken"), QStringLiteral("Zeugnisse zum Ändern oder Drucken aufrufen"), face},
        {&start.Command7, QStringLiteral("Listen und Formulare erstellen und drucken"), QStringLiteral("Diverse Listen und Formulare erstellen und drucken"), face},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.button->caption(), c.caption);
        EXPECT_EQ(c.button->toolTip(), c.tip) << c.caption.toStdString();
        EXPECT_EQ(c.button->backColor(), c.colour) << c.caption.toStdString();
    }
    EXPECT_EQ(start.Label2.caption(), QStringLiteral("Was wollen Sie tun? Klicken Sie auf die zutreffende Taste!"));
    EXPECT_EQ(start.Label3.caption(), QStringLiteral("    WinWord® ist ein eingetragenes Waren- zeichen der Microsoft Corporation, Redmond"));
    EXPECT_EQ(start.Label4.caption(), QStringLiteral("Klassenleitung:"));
    EXPECT_EQ(start.Label5.caption(), QStringLiteral("Frau Sommer"));
    EXPECT_EQ(start.caption(), QStringLiteral("Startseite"));
    EXPECT_EQ(start.Timer1.interval(), 500);
    EXPECT_FALSE(start.Timer1.enabled());
    // Command3 stands where Command1(3) stands.
    EXPECT_EQ(std::make_tuple(start.Command3.left(), start.Command3.top(), start.Command3.width(), start.Command3.height()),
              std::make_tuple(start.Command1(3).left(), start.Command1(3).top(), start.Command1(3).width(), start.Command1(3).height()));
}

TEST_F(GsStartTest, WordButtonsStartTheirCommandLines)
{
    useClass(QStringLiteral("3a"), QStringLiteral("1"));
    GsStart& start = open();
    messages->expect(QStringLiteral("Die Zeugnisse werden mit dem Programm 'Word' neu erstellt."), vbNo);
    User::click(start.Command4);
    EXPECT_TRUE(launcher->commandLines.isEmpty());
    EXPECT_EQ(messages->shown().back().style, 36);
    EXPECT_EQ(messages->shown().back().title, QStringLiteral("Zeugnistexte"));
    messages->expect(QStringLiteral("Wollen Sie das?"), vbYes);
    User::click(start.Command4);
    User::click(start.Command5);
    messages->expect(QStringLiteral("Vergessen Sie nicht, die Änderungen in Word zu speichern"));
    User::click(start.Command6);
    EXPECT_EQ(messages->shown().back().style, 0);
    User::click(start.Command8);
    for (int i = 0; i < 4; ++i)
        User::click(start.Command9(i));
    EXPECT_EQ(launcher->commandLines,
              (QStringList{QStringLiteral("Winword.exe ZeugnisseSchreiben.doc /mZeugnisseSchreiben"),
                           QStringLiteral("Winword.exe 3aZeugnisliste31.doc"), QStringLiteral("Winword.exe 3aZeugnisse31.doc"),
                           QStringLiteral("Winword.exe Texte\\Hilfe1.doc"), QStringLiteral("Winword.exe Texte\\Hilfe10.doc"),
                           QStringLiteral("Winword.exe Texte\\Hilfe11.doc"), QStringLiteral("Winword.exe Texte\\Hilfe12.doc"),
                           QStringLiteral("Winword.exe Texte\\Hilfe13.doc")}));
}

TEST_F(GsStartTest, SecondGradeListDocumentAndAMissingWordProcessor)
{
    useClass(QStringLiteral("2b"), QStringLiteral("2"));
    GsStart& start = open();
    launcher->succeeds = false;
    messages->expect(QStringLiteral("Das Textverarbeitungsprogramm konnte nicht gestartet werden."));
    User::click(start.Command5);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe 2bZeugnisliste22.doc")});
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Start));
}

TEST_F(GsStartTest, MainMenuWritesTheEntryFirstAndSwitchesWindows)
{
    useClass(QStringLiteral("3a"), QStringLiteral("1"));
    GsStart& start = open();
    User::click(start.Command1(0));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("0\r\n"));
    ASSERT_TRUE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_TRUE(registry.Find(WindowNames::Behaviour)->shown());
    ASSERT_TRUE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_FALSE(registry.Find(WindowNames::Insertion)->shown());

    // Choosing the entry again opens the window afresh.
    registry.Find(WindowNames::Behaviour)->window()->setProperty("touched", true);
    start.Command1_Click(BehaviourEntry);
    settle();
    EXPECT_FALSE(registry.Find(WindowNames::Behaviour)->window()->property("touched").isValid());

    start.Command1_Click(ReviewEntries);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("3\r\n"));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Review));

    start.Command1_Click(BehaviourBlocksEditor);
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Review));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::BehaviourEditor));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));

    // Entries 5 and 6 keep an open grade editor or master-data window as it is.
    start.Command1_Click(GradeBlocksEditor);
    EXPECT_FALSE(registry.IsLoaded(WindowNames::BehaviourEditor));
    registry.Find(WindowNames::Grade34Editor)->window()->setProperty("touched", true);
    registry.Show(WindowNames::MasterData)->window()->setProperty("touched", true);
    start.Command1_Click(GradeBlocksEditor);
    EXPECT_TRUE(registry.Find(WindowNames::Grade34Editor)->window()->property("touched").isValid());
    EXPECT_FALSE(registry.IsLoaded(WindowNames::MasterData));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Insertion));
    registry.Show(WindowNames::MasterData)->window()->setProperty("touched", true);
    start.Command1_Click(MasterData);
    EXPECT_TRUE(registry.Find(WindowNames::MasterData)->window()->property("touched").isValid());
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Grade34Editor));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));

    User::click(start.Command7);
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Lists));
    start.Command1_Click(BehaviourEntry);
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Lists));

    User::click(start.Command1(7));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("7\r\n"));
    EXPECT_EQ(application->quitCalls, 1);
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Lists));
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Behaviour));
}

TEST_F(GsStartTest, ToolboxViewAndBack)
{
    useClass(QStringLiteral("3a"), QStringLiteral("1"));
    GsStart& start = open();
    test::renderToPng(start.window(), QStringLiteral("GsStart-start.png"));
    EXPECT_TRUE(start.Picture2.pictureFile().endsWith(TeacherPhoto));
    // No competences for a class 3a: the entry looks dead.
    EXPECT_TRUE(test::lookOf(start.Command1(1)).greyed());
    EXPECT_FALSE(test::lookOf(start.Command1(0)).greyed());
    User::click(start.Command2);
    for (int i = 0; i <= 3; ++i)
        EXPECT_FALSE(start.Command1(i).visible());
    for (int i = 4; i <= 6; ++i)
        EXPECT_TRUE(start.Command1(i).visible());
    EXPECT_TRUE(start.Command3.visible());
    EXPECT_FALSE(start.Command4.visible());
    EXPECT_FALSE(start.Command9(0).visible());
    EXPECT_FALSE(start.Picture2.visible());
    EXPECT_TRUE(start.Command1(7).visible());
    EXPECT_TRUE(start.Command8.visible());
    EXPECT_EQ(start.Picture1.top(), 400);
    EXPECT_FALSE(start.Picture1.enabled());
    EXPECT_TRUE(start.Picture1.toolTip().isEmpty());
    EXPECT_TRUE(start.Picture1.pictureFile().endsWith(QStringLiteral("ZeugnKOPF.jpg")));
    test::renderToPng(start.window(), QStringLiteral("GsStart-toolbox.png"));
    // The long caption of the grade editor's entry wraps and is readable whole.
    const test::Look gradeEditor = test::lookOf(start.Command1(5));
    EXPECT_EQ(gradeEditor.inkLines, 2);
    EXPECT_FALSE(gradeEditor.inkAtEdge);
    const QImage standingStill = start.Picture1.widget()->grab().toImage();

    User::click(start.Command3);
    EXPECT_TRUE(start.Command1(0).visible());
    EXPECT_FALSE(start.Command1(4).visible());
    EXPECT_FALSE(start.Command3.visible());
    EXPECT_EQ(start.Picture1.top(), 240);
    EXPECT_TRUE(start.Picture1.enabled());
    // Disabled in the toolbox view, the picture showed the same frame unchanged.
    EXPECT_EQ(start.Picture1.widget()->grab().toImage(), standingStill);
    EXPECT_EQ(start.Picture1.toolTip(), QStringLiteral("Klicken, um Turnstunde zu starten. Doppelklick: Ende"));

    // The animation alternates the two frames; the teacher photo stays where it is.
    User::click(start.Picture1);
    EXPECT_TRUE(start.Timer1.enabled());
    QStringList frames;
    for (int i = 0; i < 3; ++i) {
        start.Timer1_Timer();
        frames << QFileInfo(start.Picture1.pictureFile()).fileName();
    }
    EXPECT_EQ(frames, (QStringList{QStringLiteral("ZeugnKOPF1.jpg"), QStringLiteral("ZeugnKOPF.jpg"), QStringLiteral("ZeugnKOPF1.jpg")}));
    EXPECT_TRUE(start.Picture2.pictureFile().endsWith(TeacherPhoto));
    User::dblClick(start.Picture1);
    EXPECT_FALSE(start.Timer1.enabled());
}

TEST_F(GsStartTest, MissingTeacherPhotoShowsTheFallback)
{
    useClass(QStringLiteral("3a"), QStringLiteral("1"));
    QFile::remove(path(QStringLiteral("Bild/") + TeacherPhoto));
    EXPECT_TRUE(open().Picture2.pictureFile().endsWith(QStringLiteral("Lehrwartel.jpg")));
}

TEST_F(GsStartTest, DamagedMasterDataAreReportedAndTheStartPageStays)
{
    QFile::remove(path(QStringLiteral("Daten/Basisdaten.txt")));
    writeFile(QStringLiteral("Daten/Namen.Txt"), QStringLiteral("1,\"x3\",\"Meyer\",\"Lea\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    messages->expect(QStringLiteral("Daten\\Basisdaten.txt ist nicht vorhanden"));
    messages->expect(QStringLiteral("Die Klasse 'x3'"));
    GsStart& start = open();
    EXPECT_FALSE(start.Command1(1).enabled());
    EXPECT_FALSE(start.Command1(2).enabled());
    EXPECT_FALSE(start.Command1(5).enabled());
    EXPECT_TRUE(start.Command1(0).enabled());
    EXPECT_TRUE(start.Command1(6).enabled());
    EXPECT_FALSE(fileExists(QStringLiteral("Daten/Basisdaten.txt")));
    WindowRegistry::instance().UnloadAll();
    settle();

    // A half-year that is no number is named; the class is fine.
    useClass(QStringLiteral("3a"), QStringLiteral("x"));
    messages->expect(QStringLiteral("Das Halbjahr 'x' in der Datei Daten\\Basisdaten.txt ist keine Zahl"));
    EXPECT_TRUE(open().Command1(2).enabled());
}

namespace {
const QString SchoolQuestion = QStringLiteral("Wenn Sie Änderungen an den Schuldaten vornehmen");
const QString LeaveQuestion = QStringLiteral("Sie haben Änderungen eventuell noch nicht gespeichert");
const QString ReportsNotice = QStringLiteral("Vergessen Sie nicht, die Änderungen in Word zu speichern");
} // namespace

// The captions, the entries of the grade and the documents' names follow the class saved in the
// master data, however the teacher comes back to the start page.
TEST_F(GsStartTest, TheStartPageFollowsTheClassSavedInTheMasterData)
{
    useClass(QStringLiteral("3a"), QStringLiteral("1"));
    GsStart& start = open();
    const auto documentsNamed = [&] {
        launcher->commandLines.clear();
        User::click(start.Command5);
        messages->expect(ReportsNotice);
        User::click(start.Command6);
        return launcher->commandLines;
    };
    const auto masterData = [&] {
        User::click(start.Command2);
        User::click(start.Command1(MasterData));
        return registry.find<GsBasis>(WindowNames::MasterData);
    };

    // Saved, then left by an entry of the main menu.
    GsBasis* basis = masterData();
    ASSERT_NE(basis, nullptr);
    messages->expect(SchoolQuestion, vbYes);
    User::click(basis->Command3);
    User::retype(basis->Text1(5), QStringLiteral("4b"));
    User::click(basis->Command1(0));
    User::click(start.Command1(BehaviourBlocksEditor));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::MasterData));
    EXPECT_EQ(start.Label1(0).caption(), QStringLiteral("Klasse 4b"));
    EXPECT_TRUE(start.Command1(SupportClubsEntry).enabled());
    User::click(start.Command3);
    EXPECT_EQ(documentsNamed(),
              (QStringList{QStringLiteral("Winword.exe 4bZeugnisliste41.doc"), QStringLiteral("Winword.exe 4bZeugnisse41.doc")}));

    // Saved, then the start page's own button while the master data stay open.
    registry.UnloadAll();
    settle();
    GsStart& again = open();
    User::click(again.Command2);
    User::click(again.Command1(MasterData));
    basis = registry.find<GsBasis>(WindowNames::MasterData);
    ASSERT_NE(basis, nullptr);
    messages->expect(SchoolQuestion, vbYes);
    User::click(basis->Command3);
    User::retype(basis->Text1(5), QStringLiteral("2c"));
    User::retype(basis->Text1(4), QStringLiteral("2"));
    User::click(basis->Command1(0));
    User::click(again.Command3);
    EXPECT_TRUE(registry.IsLoaded(WindowNames::MasterData));
    EXPECT_EQ(again.Label1(0).caption(), QStringLiteral("Klasse 2c"));
    EXPECT_EQ(again.Label1(2).caption(), QStringLiteral("2. Halbjahr"));
    EXPECT_EQ(again.Command5.caption(), QStringLiteral("Versäumnisliste aufrufen"));
    EXPECT_TRUE(again.Command1(CompetencesEntry).enabled());
    EXPECT_FALSE(again.Command1(SupportClubsEntry).enabled());
    launcher->commandLines.clear();
    User::click(again.Command5);
    messages->expect(ReportsNotice);
    User::click(again.Command6);
    EXPECT_EQ(launcher->commandLines,
              (QStringList{QStringLiteral("Winword.exe 2cZeugnisliste22.doc"), QStringLiteral("Winword.exe 2cZeugnisse22.doc")}));

    // Typed, and saved by the leaving question of a main-menu entry: the grade editor of the new
    // class opens.
    User::click(again.Command2);
    User::click(again.Command1(MasterData));
    User::retype(basis->Text1(5), QStringLiteral("3c"));
    messages->expect(LeaveQuestion, vbYes);
    User::click(again.Command1(GradeBlocksEditor));
    settle();
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Grade34Editor));
    EXPECT_EQ(again.Label1(0).caption(), QStringLiteral("Klasse 3c"));
    EXPECT_EQ(again.Command1(GradeBlocksEditor).caption(),
              QStringLiteral("Textbausteine für Förder und AG, Interessen und Bemerkungen ändern"));
}

// The documents take the class of the pupils the list holds, also from a list longer than its slots.
TEST_F(GsStartTest, ALongerListNamesTheClassOfItsReadPupils)
{
    useClass(QStringLiteral("3a"), QStringLiteral("1"));
    QString names;
    for (int n = 1; n <= PupilSlots + 1; ++n)
        names += QStringLiteral("%1,\"%2\",\"N%1\",\"V\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n")
                     .arg(n)
                     .arg(n <= PupilSlots ? QStringLiteral("3a") : QStringLiteral("3b"));
    writeFile(QStringLiteral("Daten/Namen.Txt"), names);
    messages->expect(QStringLiteral("Die Datei Daten\\Namen.Txt enthält mehr Einträge"));
    GsStart& start = open();
    EXPECT_EQ(start.Label1(0).caption(), QStringLiteral("Klasse 3a"));
    User::click(start.Command5);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe 3aZeugnisliste31.doc")});
}

// A value that no document name can hold is told before anything starts: no question, no document
// made or opened, no file written.
TEST_F(GsStartTest, AnUnusableValueStartsNoDocument)
{
    struct Value { const char* name; QString className; QString halfYear; QString onLoad; QString notice; };
    const Value values[] = {
        // What a stray quote in the school record makes of the half-year.
        {"half-year read from the school year", QStringLiteral("3a"), QStringLiteral("2026/2027"),
         QStringLiteral("Das Halbjahr '2026/2027' in der Datei Daten\\Basisdaten.txt ist keine Zahl"),
         QStringLiteral("Das Halbjahr '2026/2027' ist weder 1 noch 2.")},
        {"half-year 3", QStringLiteral("3a"), QStringLiteral("3"), {}, QStringLiteral("Das Halbjahr '3' ist weder 1 noch 2.")},
        {"no grade", QStringLiteral("x3"), QStringLiteral("1"), QStringLiteral("Die Klasse 'x3' in der Datei"),
         QStringLiteral("Die Klasse 'x3' beginnt nicht mit einer der Ziffern 1 bis 4.")},
        {"folder separator", QStringLiteral("3/a"), QStringLiteral("1"), {},
         QStringLiteral("Die Klasse '3/a' enthält ein Zeichen, das in keinem Dateinamen stehen kann")},
        {"bar", QStringLiteral("3a|b"), QStringLiteral("1"), {},
         QStringLiteral("Die Klasse '3a|b' enthält ein Zeichen, das in keinem Dateinamen stehen kann")},
    };
    struct Action { const char* name; std::function<void(GsStart&)> act; };
    const Action actions[] = {
        {"Zeugnisse schreiben", [](GsStart& s) { User::click(s.Command4); }},
        {"Zeugnisliste aufrufen", [](GsStart& s) { User::click(s.Command5); }},
        {"Erstellte Zeugnisse", [](GsStart& s) { User::click(s.Command6); }},
    };
    for (const Value& v : values)
        for (const Action& a : actions) {
            SCOPED_TRACE(std::string(v.name) + ", " + a.name);
            useClass(v.className, v.halfYear);
            if (!v.onLoad.isEmpty())
                messages->expect(v.onLoad);
            GsStart& start = open();
            const auto before = programFiles();
            messages->expect(v.notice);
            a.act(start);
            messages->verifyDone();
            EXPECT_EQ(messages->shown().back().style, vbOKOnly | vbExclamation);
            EXPECT_EQ(messages->shown().back().title, QStringLiteral("Hinweis"));
            EXPECT_TRUE(messages->shown().back().prompt.contains(QStringLiteral("im Fenster der Schul- und Schülerdaten")));
            EXPECT_TRUE(launcher->commandLines.isEmpty());
            EXPECT_EQ(programFiles(), before);
            registry.UnloadAll();
            settle();
        }
}
