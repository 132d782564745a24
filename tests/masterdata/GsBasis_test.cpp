#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "core/ProgramFolder.h"
#include "GsBasisTestSupport.h"
#include "platform/Colour.h"
#include <functional>

using namespace zt;
using namespace zt::test;

namespace {

const QString ShippedBaseData = QStringLiteral(
    "\"Grundschule am Lindenhof\",\"Offene Ganztagsschule\",\"Lindenhofweg 12, 12345 Musterstadt\",\"Musterstadt\","
    "\"29.01.2027\",\"2026/2027\",\"1\",\"2027/2028\",\"21.01.2027\",\"Frau Sommer\"\r\n");

TEST_F(GsBasisTest, OpeningShowsTheSchoolDataAndLocksWhatChangesTheStores)
{
    GsBasis& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("GsBasis"));
    EXPECT_EQ(w.Frame1.caption(), QStringLiteral("Basisdaten"));
    EXPECT_EQ(w.Label2.caption(), QStringLiteral("Schuldaten"));
    EXPECT_EQ(w.Label3.caption(), QStringLiteral("Schülerdaten"));
    const QString labels[11] = {QStringLiteral("Name:"), QStringLiteral("Zusatz:"), QStringLiteral("Anschrift:"),
                                QStringLiteral("Schuljahr:"), QStringLiteral("Halbjahr:"), QStringLiteral("Klasse:"),
                                QStringLiteral("Sibank-Pfad:"), QStringLiteral("Zeugnisausgabe-Datum:"),
                                QStringLiteral("Zeugniskonferenz-Datum:"), QStringLiteral("Zeugnisausgabe-Ort:"),
                                QStringLiteral("Klassenleitung:")};
    const QString values[11] = {QStringLiteral("Grundschule am Lindenhof"), QStringLiteral("Offene Ganztagsschule"),
                                QStringLiteral("Lindenhofweg 12, 12345 Musterstadt"), QStringLiteral("2026/2027"),
                                QStringLiteral("1"), QStringLiteral("3a"), QStringLiteral("C:\\Sibank\\Export\\schueler.txt"),
                                QStringLiteral("29.01.2027"), QStringLiteral("21.01.2027"), QStringLiteral("Musterstadt"),
                                QStringLiteral("Frau Sommer")};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(w.Label1(i).caption(), labels[i]);
        EXPECT_EQ(w.Text1(i).text(), values[i]) << i;
        EXPECT_EQ(w.Text1(i).enabled(), i == 6) << i;
    }

    struct Button { CommandButton* button; const char* caption; const char* tip; bool enabled; };
    const Button buttons[] = {
        {&w.Command1(0), "Basisdaten speichern", "Alle Basisdaten abspeichern", false},
        {&w.Command1(1), "Ende", "Das Programm insgesamt beenden", true},
        {&w.Command3, "Schuldaten ändern", "Die Grunddaten für die Zeugniserstellung", true},
        {&w.Command5, "bearbeiten", "Schülerdaten ändern oder eingeben", true},
        {&w.Command7(0), "SibankPlus", "Klicken für Eintragung", true},
        {&w.Command7(1), "Sibwin", "Klicken für Eintragung", true},
        {&w.Command2(0), "AG-Liste erstellen oder ergänzen", "Eine Liste der Arbeitsgemeinschaften erstellen", false},
        {&w.Command2(1), "AG-Liste löschen", "AG-Liste insgesamt löschen", false},
        {&w.Command6, "Schüler alphabetisch sortieren", "Alfabetische Sortierung", true},
    };
    for (const Button& b : buttons) {
        EXPECT_EQ(b.button->caption(), QString::fromUtf8(b.caption));
        EXPECT_EQ(b.button->toolTip(), QString::fromUtf8(b.tip)) << b.caption;
        EXPECT_EQ(b.button->enabled(), b.enabled) << b.caption;
    }
    EXPECT_EQ(w.Label4.caption(), QStringLiteral("Standardpfad eintragen für"));
    EXPECT_TRUE(w.Command5.visible());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(w.Command4(i).visible());
    EXPECT_FALSE(w.Command6.visible());
    EXPECT_TRUE(w.Combo1.enabled());
    EXPECT_FALSE(w.Text2(1).enabled());
    EXPECT_FALSE(w.Text3(0).enabled());
    EXPECT_FALSE(w.Option1(0).enabled());
    EXPECT_FALSE(w.List1.enabled());

    User::click(w.Command8);
    EXPECT_EQ(launcher->commandLines, QStringList{QStringLiteral("Winword.exe Texte\\Hilfe9.doc")});
}

