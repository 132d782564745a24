#include "core/ProgramFolder.h"
#include "documents/StandIns.h"
#include "TestProgram.h"
#include <QFileInfo>

using namespace zt;

namespace {

class StandInsTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
    }
};

// Every command line of the windows, on the shipped class 3a in its first half-year: the document
// it opens, and whether a stand-in made it just now.
TEST_F(StandInsTest, EveryCommandLineOpensItsDocument)
{
    struct Case {
        const char* commandLine;
        const char* document;
        bool made;
    };
    const Case cases[] = {
        // The class's documents are asked for before the stand-ins below make them.
        {"Winword.exe 3aZeugnisliste31.doc", "3aZeugnisliste31.odt", false},
        {"Winword.exe 3aZeugnisse31.doc", "3aZeugnisse31.odt", false},
        {"Winword.exe ZeugnisseSchreiben.doc /mZeugnisseSchreiben", "3aZeugnisse31.odt", true},
        {"Winword.exe Texte\\Hilfe1.doc", "Texte\\Hilfe1.odt", true},
        {"Winword.exe Texte\\Hilfe2.doc", "Texte\\Hilfe2.odt", true},
        {"Winword.exe Texte\\Hilfe3.doc", "Texte\\Hilfe3.odt", true},
        {"Winword.exe Texte\\Hilfe4.doc", "Texte\\Hilfe4.odt", true},
        {"Winword.exe Texte\\Hilfe5.doc", "Texte\\Hilfe5.odt", true},
        {"Winword.exe Texte\\Hilfe6.doc", "Texte\\Hilfe6.odt", true},
        {"Winword.exe Texte\\Hilfe7.doc", "Texte\\Hilfe7.odt", true},
        {"Winword.exe Texte\\Hilfe8.doc", "Texte\\Hilfe8.odt", true},
        {"Winword.exe Texte\\Hilfe9.doc", "Texte\\Hilfe9.odt", true},
        {"Winword.exe Texte\\Hilfe10.doc", "Texte\\Hilfe10.odt", true},
        {"Winword.exe Texte\\Hilfe11.doc", "Texte\\Hilfe11.odt", true},
        {"Winword.exe Texte\\Hilfe12.doc", "Texte\\Hilfe12.odt", true},
        {"Winword.exe Texte\\Hilfe13.doc", "Texte\\Hilfe13.odt", true},
        {"Winword.exe daten\\worddaten\\Anzeigetext.doc /mAnzeigetext", "Daten\\worddaten\\Anzeigetext.odt", true},
        {"Winword.exe ZeugnislisteNeu.doc /mZeugnislisteNeu", "3aZeugnisliste31.odt", true},
        {"Winword.exe ZeugnisseAnlagen.doc /mZeugnisseAnlagen", "ZeugnisseAnlagen.odt", true},
        {"Winword.exe KlListe.doc /mKlassenliste", "KlListe.odt", true},
        {"Winword.exe StListe.doc /mStrichliste", "StListe.odt", true},
        {"Winword.exe BldListe.doc /mBilderliste", "BldListe.odt", true},
        {"Winword.exe Leerformular.doc /mLeerformular", "Leerformular.odt", true},
    };
    for (const Case& c : cases) {
        const WordCommand command = ParseWordCommand(QString::fromUtf8(c.commandLine));
        ASSERT_TRUE(command.valid) << c.commandLine;
        const PreparedDocument prepared = PrepareDocument(command, {QStringLiteral("Text"), QDate(2027, 1, 29)});
        const bool hasMacro = !command.macro.isEmpty();
        EXPECT_EQ(prepared.status, hasMacro && !c.made ? PreparedDocument::NoStandIn : PreparedDocument::Ready) << c.commandLine;
        EXPECT_EQ(prepared.document, QString::fromUtf8(c.document)) << c.commandLine;
        EXPECT_EQ(QFileInfo(Files::resolve(prepared.document)).isFile(), c.made) << c.commandLine;
    }
}

} // namespace
