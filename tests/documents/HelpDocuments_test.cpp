#include "app/GsStart.h"
#include "common/WordLauncher.h"
#include "core/HelpMarkup.h"
#include "core/ProgramFolder.h"
#include "OfficeDocuments.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QDir>
#include <QFile>
#include <vector>

using namespace zt;

namespace {

class HelpDocumentsTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
        Services::install(MakeDocumentLauncher());
    }

    static QString command(int number) { return QStringLiteral("Winword.exe Texte\\Hilfe%1.doc").arg(number); }
    QString helpPath(int number) const { return path(QStringLiteral("Texte/Hilfe%1.odt").arg(number)); }
};

constexpr int HelpCount = 13;

// The printed text without the blanks and line ends that the page adds or drops.
QString flat(const QString& text) { return text.simplified(); }

struct Help {
    int number;
    // The title, which names the window as the teacher sees it, and for the help beside a start-page
    // button, that button.
    const char* title;
    // The captions of the buttons the help explains, exactly as the window shows them.
    std::vector<const char*> captions;
};

const std::vector<Help>& helps()
{
    static const std::vector<Help> table = {
        {1, "Hilfe zur Startseite",
         {"Arbeits- und Sozialverhalten erstellen", "Interessen, Kompetenzen und Bemerkungen erstellen",
          "Förderteilnahme, AG, Interessen und Bemerkungen erstellen", "Bisherige Texte auf Bildschirm oder Drucker ausgeben",
          "Die Hilfsprogramme der Werkzeugkiste aufrufen", "Programm beenden", "Zeugnisse mit  WinWord®  schreiben",
          "Zeugnisliste aufrufen", "Versäumnisliste aufrufen", "Erstellte Zeugnisse bearbeiten und drucken",
          "Listen und Formulare erstellen und drucken", "Textbausteine zum Arbeits- und Sozialverhalten ändern",
          "Textbausteine für Interessen, Kompetenzen und Bemerkungen ändern",
          "Textbausteine für Förder und AG, Interessen und Bemerkungen ändern", "Stammdaten prüfen und ggf. ändern",
          "zurück zum Start"}},
        {2, "Hilfe zum Fenster „Arbeits- und Sozialverhalten“",
         {"Namensliste", "Arbeitsverhalten", "Sozialverhalten", "keine Angabe", "Alle Texte speichern", "Aktuelle Eingaben neu",
          "Einfügung zeigen", "Einfügung verbergen", "Neuen Text eingeben", "Markierten Eintrag löschen",
          "Alle Einträge löschen", "Abbrechen", "Alle Eingaben beenden"}},
        {3, "Hilfe zum Fenster „Interessen - Kompetenzen -  Bemerkungen“",
         {"Namensliste", "Interessen", "Deutsch Sprechen Zuhören", "Deutsch Lesen Texte", "Deutsch Schreiben Texte",
          "Mathe Zahlen Operationen", "Mathe Größen Messen", "Mathe Raum Form", "Bemerkungen", "Kein Eintrag",
          "Alle Texte speichern", "Aktuelle Eingabe neu", "Einfügung zeigen", "Einfügung schließen", "Abbrechen",
          "Alle Eingaben beenden"}},
        {4, "Hilfe zum Fenster „Förder Interessen“",
         {"Namensliste", "Förderteilnahme und AG", "Interessen", "Bemerkungen", "Kein Eintrag", "Schwimmabzeichenerwerb:",
          "Sportabzeichenerwerb:", "Radfahrprüfung:", "Alle Texte speichern", "Aktuelle Eingabe neu", "Einfügungen zeigen",
          "Einfügungen verbergen", "Abbrechen", "Alle Eingaben beenden"}},
        {5, "Hilfe zum Fenster „GsAnzeige“",
         {"Arbeitsverhalten", "Sozialverhalten", "Interessen und Fertigkeiten", "Sprechen und Zuhören",
          "Lesen und mit Texten umgehen", "Schreiben, Texte verfassen", "Zahlen und Operationen", "Größen und Messen",
          "Raum und Form", "Bemerkungen", "Besondere Interessen:", "Förder und AG", "Text laden", "Text in Word übertragen",
          "Ende"}},
        {6, "Hilfe zum Fenster „Änderung der Texte 1 und 2“",
         {"Standardtextbausteine laden", "AktuelleTextbausteine laden", "Interessen", "Deutsch Sprechen und Zuhören",
          "Deutsch Lesen Texte", "Deutsch Schreiben Texte", "Mathe Zahlen Operationen", "Mathe Größen Messen",
          "Mathe  Raum Form", "Bemerkungen", "Alles als aktuelle Textbausteine speichern",
          "Textvorgaben für Platzhalter anzeigen", "Textvorgaben für Platzhalter verbergen", "Beenden"}},
        {7, "Hilfe zum Fenster „34Änderung“",
         {"Standardtextbausteine laden", "Aktuelle Textbausteine laden", "Förderteilnahme und AG", "Interessen", "Bemerkungen",
          "Alles als aktuelle Formulierungen speichern", "Textvorgaben für Platzhalter anzeigen",
          "Textvorgaben für Platzhalter verbergen", "Beenden"}},
        {8, "Hilfe zum Fenster „Textänderung AVSV“",
         {"Standardformulierungen laden", "Aktuelle Formulierungen laden", "Arbeitsverhalten", "Sozialverhalten", "Kategorie:",
          "Farbwahl", "Alles als aktuelle Formulierungen speichern", "Geschlechtsspezifische Platzhalter anzeigen",
          "Geschlechtsspezifische Platzhalter verbergen", "Beenden"}},
        {9, "Hilfe zum Fenster „GsBasis“",
         {"Schuldaten ändern", "bearbeiten", "Gesamtliste neu anlegen", "aktuellen Schüler löschen", "Schüler hinzufügen",
          "Schüler alphabetisch sortieren", "AG-Liste erstellen oder ergänzen", "AG-Liste löschen", "SibankPlus", "Sibwin",
          "Basisdaten speichern", "Ende", "Name:", "Zusatz:", "Anschrift:", "Schuljahr:", "Halbjahr:", "Klasse:",
          "Sibank-Pfad:", "Zeugnisausgabe-Datum:", "Zeugniskonferenz-Datum:", "Zeugnisausgabe-Ort:", "Klassenleitung:",
          "Nummer:", "Nachname:", "Vorname:", "geboren am:", "in:", "männlich", "weiblich", "AG 1:", "AG 4:"}},
        {10, "Hilfe zur Taste „Zeugnisliste aufrufen“ der Startseite", {"Versäumnisliste aufrufen", "Basisdaten speichern"}},
        {11, "Hilfe zur Taste „Zeugnisse mit  WinWord®  schreiben“ der Startseite",
         {"Erstellte Zeugnisse bearbeiten und drucken", "Bisherige Texte auf Bildschirm oder Drucker ausgeben",
          "Alle Texte speichern"}},
        {12, "Hilfe zur Taste „Erstellte Zeugnisse bearbeiten und drucken“ der Startseite", {"Zeugnisse mit  WinWord®  schreiben"}},
        {13, "Hilfe zur Taste „Listen und Formulare erstellen und drucken“ der Startseite",
         {"Listenerstellung- Dieses Fenster ist hier verschiebbar!!", "Zeugnisanlagen", "Klassenliste", "Strichliste",
          "Bildbenennungs-Liste", "Leere Zeugnisse", "Beenden"}},
    };
    return table;
}