TEST_F(GsBasisTest, KeyRulesRefuseAKeyBeforeItReachesTheBox)
{
    const QString year = QStringLiteral("Geben Sie die Jahreszahl im Format 2005/2006 von vorn beginnend ein!");
    const QString halfYear = QStringLiteral("Es sind nur die Ziffern 1 und 2 erlaubt!");
    const QString className = QStringLiteral("Am Anfang dürfen nur die Ziffern 1, 2, 3 oder 4 stehen!");
    const QString quote = QStringLiteral("Doppelte Anführungszeichen");
    // '\b' is Backspace; with `selected` the text is selected before the keys, as to replace it.
    struct Case { int box; QString before; bool selected; QString keys; QString after; QStringList messages; };
    const Case cases[] = {
        {3, {}, false, QStringLiteral("2005/2006"), QStringLiteral("2005/2006"), {}},
        {3, {}, false, QStringLiteral("1"), {}, {year}},
        {3, {}, false, QStringLiteral("\b"), {}, {year}},
        {3, QStringLiteral("2005"), false, QStringLiteral("\b"), QStringLiteral("200"), {}},
        // The input rule runs first: a refused double quote never reaches the quote guard.
        {3, {}, false, QStringLiteral("\""), {}, {year}},
        {3, QStringLiteral("2"), false, QStringLiteral("\""), QStringLiteral("2'"), {quote}},
        {4, QStringLiteral("1"), false, QStringLiteral("3"), QStringLiteral("1"), {halfYear}},
        {4, QStringLiteral("1"), false, QStringLiteral("\b"), QStringLiteral("1"), {halfYear}},
        {4, QStringLiteral("1"), true, QStringLiteral("2"), QStringLiteral("2"), {}},
        {4, QStringLiteral("2"), true, QStringLiteral("1"), QStringLiteral("1"), {}},
        {5, {}, false, QStringLiteral("3a"), QStringLiteral("3a"), {}},
        {5, {}, false, QStringLiteral("5"), {}, {className}},
        {5, {}, false, QStringLiteral("a"), {}, {className}},
        {5, QStringLiteral("4b"), false, QStringLiteral("\b\bb"), {}, {className}},
        {0, {}, false, QStringLiteral("Am \"Bach\""), QStringLiteral("Am 'Bach'"), {quote, quote}},
    };
    GsBasis& w = open();
    messages->expect(SchoolQuestion, vbYes);
    User::click(w.Command3);
    for (const Case& c : cases) {
        TextBox& box = w.Text1(c.box);
        box.setText(c.before);
        User::focus(box);
        if (c.selected)
            box.setSelection(0, c.before.size());
        else
            box.setSelection(c.before.size(), 0);
        messages->clearShown();
        for (const QString& m : c.messages)
            messages->expect(m);
        for (const QChar key : c.keys) {
            if (key == u'\b')
                User::typeBackspace(box);
            else
                User::typeKey(box, key);
        }
        EXPECT_EQ(box.text(), c.after) << c.box << " " << c.keys.toStdString();
        ASSERT_EQ(messages->shown().size(), std::size_t(c.messages.size()));
        for (const ShownMessage& shown : messages->shown())
            if (!shown.prompt.startsWith(quote)) {
                EXPECT_EQ(shown.style, 0);
                EXPECT_EQ(shown.title, QStringLiteral("Zeugnistexte"));
            }
        messages->verifyDone();
    }
}

