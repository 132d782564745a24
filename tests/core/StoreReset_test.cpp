#include "core/ProgramFolder.h"
#include "core/StoreReset.h"
#include "ProgramFolderTest.h"
#include <QDir>

using namespace zt;

namespace {

class StoreResetTest : public test::ProgramFolderTest {
protected:
    const QStringList stores = {QStringLiteral("AVSVspeicher"), QStringLiteral("AVSVWahl"), QStringLiteral("12Speicher"),
                                QStringLiteral("12Sperre"),     QStringLiteral("34Speicher"), QStringLiteral("34Sperre")};
    QByteArray store(const QString& stem) const { return readBytes(QStringLiteral("Daten/") + stem + QStringLiteral(".txt")); }
};

TEST_F(StoreResetTest, EverySixStoresHoldTheKeysOfTheListWithEmptyValues)
{
    // Texts of an earlier class, under another spelling of the name.
    writeFile(QStringLiteral("Daten/AVSVSpeicher.txt"), QStringLiteral("1,\"3a\",\"Alt\",\"Ida\",\"Ein Text.\",\"\"\r\n"));
    StudentList list;
    list.ClassName = QStringLiteral("1a");
    list.Count = 2;
    list.Slots[0].Surname = QStringLiteral("Äbi");
    list.Slots[0].FirstName = QStringLiteral("Lea");
    list.Slots[1].Surname = QStringLiteral("Berg");
    ASSERT_TRUE(RecreateStudentStores(list));

    const QByteArray key1 = "1,\"1a\",\"\xC4" "bi\",\"Lea\",";
    const QByteArray key2 = "2,\"1a\",\"Berg\",\"\",";
    auto records = [&](const QByteArray& values) { return key1 + values + "\r\n" + key2 + values + "\r\n"; };
    EXPECT_EQ(store(QStringLiteral("AVSVspeicher")), records("\"\",\"\""));
    EXPECT_EQ(store(QStringLiteral("AVSVWahl")), records("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"));
    EXPECT_EQ(store(QStringLiteral("12Speicher")), records("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\""));
    EXPECT_EQ(store(QStringLiteral("12Sperre")), records("0,0,0,0,0,0,0,0"));
    EXPECT_EQ(store(QStringLiteral("34Speicher")), records("\"\",\"\",\"\""));
    EXPECT_EQ(store(QStringLiteral("34Sperre")), records("0,0,0"));
    EXPECT_EQ(QDir(path(QStringLiteral("Daten"))).entryList(QDir::Files).filter(QStringLiteral("AVSV"), Qt::CaseInsensitive).size(), 2);

    list.Count = 0;
    ASSERT_TRUE(RecreateStudentStores(list));
    for (const QString& stem : stores) {
        EXPECT_TRUE(fileExists(QStringLiteral("Daten/") + stem + QStringLiteral(".txt"))) << stem.toStdString();
        EXPECT_TRUE(store(stem).isEmpty()) << stem.toStdString();
    }
}

TEST_F(StoreResetTest, AStoreThatCannotBeWrittenIsReportedAndTheOthersAreWritten)
{
    writeFile(QStringLiteral("Daten/12Sperre.txt"), QStringLiteral("1,\"1a\",\"Alt\",\"Ida\",1,0,0,0,0,0,0,0\r\n"));
    Files::setWriteFailure([](const QString& absolutePath) { return absolutePath.endsWith(QStringLiteral("12Sperre.txt")); });
    StudentList list;
    list.Count = 1;
    EXPECT_FALSE(RecreateStudentStores(list));
    expectProblem(FileProblem::WriteFailed, QStringLiteral("Daten\\12Sperre.txt"));
    EXPECT_EQ(store(QStringLiteral("12Sperre")), QByteArray("1,\"1a\",\"Alt\",\"Ida\",1,0,0,0,0,0,0,0\r\n"));
    EXPECT_EQ(store(QStringLiteral("34Sperre")), QByteArray("1,\"\",\"\",\"\",0,0,0\r\n"));
}

TEST_F(StoreResetTest, ClearingTheBackupsDeletesOnlyTextFilesOfTheBackupFolder)
{
    // No backup folder: nothing is deleted anywhere, and nothing is said.
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QStringLiteral("x"));
    writeFile(QStringLiteral("AVSVspeicher09.12.2026.txt"), QStringLiteral("x"));
    ClearBackupFolder();
    EXPECT_TRUE(fileExists(QStringLiteral("Daten/AVSVspeicher.txt")));
    EXPECT_TRUE(fileExists(QStringLiteral("AVSVspeicher09.12.2026.txt")));

    for (const QString& name : {QStringLiteral("AVSVspeicher09.12.2026.txt"), QStringLiteral("12Sperre01.02.2027.TXT"),
                                QStringLiteral("Notiz.doc"), QStringLiteral(".gitkeep"), QStringLiteral("Alt/34Speicher01.02.2027.txt")})
        writeFile(QStringLiteral("Daten/Sicherheit/") + name, QStringLiteral("x"));
    ClearBackupFolder();
    QDir backups(path(QStringLiteral("Daten/Sicherheit")));
    EXPECT_EQ(backups.entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral(".gitkeep"), QStringLiteral("Notiz.doc")}));
    EXPECT_TRUE(fileExists(QStringLiteral("Daten/Sicherheit/Alt/34Speicher01.02.2027.txt")));
    EXPECT_TRUE(fileExists(QStringLiteral("Daten/AVSVspeicher.txt")));
}

} // namespace
