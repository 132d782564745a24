#include "core/ProgramFolder.h"
#include "core/TextBlockFiles.h"
#include "ProgramFolderTest.h"
#include <QFile>

using namespace zt;

namespace {

class BlockTableTest : public test::ProgramFolderTest {};

TEST_F(BlockTableTest, LinesLandByNumberAndOnlyTheLayoutIsWrittenBack)
{
    // Three records of two columns into four slots; the table is written with two records.
    writeFile(QStringLiteral("Daten/Probe.Txt"),
              QStringLiteral("1,\"a1\",\"b1\"\r\n2,\"a2\",\"\"\r\n3,\"a3\",\"b3\"\r\n"));
    BlockTable table(2, 4);
    table.set(3, 1, QStringLiteral("bleibt"));
    const FileRead read = readBlockTable(QStringLiteral("Probe.Txt"), table);
    EXPECT_TRUE(read.found);
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(table.cell(0, 1), QStringLiteral("a1"));
    EXPECT_EQ(table.cell(2, 2), QStringLiteral("b3"));
    EXPECT_EQ(table.cell(3, 1), QStringLiteral("bleibt"));
    EXPECT_EQ(blockTableText(table, 2), QStringLiteral("1,\"a1\",\"b1\"\r\n2,\"a2\",\"\"\r\n"));
}

TEST_F(BlockTableTest, ProblemsAreReportedAndSayWhatWasRead)
{
    struct Case {
        const char* what;
        QString text; // nothing: the file is missing
        FileProblem problem;
        bool found;
        bool damaged;
    };
    const Case cases[] = {
        {"missing", QString(), FileProblem::Missing, false, false},
        // The program never writes a block file without records.
        {"empty", QStringLiteral(""), FileProblem::Damaged, true, true},
        {"a text where the number belongs", QStringLiteral("1,\"a\",\"b\"\r\n\"x\",\"c\",\"d\"\r\n"), FileProblem::Damaged, true, true},
        {"a record cut short", QStringLiteral("1,\"a\",\"b\"\r\n2,\"c\"\r\n"), FileProblem::Damaged, true, true},
        {"more records than slots", QStringLiteral("1,\"a\",\"b\"\r\n2,\"c\",\"d\"\r\n3,\"e\",\"f\"\r\n"),
         FileProblem::TooManyRecords, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.text.isNull())
            QFile::remove(path(QStringLiteral("Daten/Probe.Txt")));
        else
            writeFile(QStringLiteral("Daten/Probe.Txt"), c.text);
        BlockTable table(2, 2);
        const FileRead read = readBlockTable(QStringLiteral("Probe.Txt"), table);
        expectProblem(c.problem, QStringLiteral("Daten\\Probe.Txt"));
        EXPECT_EQ(read.found, c.found);
        EXPECT_EQ(read.damaged, c.damaged);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(table.cell(0, 1), QStringLiteral("a"));
        }
    }
}

TEST_F(BlockTableTest, AFailedWriteIsReportedAndKeepsTheFile)
{
    writeFile(QStringLiteral("Daten/Probe.Txt"), QStringLiteral("1,\"alt\"\r\n"));
    Files::setWriteFailure([](const QString&) { return true; });
    EXPECT_FALSE(writeTextBlockFile(QStringLiteral("Probe.Txt"), QStringLiteral("1,\"neu\"\r\n")));
    expectProblem(FileProblem::WriteFailed, QStringLiteral("Daten\\Probe.Txt"));
    EXPECT_EQ(readFile(QStringLiteral("Daten/Probe.Txt")), QStringLiteral("1,\"alt\"\r\n"));
}

} // namespace