TEST_F(GsBasisTest, SchoolDataChangeEmptiesTheStoresAtOnceOnlyWhenConfirmed)
{
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Lea lernt gern.\",\"\"\r\n"));
    const auto before = dataFiles();
    GsBasis& w = open();
    messages->expect(SchoolQuestion, vbNo);
    User::click(w.Command3);
    EXPECT_EQ(messages->shown().back().style, 36);
    EXPECT_EQ(dataFiles(), before);
    EXPECT_FALSE(w.Text1(0).enabled());
    EXPECT_TRUE(w.Command3.enabled());
    EXPECT_FALSE(w.Command1(0).enabled());

    messages->expect(SchoolQuestion, vbYes);
    User::click(w.Command3);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(w.Text1(i).enabled(), i != 6) << i;
    EXPECT_TRUE(w.Command1(0).enabled());
    EXPECT_EQ(w.Command1(0).backColor(), Colours::Red);
    EXPECT_FALSE(w.Command3.enabled());
    expectEmptyStores({QStringLiteral("1,\"3a\",\"Becker\",\"Lea\""), QStringLiteral("2,\"3a\",\"Yilmaz\",\"Emir\""),
                       QStringLiteral("3,\"3a\",\"Schmidt\",\"Jonas\""), QStringLiteral("4,\"3a\",\"Nowak\",\"Zofia\""),
                       QStringLiteral("5,\"3a\",\"Hoffmann\",\"Mia\"")});
    // The master data themselves wait for the save.
    EXPECT_EQ(readFile(QStringLiteral("Daten/Basisdaten.txt")), ShippedBaseData);
}

