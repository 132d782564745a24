#include "core/ProgramFolder.h"
#include "core/Windows1252.h"
#include "core/WordCommandLine.h"
#include "ProgramFolderTest.h"
#include <QDir>
#include <QFile>
#include <unistd.h>

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

// A file stays single-byte Windows-1252 while that can hold its text; a text with any other
// character goes to disk whole as UTF-8 after the mark, and comes back letter for letter.
TEST(FileText, WindowsTextStaysSingleBytesAndAnyOtherTextIsWholeUtf8WithTheMark)
{
    const QChar loneHalf(0xD83D);
    struct Case { QString text; QByteArray bytes; QString readBack; };
    const Case cases[] = {
        {QStringLiteral("Müller „Chor“ – 5 €"), QByteArray("M\xFCller \x84" "Chor\x93 \x96 5 \x80"), {}},
        {QStringLiteral("Şahin"), QByteArray("\xEF\xBB\xBF\xC5\x9E" "ahin"), {}},
        {QStringLiteral("Müller, Łukasz"), QByteArray("\xEF\xBB\xBFM\xC3\xBCller, \xC5\x81ukasz"), {}},
        {QStringLiteral("a\U0001F600"), QByteArray("\xEF\xBB\xBF" "a\xF0\x9F\x98\x80"), {}},
        // Single bytes that would begin like the mark; a text of its own that begins with the mark.
        {QStringLiteral("ï»¿1,\"Lea\""), QByteArray("\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF" "1,\"Lea\""), {}},
        {QStringLiteral("ï»x"), QByteArray("\xEF\xBBx"), {}},
        {QStringLiteral("\uFEFF" "Lea"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "Lea"), {}},
        {QStringLiteral("\uFEFF\uFEFFŞ"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF\xC5\x9E"), {}},
        // Half of a pair is no character: it decides nothing and is lost as before.
        {QStringLiteral("a") + loneHalf + QStringLiteral("ü"), QByteArray("a?\xFC"), QStringLiteral("a?ü")},
        {QString(), QByteArray(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(encodeFileText(c.text), c.bytes);
        EXPECT_EQ(decodeFileText(c.bytes), c.readBack.isNull() ? c.text : c.readBack);
    }
}

TEST(FileText, OnlyTheWholeMarkAtTheStartMakesAFileUtf8)
{
    struct Case { QByteArray bytes; QString text; };
    const Case cases[] = {
        {QByteArray("\xEF\xBB\xBF"), QString()},
        {QByteArray("\xEF\xBB" "x"), QStringLiteral("ï»x")},
        {QByteArray("x\xEF\xBB\xBF"), QStringLiteral("xï»¿")},
        // Bytes that are no UTF-8 become the stand-in that readers take for damage.
        {QByteArray("\xEF\xBB\xBF" "a\x80" "b\xC3"), QStringLiteral("a\uFFFDb\uFFFD")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeFileText(c.bytes), c.text) << c.bytes.toHex().toStdString();
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

// Each failure brings the cause the system gave, and the previous file stays as it was.
TEST_F(FilesTest, AFailedWriteSaysWhy)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"), QStringLiteral("alt"));
    QDir().mkpath(path(QStringLiteral("Daten/Ordner.txt")));
    const QString tooLong = QStringLiteral("Daten\\") + QString(300, QLatin1Char('a')) + QStringLiteral(".txt");
    struct Case { const char* what; std::function<WriteResult()> write; WriteCause cause; };
    const std::vector<Case> cases = {
        {"name of 300 characters", [&] { return Files::writeText(tooLong, QStringLiteral("neu")); }, WriteCause::NameTooLong},
        {"missing folder", [] { return Files::writeText(QStringLiteral("Fehlt\\x.txt"), QStringLiteral("neu")); },
         WriteCause::FolderMissing},
        {"path through a file", [] { return Files::writeText(QStringLiteral("Daten\\Namen.Txt\\x.txt"), QStringLiteral("neu")); },
         WriteCause::PathThroughFile},
        {"folder through a file", [] { return Files::makeFolder(QStringLiteral("Daten\\Namen.Txt\\Sicherheit")); },
         WriteCause::PathThroughFile},
        {"folder in place of the file", [] { return Files::writeData(QStringLiteral("Daten\\Ordner.txt"), "neu"); },
         WriteCause::FolderInPlace},
        {"copy of a missing file", [] { return Files::copy(QStringLiteral("Daten\\fehlt.txt"), QStringLiteral("Daten\\z.txt")); },
         WriteCause::SourceUnreadable},
        {"copy into a missing folder", [] { return Files::copy(QStringLiteral("Daten\\Namen.Txt"), QStringLiteral("Fehlt\\z.txt")); },
         WriteCause::FolderMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WriteResult result = c.write();
        EXPECT_FALSE(result);
        EXPECT_EQ(result.cause(), c.cause);
    }
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Namen.Txt")), QByteArray("alt"));
    EXPECT_EQ(QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files), QStringList{QStringLiteral("Namen.Txt")});
}

// Root writes into a read-only folder all the same: there the cause cannot be provoked.
TEST_F(FilesTest, AWriteIntoAReadOnlyFolderLacksPermission)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    QDir().mkpath(path(QStringLiteral("Daten/Schreibgeschützt")));
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("Daten/Schreibgeschützt")), QFile::ReadOwner | QFile::ExeOwner));
    const WriteResult result = Files::writeText(QStringLiteral("Daten\\Schreibgeschützt\\x.txt"), QStringLiteral("neu"));
    QFile::setPermissions(path(QStringLiteral("Daten/Schreibgeschützt")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result.cause(), WriteCause::NoPermission);
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

TEST_F(FilesTest, ANameWindows1252CannotHoldReachesTheDiskAndComesBackWhole)
{
    const QString record = QStringLiteral("1,\"3a\",\"Şahin\",\"Łukasz\",\"Köln\"\r\n");
    ASSERT_TRUE(Files::writeText(QStringLiteral("Daten\\Namen.Txt"), record));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Namen.Txt")), QByteArray("\xEF\xBB\xBF") + record.toUtf8());
    EXPECT_EQ(Files::readText(QStringLiteral("Daten\\Namen.Txt")), record);
    // Written again without those letters, the file is the teacher's Windows file again.
    ASSERT_TRUE(Files::writeText(QStringLiteral("Daten\\Namen.Txt"), QStringLiteral("\"Köln\"\r\n")));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Namen.Txt")), QByteArray("\"K\xF6ln\"\r\n"));
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
    EXPECT_EQ(DatedCopyOf(QStringLiteral("3aZeugnisse31.odt"), day, 2), QStringLiteral("3aZeugnisse31 09.12.2026 (2).odt"));
}
