#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "platform/Colour.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "review/GsAnzeige.h"
#include "TestProgram.h"
#include "User.h"
#include <QFile>
#include <initializer_list>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

const QString Line = QString(65, QLatin1Char('_')) + QStringLiteral("\r\n");
const QString AnzeigeCommand = QStringLiteral("Winword.exe daten\\worddaten\\Anzeigetext.doc /mAnzeigetext");

class GsAnzeigeTest : public test::TestProgram {
protected:
    // Two pupils: Anna with texts in every store, Emre with none. The school has no addition.
    void useClass(const QString& className)
    {
        installShippedData();
        writeFile(QStringLiteral("Daten/Basisdaten.txt"),
                  QStringLiteral("\"Grundschule am Lindenhof\",\"\",\"Weg 1\",\"Ort\",\"29.01.2027\",\"2026/2027\",\"1\","
                                 "\"2027/2028\",\"21.01.2027\",\"Frau Sommer\"\r\n"));
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  QStringLiteral("1,\"%1\",\"Meier\",\"Anna\",\"w\",\"05.03.2017\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"
                                 "2,\"%1\",\"Kaya\",\"Emre\",\"m\",\"11.11.2017\",\"\",\"\",\"\",\"\",\"Ort\"\r\n")
                      .arg(className));
        writeFile(QStringLiteral("Daten/AVSVspeicher.txt"),
                  QStringLiteral("1,\"%1\",\"Meier\",\"Anna\",\"Anna arbeitet.\",\"Anna hilft.\"\r\n"
                                 "2,\"%1\",\"Kaya\",\"Emre\",\"\",\"\"\r\n")
                      .arg(className));
        writeFile(QStringLiteral("Daten/12Speicher.txt"),
                  QStringLiteral("1,\"%1\",\"Meier\",\"Anna\",\"Malt gern.\",\"Spricht.\",\"Liest.\",\"Schreibt.\","
                                 "\"Rechnet.\",\"Misst.\",\"Zeichnet.\",\"Bemerkung zu Anna.\"\r\n"
                                 "2,\"%1\",\"Kaya\",\"Emre\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n")
                      .arg(className));
        writeFile(QStringLiteral("Daten/34Speicher.txt"),
                  QStringLiteral("1,\"%1\",\"Meier\",\"Anna\",\"Anna singt im Chor.\",\"Liest gern.\","
                                 "\"Bemerkung zu Anna.\"\r\n"
                                 "2,\"%1\",\"Kaya\",\"Emre\",\"\",\"\",\"\"\r\n")
                      .arg(className));
    }

    QString header(const QString& className) const
    {
        return QStringLiteral("Grundschule am Lindenhof  \r\nKlasse: %1   Schuljahr: 2026/2027  1. Halbjahr\r\n"
                              "Bisherige Einträge im Zeugnisprogramm\r\n")
                   .arg(className)
             + Line;
    }

    GsAnzeige& open() { return *static_cast<GsAnzeige*>(registry.Show(WindowNames::Review)); }

    void tick(GsAnzeige& w, std::initializer_list<int> boxes)
    {
        for (int i : boxes)
            User::click(w.Check1(i));
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(GsAnzeigeTest, AGradeThreeClassShowsItsThreePartsWithSupportBeforeRemarks)
{
    useClass(QStringLiteral("3a"));
    GsAnzeige& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("GsAnzeige"));
    EXPECT_EQ(w.Label1.caption(), QStringLiteral("Wählen Sie unten die anzuzeigenden Inhalte aus!"));
    EXPECT_EQ(w.Label2.caption(), QStringLiteral("Bisherige Eintragungen für die Klasse 3a im Schuljahr 2026/2027  1. Halbjahr"));
    for (int i = 3; i <= 8; ++i)
        EXPECT_FALSE(w.Check1(i).visible()) << i;
    for (int i : {0, 1, 2, 9, 10})
        EXPECT_TRUE(w.Check1(i).visible()) << i;
    EXPECT_EQ(w.Check1(2).caption(), QStringLiteral("Besondere Interessen:"));
    EXPECT_EQ(w.Check1(10).caption(), QStringLiteral("Förder und AG"));
    EXPECT_EQ(w.Check1(9).caption(), QStringLiteral("Bemerkungen"));
    EXPECT_EQ(w.Text1.text(),
              QStringLiteral("Nach der Auswahl und dem Anklicken der Taste 'Text laden' erscheinen hier die bisherigen, mit "
                             "dem Programm erarbeiteten Einträge.\r\nSie können hier nicht überarbeitet werden.\r\n\r\n"
                             "Der Text lässt sich mit der Taste\r\n\r\n           'Text in Word übertragen'\r\n\r\n"
                             "in ein Worddokument einfügen und kann dann ausgedruckt werden."));
    EXPECT_TRUE(w.Text1.readOnly());
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(w.Command1(i).enabled());
        EXPECT_EQ(w.Command1(i).backColor(), Colours::White);
    }
    EXPECT_EQ(w.Command1(0).toolTip(), QStringLiteral("Den Text für ausgewählte Zeugnisteile laden"));
    EXPECT_EQ(w.Command1(1).toolTip(), QStringLiteral("Ausgewählten Text ausdrucken"));
    EXPECT_EQ(w.Command1(2).caption(), QStringLiteral("Ende"));
    EXPECT_EQ(w.Command1(2).toolTip(), QStringLiteral("Zurück zum Startmenü"));
    EXPECT_EQ(w.Command1(2).backColor(), Colours::Red);

    tick(w, {10});
    EXPECT_TRUE(w.Command1(0).enabled());
    EXPECT_EQ(w.Command1(0).backColor(), Colours::LightGreen);
    EXPECT_FALSE(w.Command1(1).enabled());
    tick(w, {9, 2});
    test::renderToPng(w.window(), QStringLiteral("GsAnzeige-ticked.png"));
    User::click(w.Command1(0));
    EXPECT_EQ(w.Text1.text(),
              header(QStringLiteral("3a"))
                  + QStringLiteral("Meier, Anna\r\n\r\nBesondere Interessen:\r\nLiest gern.\r\n"
                                   "\r\nFörder und Arbeitsgemeinschaften:\r\nAnna singt im Chor.\r\n"
                                   "\r\nBemerkungen:\r\nBemerkung zu Anna.\r\n")
                  + Line
                  + QStringLiteral("Kaya, Emre\r\n\r\nBesondere Interessen:\r\n\r\n\r\nFörder und Arbeitsgemeinschaften:\r\n\r\n"
                                   "\r\nBemerkungen:\r\n\r\n")
                  + Line + QStringLiteral("\r\n\r\n\r\n"));
    EXPECT_EQ(w.Text1.fontSize(), 10);
    EXPECT_FALSE(w.Command1(0).enabled());
    EXPECT_EQ(w.Command1(0).backColor(), w.Frame1.backColor());
    EXPECT_TRUE(w.Command1(1).enabled());
    EXPECT_EQ(w.Command1(1).backColor(), Colours::LightGreen);
    test::renderToPng(w.window(), QStringLiteral("GsAnzeige-loaded.png"));
}