TEST_F(GsBasisTest, SavingAFirstGradeWritesHalfYearTwoTheNextYearAndClearsOnlyTheBackups)
{
    for (const QString& name : {QStringLiteral("AVSVspeicher09.12.2026.txt"), QStringLiteral("34Sperre10.12.2026.TXT"),
                                QStringLiteral("Notiz.doc")})
        writeFile(QStringLiteral("Daten/Sicherheit/") + name, QStringLiteral("x"));
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Lea lernt gern.\",\"\"\r\n"));
    GsBasis& w = open();
    messages->expect(SchoolQuestion, vbYes);
    User::click(w.Command3);
    // A text typed into the stores after the change is emptied again by the save.
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Neu.\",\"\"\r\n"));
    User::retype(w.Text1(3), QStringLiteral("2005/2006"));
    User::retype(w.Text1(5), QStringLiteral("1a"));
    ASSERT_EQ(w.Text1(4).text(), QStringLiteral("1"));

    messages->expect(QStringLiteral("Für das 1. Schuljahr können keine Zeugnisse für das 1. Halbjahr erstellt werden !!!"));
    User::click(w.Command1(0));
    EXPECT_EQ(messages->shown().back().style, 48);
    EXPECT_EQ(messages->shown().back().title, QStringLiteral("Hinweis"));
    EXPECT_EQ(w.Text1(4).text(), QStringLiteral("2"));

    EXPECT_EQ(readFile(QStringLiteral("Daten/Basisdaten.txt")),
              QStringLiteral("\"Grundschule am Lindenhof\",\"Offene Ganztagsschule\",\"Lindenhofweg 12, 12345 Musterstadt\","
                             "\"Musterstadt\",\"29.01.2027\",\"2005/2006\",\"2\",\"2006/2007\",\"21.01.2027\",\"Frau Sommer\"\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Sibankpfad.txt")), QStringLiteral("\"C:\\Sibank\\Export\\schueler.txt\"\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Namen.Txt")),
              QStringLiteral("1,\"1a\",\"Becker\",\"Lea\",\"w\",\"05.03.2018\",\"Chor\",\"Tanz-AG\",\"\",\"\",\"Musterstadt\"\r\n"
                             "2,\"1a\",\"Yilmaz\",\"Emir\",\"m\",\"14.11.2017\",\"Fußball-AG\",\"\",\"\",\"\",\"Dortmund\"\r\n"
                             "3,\"1a\",\"Schmidt\",\"Jonas\",\"m\",\"22.07.2018\",\"\",\"\",\"\",\"\",\"Musterstadt\"\r\n"
                             "4,\"1a\",\"Nowak\",\"Zofia\",\"w\",\"09.01.2018\",\"Kunst-AG\",\"\",\"\",\"\",\"Breslau\"\r\n"
                             "5,\"1a\",\"Hoffmann\",\"Mia\",\"w\",\"30.09.2017\",\"\",\"\",\"\",\"\",\"Essen\"\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/AGListe.txt")),
              QStringLiteral("\"Chor\"\r\n\"Fußball-AG\"\r\n\"Schach-AG\"\r\n\"Theater-AG\"\r\n\"Kunst-AG\"\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Bildliststeuer.Txt")),
              QStringLiteral("1,\"1a\",\"Becker\",\"Lea\",\"Becker_Lea_05032018\"\r\n"
                             "2,\"1a\",\"Yilmaz\",\"Emir\",\"Yilmaz_Emir_14112017\"\r\n"
                             "3,\"1a\",\"Schmidt\",\"Jonas\",\"Schmidt_Jonas_22072018\"\r\n"
                             "4,\"1a\",\"Nowak\",\"Zofia\",\"Nowak_Zofia_09012018\"\r\n"
                             "5,\"1a\",\"Hoffmann\",\"Mia\",\"Hoffmann_Mia_30092017\"\r\n"));
    expectEmptyStores({QStringLiteral("1,\"1a\",\"Becker\",\"Lea\""), QStringLiteral("2,\"1a\",\"Yilmaz\",\"Emir\""),
                       QStringLiteral("3,\"1a\",\"Schmidt\",\"Jonas\""), QStringLiteral("4,\"1a\",\"Nowak\",\"Zofia\""),
                       QStringLiteral("5,\"1a\",\"Hoffmann\",\"Mia\"")});
    EXPECT_EQ(launcher->commandLines, QStringList{ListMacro});
    EXPECT_EQ(QDir(path(QStringLiteral("Daten/Sicherheit"))).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral(".gitkeep"), QStringLiteral("Notiz.doc")}));

    // Saved: "Ende" asks nothing.
    User::click(w.Command1(1));
    settle();
    EXPECT_EQ(application->quitCalls, 1);
}

TEST_F(GsBasisTest, WithoutTheBackupFolderTheSaveDeletesNothing)
{
    QDir(path(QStringLiteral("Daten/Sicherheit"))).removeRecursively();
    GsBasis& w = open();
    messages->expect(SchoolQuestion, vbYes);
    User::click(w.Command3);
    const auto before = dataFiles();
    User::click(w.Command1(0));
    const auto after = dataFiles();
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [file, bytes] : before)
        EXPECT_TRUE(after.count(file)) << file.toStdString();
    EXPECT_FALSE(QDir(path(QStringLiteral("Daten/Sicherheit"))).exists());
}