// Every help button opens its help, made just now from the program's own text, in the folder Texte,
// which is made where it is missing.
TEST_F(HelpDocumentsTest, EveryHelpNamesItsWindowAndTheCaptionsOfItsButtons)
{
    ASSERT_EQ(static_cast<int>(helps().size()), HelpCount);
    ASSERT_TRUE(QDir(path(QStringLiteral("Texte"))).removeRecursively());
    QStringList documents;
    for (const Help& h : helps()) {
        RunWordCommand(command(h.number));
        documents << helpPath(h.number);
    }
    EXPECT_EQ(desktop->opened, documents);
    const QList<test::PrintedDocument> printed = test::printDocuments(documents);
    for (const Help& h : helps()) {
        SCOPED_TRACE(h.number);
        const test::PrintedDocument& p = printed[h.number - 1];
        ASSERT_TRUE(p.converted);
        test::renderFirstPage(p, QStringLiteral("Hilfe%1.png").arg(h.number));
        // The first page begins with the title, after the line that marks every help.
        EXPECT_TRUE(flat(p.pageTexts.value(0)).startsWith(QStringLiteral("Zeugnistexte – Hilfe ") + flat(QString::fromUtf8(h.title))))
            << p.pageTexts.value(0).left(300).toStdString();
        const QString all = flat(p.text());
        for (const char* caption : h.captions)
            EXPECT_TRUE(all.contains(QStringLiteral("„%1“").arg(flat(QString::fromUtf8(caption))))) << caption;
        EXPECT_FALSE(all.contains(QLatin1Char('#'))) << "mark-up left in the text";
    }
}

