#include "common/WordLauncher.h"
#include "core/ProgramFolder.h"
#include "OfficeDocuments.h"
#include "TestProgram.h"
#include <QDir>

using namespace zt;

namespace {

const QString ReviewCommand = QStringLiteral("Winword.exe daten\\worddaten\\Anzeigetext.doc /mAnzeigetext");

// The program's own launcher, with the desktop's opening recorded.
class WordLauncherTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
        Services::install(MakeDocumentLauncher());
    }
    QString nativePath(const QString& relative) { return QDir::toNativeSeparators(path(relative)); }
};

TEST_F(WordLauncherTest, ANamedDocumentOpensWhereItIsAndAMissingOneIsToldWithItsMakerAndPath)
{
    writeBytes(QStringLiteral("3aZeugnisse31.odt"), "odt");
    RunWordCommand(QStringLiteral("Winword.exe 3aZeugnisse31.doc"));
    EXPECT_EQ(desktop->opened, QStringList{path(QStringLiteral("3aZeugnisse31.odt"))});

    messages->expect(QStringLiteral("Basisdaten speichern"));
    RunWordCommand(QStringLiteral("Winword.exe 3aZeugnisliste31.doc"));
    EXPECT_TRUE(messages->shown().back().prompt.contains(nativePath(QStringLiteral("3aZeugnisliste31.odt"))));
    messages->expect(QStringLiteral("Zeugnisse mit  WinWord®  schreiben"));
    RunWordCommand(QStringLiteral("Winword.exe 3aZeugnisse32.doc"));
    EXPECT_EQ(desktop->opened.size(), 1);
}

TEST_F(WordLauncherTest, WhenNothingCanOpenTheDocumentTheTeacherGetsItsPath)
{
    writeBytes(QStringLiteral("Texte/Hilfe1.odt"), "odt");
    desktop->succeeds = false;
    messages->expect(QStringLiteral("Das Textverarbeitungsprogramm konnte nicht gestartet werden."));
    RunWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe1.doc"));
    EXPECT_TRUE(messages->shown().back().prompt.endsWith(nativePath(QStringLiteral("Texte/Hilfe1.odt"))));
}

// A macro's document is named by the class, not by the command line.
TEST_F(WordLauncherTest, WhenNothingCanOpenAMadeDocumentTheTeacherGetsThePathOfWhatWasMade)
{
    desktop->succeeds = false;
    const struct {
        QString commandLine;
        QString document;
    } cases[] = {
        {QStringLiteral("Winword.exe ZeugnisseSchreiben.doc /mZeugnisseSchreiben"), QStringLiteral("3aZeugnisse31.odt")},
        {QStringLiteral("Winword.exe ZeugnislisteNeu.doc /mZeugnislisteNeu"), QStringLiteral("3aZeugnisliste31.odt")},
    };
    for (const auto& c : cases) {
        messages->expect(QStringLiteral("Das Textverarbeitungsprogramm konnte nicht gestartet werden."));
        RunWordCommand(c.commandLine);
        ASSERT_FALSE(messages->shown().empty());
        EXPECT_TRUE(messages->shown().back().prompt.endsWith(QStringLiteral("Dokument:\r\n") + nativePath(c.document)))
            << messages->shown().back().prompt.toStdString();
    }
}

TEST_F(WordLauncherTest, AMacroWithoutStandInAndALineOutsideTheProgramFolderAreToldAndOpenNothing)
{
    messages->expect(QStringLiteral("Das Dokument 'Unbekannt' kann dieses Programm noch nicht erstellen."));
    RunWordCommand(QStringLiteral("Winword.exe Unbekannt.doc /mUnbekannt"));
    messages->expect(QStringLiteral("nennt kein Dokument des Programmordners"));
    RunWordCommand(QStringLiteral("Winword.exe ..\\Zeugnisse.doc"));
    EXPECT_TRUE(desktop->opened.isEmpty());
}

TEST_F(WordLauncherTest, TheReviewTextIsPrintedLineForLine)
{
    const QString review = QStringLiteral("Grundschule am Lindenhof  Offene Ganztagsschule\r\nKlasse: 3a   Schuljahr: 2026/2027  1. Halbjahr\r\n"
                                          "Şahin, Łukasz\r\nArbeitsverhalten:\r\nŁukasz arbeitet sorgfältig.\r\n");
    clipboard->setText(review);
    RunWordCommand(ReviewCommand);
    const QString document = path(QStringLiteral("Daten/worddaten/Anzeigetext.odt"));
    ASSERT_EQ(desktop->opened, QStringList{document});
    const test::PrintedDocument printed = test::printDocument(document);
    ASSERT_TRUE(printed.converted);
    test::renderFirstPage(printed, QStringLiteral("Anzeigetext.png"));
    EXPECT_EQ(printed.pages, 1);
    // The PDF's text does not keep doubled blanks.
    auto lines = [](const QString& text) {
        QStringList found;
        for (const QString& line : QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                found << line.simplified();
        return found.join(QLatin1Char('|')).toStdString();
    };
    EXPECT_EQ(lines(printed.text()), lines(review));
}

TEST_F(WordLauncherTest, AReviewPrintThatCannotBeWrittenIsToldAndKeepsThePreviousOne)
{
    writeBytes(QStringLiteral("Daten/worddaten/Anzeigetext.odt"), "vorher");
    Files::setWriteFailure([](const QString& p) { return p.endsWith(QLatin1String("Anzeigetext.odt")); });
    messages->expect(QStringLiteral("Die Datei Daten\\worddaten\\Anzeigetext.odt konnte nicht gespeichert werden"));
    clipboard->setText(QStringLiteral("Text"));
    RunWordCommand(ReviewCommand);
    Files::setWriteFailure(nullptr);
    EXPECT_TRUE(desktop->opened.isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("Daten/worddaten/Anzeigetext.odt")), QByteArray("vorher"));
}

} // namespace