TEST_F(GsBasisTest, ASchoolYearThatIsNoYearIsToldAndNothingIsWritten)
{
    writeFile(QStringLiteral("Daten/Sicherheit/AVSVspeicher09.12.2026.txt"), QStringLiteral("x"));
    GsBasis& w = openForEditing();
    const auto before = dataFiles();
    // Pasting passes the key rule.
    User::focus(w.Text1(3));
    w.Text1(3).setSelection(0, w.Text1(3).text().size());
    User::paste(w.Text1(3), QStringLiteral("20a5/2006"));
    const QString notice = QStringLiteral("Das Schuljahr '20a5/2006' beginnt nicht mit einer vierstelligen Jahreszahl");
    messages->expect(notice);
    User::click(w.Command1(0));
    EXPECT_EQ(dataFiles(), before);
    EXPECT_TRUE(launcher->commandLines.isEmpty());

    // Leaving with the save asked for keeps the window: the input would be lost.
    messages->expect(LeaveQuestion, vbYes);
    messages->expect(notice);
    User::click(w.Command1(1));
    settle();
    EXPECT_EQ(application->quitCalls, 0);
    EXPECT_TRUE(registry.IsLoaded(WindowNames::MasterData));
    EXPECT_EQ(dataFiles(), before);

    User::retype(w.Text1(3), QStringLiteral("2027/2028"));
    messages->expect(LeaveQuestion, vbYes);
    User::click(w.Command1(1));
    settle();
    EXPECT_EQ(application->quitCalls, 1);
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Basisdaten.txt")).contains(QStringLiteral("\"2027/2028\",\"1\",\"2028/2029\"")));
}

// Typed over the whole selection, a class passes the key rule; pasted, anything does.
TEST_F(GsBasisTest, AValueThatNoWindowCanUseIsToldBeforeEveryWriteAndNothingIsWritten)
{
    struct Value { int box; const char* text; bool typed; const char* notice; };
    const Value values[] = {
        {5, "5", true, "Die Klasse '5' beginnt nicht mit einer der Ziffern 1 bis 4."},
        {5, "a", true, "Die Klasse 'a' beginnt nicht mit einer der Ziffern 1 bis 4."},
        {5, "9", true, "Die Klasse '9' beginnt nicht mit einer der Ziffern 1 bis 4."},
        {5, "a3", false, "Die Klasse 'a3' beginnt nicht mit einer der Ziffern 1 bis 4."},
        {4, "12", false, "Das Halbjahr '12' ist weder 1 noch 2."},
        {3, "20a5/2006", false, "Das Schuljahr '20a5/2006' beginnt nicht mit einer vierstelligen Jahreszahl"},
    };
    struct Action { const char* name; QString question; std::function<void(GsBasis&)> act; };
    const Action actions[] = {
        {"Basisdaten speichern", {}, [](GsBasis& w) { User::click(w.Command1(0)); }},
        {"Gesamtliste neu anlegen", {}, [](GsBasis& w) { User::click(w.Command4(0)); }},
        {"aktuellen Schüler löschen", {}, [](GsBasis& w) { User::click(w.Command4(1)); }},
        {"Schüler hinzufügen", {}, [](GsBasis& w) { User::click(w.Command4(2)); }},
        {"Schüler alphabetisch sortieren", {}, [](GsBasis& w) { User::click(w.Command6); }},
        {"Schuldaten ändern", SchoolQuestion, [](GsBasis& w) { User::click(w.Command3); }},
        {"SibankPlus", {}, [](GsBasis& w) { User::click(w.Command7(0)); }},
        {"Sibwin", {}, [](GsBasis& w) { User::click(w.Command7(1)); }},
        {"Ende", LeaveQuestion, [](GsBasis& w) { User::click(w.Command1(1)); }},
        {"Hauptmenü", LeaveQuestion, [this](GsBasis&) { registry.LeaveAll({WindowNames::MasterData}); }},
    };
    writeFile(QStringLiteral("Daten/Sicherheit/AVSVspeicher09.12.2026.txt"), QStringLiteral("x"));
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Lea lernt gern.\",\"\"\r\n"));
    for (const Value& v : values)
        for (const Action& a : actions) {
            SCOPED_TRACE(std::string(a.name) + " with " + v.text);
            GsBasis& w = openForEditing();
            const auto before = dataFiles();
            TextBox& box = w.Text1(v.box);
            if (v.typed) {
                User::retype(box, QString::fromUtf8(v.text));
            } else {
                User::focus(box);
                box.setSelection(0, static_cast<int>(box.text().size()));
                User::paste(box, QString::fromUtf8(v.text));
            }
            ASSERT_EQ(box.text(), QString::fromUtf8(v.text));
            if (!a.question.isEmpty())
                messages->expect(a.question, vbYes);
            messages->expect(QString::fromUtf8(v.notice));
            a.act(w);
            settle();
            messages->verifyDone();
            EXPECT_EQ(dataFiles(), before);
            EXPECT_TRUE(launcher->commandLines.isEmpty());
            EXPECT_EQ(application->quitCalls, 0);
            ASSERT_TRUE(registry.IsLoaded(WindowNames::MasterData));
            // The list stays as it was, in the window as on disk.
            EXPECT_EQ(w.Combo1.listCount(), 5);
            EXPECT_EQ(w.Text2(1).text(), QStringLiteral("Becker"));
            registry.UnloadAll();
            settle();
        }
}