// The help texts as they are kept: one title first, then blocks with text. Steps come in runs of two
// or more, numbered from 1; a lone step, or one that does not follow the step before it, is a line
// that went on with "2. Halbjahr" and was taken for a step.
TEST_F(HelpDocumentsTest, EveryHelpTextIsWellFormed)
{
    for (int number = 1; number <= HelpCount + 1; ++number) {
        SCOPED_TRACE(number);
        QFile source(QStringLiteral(":/help/Hilfe%1.txt").arg(number));
        if (number > HelpCount) {
            EXPECT_FALSE(source.exists());
            continue;
        }
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QList<HelpBlock> blocks = ParseHelpMarkup(QString::fromUtf8(source.readAll()));
        ASSERT_FALSE(blocks.isEmpty());
        EXPECT_EQ(blocks.front().kind, HelpBlock::Title);
        blocks.append({HelpBlock::Paragraph, QStringLiteral("Ende"), {}});
        int steps = 0;
        for (qsizetype i = 0; i < blocks.size(); ++i) {
            const HelpBlock& b = blocks[i];
            EXPECT_FALSE(b.text.isEmpty());
            EXPECT_TRUE(i == 0 || b.kind != HelpBlock::Title) << b.text.toStdString();
            if (b.kind == HelpBlock::Step) {
                EXPECT_EQ(b.marker, QStringLiteral("%1.").arg(++steps)) << b.text.toStdString();
                continue;
            }
            EXPECT_NE(steps, 1) << "a lone step before: " << b.text.toStdString();
            steps = 0;
        }
    }
}

// The start page's help button opens the help of this program, also where an older help lies.
TEST_F(HelpDocumentsTest, TheStartPagesHelpButtonWritesTheHelpAnew)
{
    writeBytes(QStringLiteral("Texte/Hilfe1.odt"), "alte Hilfe");
    auto& start = *static_cast<GsStart*>(WindowRegistry::instance().Show(WindowNames::Start));
    User::click(start.Command8);
    EXPECT_EQ(desktop->opened, QStringList{helpPath(1)});
    EXPECT_TRUE(readBytes(QStringLiteral("Texte/Hilfe1.odt")).startsWith("PK"));
}

// A help that cannot be written is told by its name, keeps the one before and opens nothing; so
// does a file where the folder Texte should be.
TEST_F(HelpDocumentsTest, AHelpThatCannotBeWrittenIsToldAndOpensNothing)
{
    writeBytes(QStringLiteral("Texte/Hilfe5.odt"), "vorher");
    Files::setWriteFailure([](const QString& p) { return p.endsWith(QLatin1String("Hilfe5.odt")); });
    messages->expect(QStringLiteral("Die Datei Texte\\Hilfe5.odt konnte nicht gespeichert werden"));
    RunWordCommand(command(5));
    Files::setWriteFailure(nullptr);
    EXPECT_EQ(readBytes(QStringLiteral("Texte/Hilfe5.odt")), QByteArray("vorher"));

    ASSERT_TRUE(QDir(path(QStringLiteral("Texte"))).removeRecursively());
    writeBytes(QStringLiteral("Texte"), "keine Hilfe");
    messages->expect(QStringLiteral("Die Datei Texte\\Hilfe9.odt konnte nicht gespeichert werden"));
    RunWordCommand(command(9));
    EXPECT_EQ(readBytes(QStringLiteral("Texte")), QByteArray("keine Hilfe"));
    EXPECT_TRUE(desktop->opened.isEmpty());
}

} // namespace