TEST_F(GsAnzeigeTest, AGradeTwoClassShowsTheCompetencesAndNoSupportPart)
{
    useClass(QStringLiteral("2b"));
    GsAnzeige& w = open();
    EXPECT_FALSE(w.Check1(10).visible());
    const QString captions[] = {QStringLiteral("Arbeitsverhalten"), QStringLiteral("Sozialverhalten"),
                                QStringLiteral("Interessen und Fertigkeiten"), QStringLiteral("Sprechen und Zuhören"),
                                QStringLiteral("Lesen und mit Texten umgehen"), QStringLiteral("Schreiben, Texte verfassen"),
                                QStringLiteral("Zahlen und Operationen"), QStringLiteral("Größen und Messen"),
                                QStringLiteral("Raum und Form"), QStringLiteral("Bemerkungen")};
    for (int i = 0; i <= 9; ++i) {
        EXPECT_TRUE(w.Check1(i).visible()) << i;
        EXPECT_EQ(w.Check1(i).caption(), captions[i]);
    }
    tick(w, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    User::click(w.Command1(0));
    const QString anna =
        QStringLiteral("Meier, Anna\r\nArbeitsverhalten:\r\nAnna arbeitet.\r\n\r\nSozialverhalten:\r\nAnna hilft.\r\n"
                       "\r\nInteressen und Fertigkeiten:\r\nMalt gern.\r\n\r\nSprechen und Zuhören:\r\nSpricht.\r\n"
                       "\r\nLesen und mit Texten umgehen:\r\nLiest.\r\n\r\nSchreiben, Texte verfassen:\r\nSchreibt.\r\n"
                       "\r\nZahlen und Operationen:\r\nRechnet.\r\n\r\nGrößen und Messen:\r\nMisst.\r\n"
                       "\r\nRaum und Form:\r\nZeichnet.\r\n\r\nBemerkungen:\r\nBemerkung zu Anna.\r\n")
        + Line;
    EXPECT_TRUE(w.Text1.text().startsWith(header(QStringLiteral("2b")) + anna + QStringLiteral("Kaya, Emre\r\n")));
    EXPECT_FALSE(w.Text1.text().contains(QStringLiteral("Förder")));
    test::renderToPng(w.window(), QStringLiteral("GsAnzeige-grade2.png"));
}

TEST_F(GsAnzeigeTest, EachLoadShowsOnlyTheCurrentSelection)
{
    useClass(QStringLiteral("2b"));
    GsAnzeige& w = open();
    tick(w, {9});
    User::click(w.Command1(0));
    EXPECT_EQ(w.Text1.text(), header(QStringLiteral("2b")) + QStringLiteral("Meier, Anna\r\n\r\nBemerkungen:\r\nBemerkung zu Anna.\r\n")
                                  + Line + QStringLiteral("Kaya, Emre\r\n\r\nBemerkungen:\r\n\r\n") + Line
                                  + QStringLiteral("\r\n\r\n\r\n"));

    // A click on a box enables loading again; unticking never disables it.
    tick(w, {0});
    EXPECT_TRUE(w.Command1(0).enabled());
    tick(w, {9});
    EXPECT_TRUE(w.Command1(0).enabled());
    User::click(w.Command1(0));
    EXPECT_FALSE(w.Text1.text().contains(QStringLiteral("Bemerkung")));
    EXPECT_TRUE(w.Text1.text().contains(QStringLiteral("Meier, Anna\r\nArbeitsverhalten:\r\nAnna arbeitet.\r\n") + Line));

    // Unticking the last box after a load leaves loading disabled; the transfer keeps its state.
    tick(w, {0});
    EXPECT_FALSE(w.Command1(0).enabled());
    EXPECT_TRUE(w.Command1(1).enabled());
}

TEST_F(GsAnzeigeTest, TheTransferHandsTheDisplayToWordThroughTheClipboard)
{
    useClass(QStringLiteral("3a"));
    GsAnzeige& w = open();
    clipboard->setText(QStringLiteral("alter Inhalt"));
    tick(w, {0, 1});
    User::click(w.Command1(0));
    const QString shown = w.Text1.text();
    User::click(w.Command1(1));
    EXPECT_EQ(clipboard->text(), shown);
    EXPECT_EQ(clipboard->text(),
              header(QStringLiteral("3a"))
                  + QStringLiteral("Meier, Anna\r\nArbeitsverhalten:\r\nAnna arbeitet.\r\n\r\nSozialverhalten:\r\nAnna hilft.\r\n")
                  + Line + QStringLiteral("Kaya, Emre\r\nArbeitsverhalten:\r\n\r\n\r\nSozialverhalten:\r\n\r\n") + Line
                  + QStringLiteral("\r\n\r\n\r\n"));
    User::click(w.Command8);
    EXPECT_EQ(launcher->commandLines, (QStringList{AnzeigeCommand, QStringLiteral("Winword.exe Texte\\Hilfe5.doc")}));

    // Without a word processor the teacher is told, and the window stays.
    launcher->succeeds = false;
    messages->expect(QStringLiteral("Das Textverarbeitungsprogramm konnte nicht gestartet werden"));
    User::click(w.Command1(1));
    EXPECT_TRUE(registry.IsLoaded(WindowNames::Review));
}

TEST_F(GsAnzeigeTest, DamagedOrMissingFilesAreToldAndTheReadableTextsShown)
{
    useClass(QStringLiteral("3a"));
    writeFile(QStringLiteral("Daten/34Speicher.txt"), QStringLiteral("1,\"3a\",\"Meier\",\"Anna\",\"Chor.\",\"\",\"\"\r\n"
                                                                     "40,\"3a\",\"Kaya\",\"Emre\",\"Schach.\",\"\",\"\"\r\n"
                                                                     "3,\"3a\",\"Roth\",\"Ida\",\"Tanz.\",\"\",\"\"\r\n"));
    QFile::remove(path(QStringLiteral("Daten/AVSVspeicher.txt")));
    messages->expect(QStringLiteral("Die Datei Daten\\AVSVspeicher.txt ist nicht vorhanden"));
    messages->expect(QStringLiteral("Die Datei Daten\\34Speicher.txt ist beschädigt"));
    GsAnzeige& w = open();
    tick(w, {0, 10});
    User::click(w.Command1(0));
    EXPECT_TRUE(w.Text1.text().contains(QStringLiteral("Meier, Anna\r\nArbeitsverhalten:\r\n\r\n\r\nFörder und "
                                                       "Arbeitsgemeinschaften:\r\nChor.\r\n")));
    EXPECT_TRUE(w.Text1.text().contains(QStringLiteral("Förder und Arbeitsgemeinschaften:\r\nSchach.\r\n")));
    EXPECT_FALSE(w.Text1.text().contains(QStringLiteral("Tanz.")));
    EXPECT_EQ(application->quitCalls, 0);
}

TEST_F(GsAnzeigeTest, EndeTheTitleBarAndTheMainMenuCloseItWithoutAQuestion)
{
    useClass(QStringLiteral("3a"));
    GsAnzeige& w = open();
    tick(w, {0});
    User::click(w.Command1(2));
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Review));

    open().window()->close();
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Review));

    GsStart& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    User::click(start.Command1(ReviewEntries));
    ASSERT_TRUE(registry.IsLoaded(WindowNames::Review));
    EXPECT_TRUE(registry.Find(WindowNames::Review)->shown());
    tick(*registry.find<GsAnzeige>(WindowNames::Review), {1});
    start.Command1_Click(MasterData);
    settle();
    EXPECT_FALSE(registry.IsLoaded(WindowNames::Review));
    EXPECT_TRUE(messages->shown().empty());
}

} // namespace