// The school data are unlocked all the same, so that the teacher can correct the value.
TEST_F(GsBasisTest, AnUnusableClassAtSchuldatenAendernLeavesTheStoresToTheSave)
{
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"Lea lernt gern.\",\"\"\r\n"));
    const QByteArray texts = readBytes(QStringLiteral("Daten/AVSVspeicher.txt"));
    GsBasis& w = openForEditing();
    User::retype(w.Text1(5), QStringLiteral("5"));
    messages->expect(SchoolQuestion, vbYes);
    messages->expect(QStringLiteral("Die Klasse '5' beginnt nicht"));
    User::click(w.Command3);
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AVSVspeicher.txt")), texts);
    EXPECT_TRUE(w.Text1(0).enabled());
    EXPECT_FALSE(w.Command3.enabled());

    User::retype(w.Text1(5), QStringLiteral("3b"));
    User::click(w.Command1(0));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt")).startsWith(QStringLiteral("1,\"3b\",\"Becker\"")));
    expectEmptyStores({QStringLiteral("1,\"3b\",\"Becker\",\"Lea\""), QStringLiteral("2,\"3b\",\"Yilmaz\",\"Emir\""),
                       QStringLiteral("3,\"3b\",\"Schmidt\",\"Jonas\""), QStringLiteral("4,\"3b\",\"Nowak\",\"Zofia\""),
                       QStringLiteral("5,\"3b\",\"Hoffmann\",\"Mia\"")});
}

TEST_F(GsBasisTest, WithoutADefaultPathTheTeachersPathStays)
{
    QFile::remove(path(QStringLiteral("Daten/sib1undsib2.txt")));
    GsBasis& w = open();
    const QByteArray before = readBytes(QStringLiteral("Daten/Sibankpfad.txt"));
    messages->expect(QStringLiteral("Die Datei Daten\\sib1undsib2.txt enthält keinen Standardpfad für SibankPlus."));
    User::click(w.Command7(0));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sibankpfad.txt")), before);
    EXPECT_FALSE(w.Text1(6).text().isEmpty());
}

TEST_F(GsBasisTest, DefaultPathButtonsWriteThePathAtOnce)
{
    GsBasis& w = open();
    User::click(w.Command7(0));
    EXPECT_EQ(w.Text1(6).text(), QStringLiteral("C:\\SibankPlus\\Export\\schueler.txt"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Sibankpfad.txt")), QStringLiteral("\"C:\\SibankPlus\\Export\\schueler.txt\"\r\n"));
    EXPECT_FALSE(w.Command1(0).enabled());
    User::click(w.Command7(1));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Sibankpfad.txt")), QStringLiteral("\"C:\\Sibwin\\Export\\schueler.txt\"\r\n"));
    // Nothing else was changed: the program ends without a question and the path stays.
    User::click(w.Command1(1));
    settle();
    EXPECT_EQ(application->quitCalls, 1);
    EXPECT_EQ(readFile(QStringLiteral("Daten/Sibankpfad.txt")), QStringLiteral("\"C:\\Sibwin\\Export\\schueler.txt\"\r\n"));
}

