#include "core/HelpMarkup.h"
#include <gtest/gtest.h>
#include <ostream>

using namespace zt;

namespace zt {
static void PrintTo(const HelpBlock& b, std::ostream* os)
{
    *os << '{' << b.kind << ", \"" << b.text.toStdString() << "\", \"" << b.marker.toStdString() << "\"}";
}
} // namespace zt

namespace {

using Kind = HelpBlock::Kind;

TEST(HelpMarkup, LinesBecomeBlocks)
{
    struct Case {
        const char* name;
        const char* source;
        QList<HelpBlock> expected;
    };
    const Case cases[] = {
        {"title, heading and paragraph", "# Hilfe\n## Wozu\nEin Satz.\n",
         {{Kind::Title, "Hilfe", {}}, {Kind::Heading, "Wozu", {}}, {Kind::Paragraph, "Ein Satz.", {}}}},
        {"the lines of a paragraph are joined, an empty line ends it", "Erste Zeile\n  zweite Zeile \n\nNeuer Absatz",
         {{Kind::Paragraph, "Erste Zeile zweite Zeile", {}}, {Kind::Paragraph, "Neuer Absatz", {}}}},
        {"a line after a heading starts a paragraph", "## Farben\nGrün heißt gewählt.\nRot heißt gesperrt.",
         {{Kind::Heading, "Farben", {}}, {Kind::Paragraph, "Grün heißt gewählt. Rot heißt gesperrt.", {}}}},
        {"items follow each other without empty lines and continue on the next line",
         "- „Text laden“ zeigt\n  die Texte.\n- „Ende“ schließt.",
         {{Kind::Bullet, "„Text laden“ zeigt die Texte.", {}}, {Kind::Bullet, "„Ende“ schließt.", {}}}},
        {"steps keep their numbers as written", "1. Öffnen Sie den Ordner.\n2. Kopieren\nSie die Datei.\n10. Fertig.",
         {{Kind::Step, "Öffnen Sie den Ordner.", "1."},
          {Kind::Step, "Kopieren Sie die Datei.", "2."},
          {Kind::Step, "Fertig.", "10."}}},
        {"a marker starts a block also right after a paragraph line", "Die Tasten:\n- Ende",
         {{Kind::Paragraph, "Die Tasten:", {}}, {Kind::Bullet, "Ende", {}}}},
        {"doubled blanks inside a caption stay", "- „Zeugnisse mit  WinWord®  schreiben“",
         {{Kind::Bullet, "„Zeugnisse mit  WinWord®  schreiben“", {}}}},
        {"Windows line ends and blank lines of blanks", "# Titel\r\n   \r\nText\r\n",
         {{Kind::Title, "Titel", {}}, {Kind::Paragraph, "Text", {}}}},
        {"not a marker: no blank after it, or not at the line's start", "-Strich\n1.5 Punkte\n #Raute\n2.Halbjahr",
         {{Kind::Paragraph, "-Strich 1.5 Punkte #Raute 2.Halbjahr", {}}}},
        {"a heading needs its two signs", "### Drei\n#Eins",
         {{Kind::Paragraph, "### Drei #Eins", {}}}},
        {"nothing", "\n\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseHelpMarkup(QString::fromUtf8(c.source)), c.expected);
    }
}

} // namespace
