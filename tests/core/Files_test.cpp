#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include "core/WordCommandLine.h"
#include "ProgramFolderTest.h"
#include <QDir>
#include <QFile>

using namespace zt;

TEST(Windows1252, UmlautsAreSingleBytesAndUnknownCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(encodeWindows1252(QStringLiteral("äöüßÄÖÜ€„“–")), QByteArray("\xE4\xF6\xFC\xDF\xC4\xD6\xDC\x80\x84\x93\x96"));
    EXPECT_EQ(encodeWindows1252(QStringLiteral("a\u4E2Db\U0001F600c")), QByteArray("a?b?c"));
    // Halves of a pair that lost their partner, as a cut text may hold them.
    const QChar high(0xD83D), low(0xDE00);
    const QString text = QStringLiteral("a") + low + QStringLiteral("b") + high + QStringLiteral("c") + high + low + low;
    EXPECT_EQ(encodeWindows1252(text), QByteArray("a?b?c??"));
    const QByteArray all = [] {
        QByteArray b;
        for (int i = 0; i < 256; ++i)
            b.append(static_cast<char>(i));
        return b;
    }();
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(all)), all);
}

class FilesTest : public test::ProgramFolderTest {};

TEST_F(FilesTest, NamesAreMatchedWithoutRegardToCase)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"), QStringLiteral("x"));
    EXPECT_TRUE(Files::exists(QStringLiteral("Daten\\Namen.txt")));
    EXPECT_TRUE(Files::exists(QStringLiteral("daten\\NAMEN.TXT")));
    ASSERT_TRUE(Files::writeText(QStringLiteral("Daten\\Namen.txt"), QStringLiteral("Müller")));
    EXPECT_EQ(QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files), QStringList{QStringLiteral("Namen.Txt")});
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Namen.Txt")), QByteArray("M\xFCller"));
    ASSERT_TRUE(Files::writeText(QStringLiteral("Daten\\Neu.txt"), QString()));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Daten/Neu.txt"))));
}

TEST_F(FilesTest, AFailedWriteIsReportedAndLeavesNoFile)
{
    EXPECT_FALSE(Files::writeText(QStringLiteral("Fehlt\\x.txt"), QStringLiteral("neu")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Fehlt/x.txt"))));
    EXPECT_FALSE(Files::copy(QStringLiteral("Daten\\nichtda.txt"), QStringLiteral("Daten\\ziel.txt")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Daten/ziel.txt"))));
}

TEST_F(FilesTest, WordCommandLinesNameADocumentOfTheProgramFolder)
{
    const WordCommand help = ParseWordCommand(QStringLiteral("Winword.exe Texte\\Hilfe1.doc"));
    EXPECT_TRUE(help.valid);
    EXPECT_EQ(help.document, QStringLiteral("Texte\\Hilfe1.doc"));
    EXPECT_EQ(OpenDocumentOf(help.document), QStringLiteral("Texte\\Hilfe1.odt"));
    EXPECT_TRUE(help.macro.isEmpty());
    const WordCommand macro = ParseWordCommand(QStringLiteral("Winword.exe ZeugnisseSchreiben.doc /mZeugnisseSchreiben"));
    EXPECT_EQ(macro.document, QStringLiteral("ZeugnisseSchreiben.doc"));
    EXPECT_EQ(macro.macro, QStringLiteral("ZeugnisseSchreiben"));
    // A hostile class name stays part of one file name; nothing outside the program folder is named.
    const WordCommand hostile = ParseWordCommand(QStringLiteral("Winword.exe 3a; rm -rf ~ $(id)Zeugnisliste31.doc"));
    EXPECT_TRUE(hostile.valid);
    EXPECT_EQ(Files::resolve(hostile.document), path(QStringLiteral("3a; rm -rf ~ $(id)Zeugnisliste31.doc")));
    for (const char* invalid : {"rm -rf /", "Winword.exe ", "Winword.exe ..\\..\\etc\\passwd.doc", "Winword.exe /etc/x.doc",
                                "Winword.exe a/../../b.doc"})
        EXPECT_FALSE(ParseWordCommand(QString::fromLatin1(invalid)).valid) << invalid;
}

TEST_F(FilesTest, TheDatedCopyOfADocumentLiesBesideItNamedByTheDay)
{
    const QDate day(2026, 12, 9);
    const std::pair<const char*, const char*> cases[] = {
        {"3aZeugnisse31.odt", "3aZeugnisse31 09.12.2026.odt"},
        {"Texte\\Hilfe1.odt", "Texte\\Hilfe1 09.12.2026.odt"},
        {"Liste", "Liste 09.12.2026"},
        {"Daten\\x.y\\Liste", "Daten\\x.y\\Liste 09.12.2026"},
    };
    for (const auto& [document, copy] : cases)
        EXPECT_EQ(DatedCopyOf(QString::fromLatin1(document), day), QString::fromLatin1(copy)) << document;
}