TEST_F(GsBasisTest, FilesNotYetThereOpenEmptyAndAreWrittenByTheSave)
{
    for (const char* file : {"Daten/AGListe.txt", "Daten/Sibankpfad.txt", "Daten/sib1undsib2.txt"})
        QFile::remove(path(QString::fromLatin1(file)));
    GsBasis& w = open();
    EXPECT_EQ(w.List1.listCount(), 0);
    EXPECT_TRUE(w.Text1(6).text().isEmpty());
    messages->expect(QStringLiteral("Sie wollen den Pfad zur Sibank-Datei ändern."));
    User::click(w.Text1(6));
    EXPECT_EQ(messages->shown().back().style, 16);
    EXPECT_TRUE(w.Command1(0).enabled());
    EXPECT_EQ(w.Command1(0).backColor(), Colours::Red);
    User::typeText(w.Text1(6), QStringLiteral("D:\\Export.txt"));
    User::click(w.Command1(0));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Sibankpfad.txt")), QStringLiteral("\"D:\\Export.txt\"\r\n"));
    EXPECT_TRUE(fileExists(QStringLiteral("Daten/AGListe.txt")));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/AGListe.txt")).isEmpty());
}

TEST_F(GsBasisTest, EndeAsksOnlyWithUnsavedInputAndEndsTheProgram)
{
    GsBasis& untouched = open();
    User::click(untouched.Command1(1));
    settle();
    EXPECT_EQ(application->quitCalls, 1);
    EXPECT_FALSE(registry.IsLoaded(WindowNames::MasterData));

    const QByteArray path = readBytes(QStringLiteral("Daten/Sibankpfad.txt"));
    struct Case { int answer; bool saved; };
    for (const Case c : {Case{vbNo, false}, Case{vbYes, true}}) {
        application->quitCalls = 0;
        GsBasis& w = open();
        messages->expect(QStringLiteral("Sibank-Datei"));
        User::click(w.Text1(6));
        append(w.Text1(6), QStringLiteral("X"));
        messages->expect(LeaveQuestion, c.answer);
        User::click(w.Command1(1));
        EXPECT_EQ(messages->shown().back().style, 36);
        settle();
        EXPECT_EQ(application->quitCalls, 1);
        EXPECT_EQ(readBytes(QStringLiteral("Daten/Sibankpfad.txt")), c.saved ? path.left(path.size() - 3) + "X\"\r\n" : path);
        // Yes saves only: no Word start.
        EXPECT_TRUE(launcher->commandLines.isEmpty());
        writeBytes(QStringLiteral("Daten/Sibankpfad.txt"), path);
    }
}

TEST_F(GsBasisTest, AClubAddedOrAGenderChosenIsAskedAboutThoughNoBoxLostTheFocus)
{
    for (int change = 0; change < 2; ++change) {
        GsBasis& w = openForEditing();
        if (change == 0) {
            inputs->answerNext(QStringLiteral("Tanz"));
            User::click(w.Command2(0));
        } else {
            User::click(w.Option1(0));
        }
        messages->expect(LeaveQuestion, vbYes);
        User::click(w.Command1(1));
        settle();
        EXPECT_FALSE(registry.IsLoaded(WindowNames::MasterData));
    }
    EXPECT_TRUE(readFile(QStringLiteral("Daten/AGListe.txt")).endsWith(QStringLiteral("\"Tanz\"\r\n")));
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Namen.Txt")).startsWith(QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"m\"")));
}

// A read-only Daten at "Basisdaten speichern" is one message naming every file of the save, the
// master files as the emptied stores, and no list is handed to Word.
TEST_F(GsBasisTest, AReadOnlyDatenAtTheSaveIsOneMessageNamingEveryFile)
{
    GsBasis& w = open();
    messages->expect(SchoolQuestion, vbYes);
    User::click(w.Command3);
    Files::setWriteFailure([](const QString& absolutePath) { return absolutePath.contains(QLatin1String("/Daten/")); });
    messages->clearShown();
    messages->expect(QStringLiteral("Die folgenden Dateien konnten nicht gespeichert werden."));
    User::click(w.Command1(0));
    messages->verifyDone();
    ASSERT_EQ(messages->shown().size(), 1u);
    for (const char* file : {"Basisdaten.txt", "Sibankpfad.txt", "Namen.Txt", "AGListe.txt", "Bildliststeuer.Txt",
                             "AVSVspeicher.txt", "AVSVWahl.txt", "12Speicher.txt", "12Sperre.txt", "34Speicher.txt", "34Sperre.txt"})
        EXPECT_TRUE(messages->shown().front().prompt.contains(QStringLiteral("Daten\\") + QLatin1String(file), Qt::CaseInsensitive))
            << file;
    EXPECT_TRUE(launcher->commandLines.isEmpty());
    Files::setWriteFailure(nullptr);
}

TEST_F(GsBasisTest, AFailedSaveOnLeavingKeepsTheWindowAndTheInput)
{
    GsBasis& w = open();
    messages->expect(QStringLiteral("Sibank-Datei"));
    User::click(w.Text1(6));
    append(w.Text1(6), QStringLiteral("X"));
    Files::setWriteFailure([](const QString& absolutePath) { return absolutePath.endsWith(QStringLiteral("Sibankpfad.txt")); });
    messages->expect(LeaveQuestion, vbYes);
    messages->expect(QStringLiteral("Daten\\Sibankpfad.txt ") + WriteFailed);
    User::click(w.Command1(1));
    settle();
    EXPECT_EQ(application->quitCalls, 0);
    ASSERT_TRUE(registry.IsLoaded(WindowNames::MasterData));
    EXPECT_TRUE(w.Text1(6).text().endsWith(QLatin1Char('X')));

    // The disk is writable again: the title-bar button leaves as "Ende" does, with the edit still in its box.
    Files::setWriteFailure(nullptr);
    append(w.Text1(6), QStringLiteral("Y"));
    ASSERT_TRUE(w.Text1(6).hasFocus());
    messages->expect(LeaveQuestion, vbYes);
    w.window()->close();
    settle();
    EXPECT_EQ(application->quitCalls, 1);
    EXPECT_TRUE(readFile(QStringLiteral("Daten/Sibankpfad.txt")).endsWith(QStringLiteral("XY\"\r\n")));
}

TEST_F(GsBasisTest, TheMainMenuAsksBeforeItUnloadsTheWindowWithUnsavedInput)
{
    // The whole shipped class, so that the behaviour window finds its stores in order.
    installShippedData();
    const QByteArray path = readBytes(QStringLiteral("Daten/Sibankpfad.txt"));
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    for (int answer : {vbYes, vbNo}) {
        start.Command1_Click(MasterData);
        auto* w = registry.find<GsBasis>(WindowNames::MasterData);
        ASSERT_NE(w, nullptr);
        messages->expect(QStringLiteral("Sibank-Datei"));
        User::click(w->Text1(6));
        append(w->Text1(6), QStringLiteral("X"));
        // Entry 6 leaves the open window as it is.
        start.Command1_Click(MasterData);
        EXPECT_EQ(registry.find<GsBasis>(WindowNames::MasterData), w);

        messages->expect(LeaveQuestion, answer);
        if (answer == vbYes) {
            start.Command1_Click(BehaviourEntry);
            settle();
            EXPECT_TRUE(registry.IsLoaded(WindowNames::Behaviour));
            EXPECT_EQ(readBytes(QStringLiteral("Daten/Sibankpfad.txt")), path.left(path.size() - 3) + "X\"\r\n");
            writeBytes(QStringLiteral("Daten/Sibankpfad.txt"), path);
        } else {
            start.Command1_Click(Quit);
            settle();
            EXPECT_EQ(application->quitCalls, 1);
            EXPECT_EQ(readBytes(QStringLiteral("Daten/Sibankpfad.txt")), path);
        }
        EXPECT_FALSE(registry.IsLoaded(WindowNames::MasterData));
    }
}

} // namespace
