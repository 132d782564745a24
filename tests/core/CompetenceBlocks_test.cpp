#include "core/CompetenceBlocks.h"
#include "core/CompetenceGroups.h"
#include "core/ProgramFolder.h"
#include "ProgramFolderTest.h"
#include <QFile>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

class CompetenceBlocksTest : public test::ProgramFolderTest {};

TEST_F(CompetenceBlocksTest, RecordsLandInTheRowOfTheirNumberWithinTheRowsKept)
{
    writeFile(QStringLiteral("Daten/Lesen1.Txt"), QStringLiteral("1,\"a\",\"b\"\r\n3,\"c\",\"d\"\r\n5,\"e\",\"f\"\r\n"));
    const BlockTable table = readBlockTable(QStringLiteral("Lesen1.Txt"), 2, 3);
    EXPECT_EQ(table.cell(0, 1), QStringLiteral("a"));
    EXPECT_EQ(table.cell(1, 2), QStringLiteral("d"));
    // Record 3 names row 2 for the next one; row 4 lies beyond the rows kept, so the file is
    // told as damaged: saving it again would lose that record.
    EXPECT_EQ(table.cell(3, 1), QString());
    EXPECT_EQ(table.cell(0, 3), QString());
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\Lesen1.Txt"));

    writeFile(QStringLiteral("Daten/Lesen1.Txt"), QStringLiteral("1,\"a\"\r\n2,\"b\"\r\n3,\"c\"\r\n4,\"d\"\r\n"));
    EXPECT_EQ(readBlockTable(QStringLiteral("Lesen1.Txt"), 1, 3).cell(2, 1), QStringLiteral("c"));
    expectProblem(FileProblem::TooManyRecords, QStringLiteral("Daten\\Lesen1.Txt"));

    writeFile(QStringLiteral("Daten/Lesen1.Txt"), QStringLiteral("1,\"a\",\"b"));
    EXPECT_EQ(readBlockTable(QStringLiteral("Lesen1.Txt"), 3, 3).cell(0, 2), QStringLiteral("b"));
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\Lesen1.Txt"));

    EXPECT_EQ(readBlockTable(QStringLiteral("Mathe1.Txt"), 3, 3).cell(0, 1), QString());
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Mathe1.Txt"));
}

TEST_F(CompetenceBlocksTest, TheGradeChoosesItsSet)
{
    installShippedData();
    EXPECT_TRUE(CompetenceBlocks::load(1).cell(BlockSource::Maths, 0).startsWith(QStringLiteral("bis 20")));
    EXPECT_TRUE(CompetenceBlocks::load(2).cell(BlockSource::Maths, 0).startsWith(QStringLiteral("bis 100")));
    // Another grade reads none of the sets, so their missing files are not asked for.
    QFile::remove(path(QStringLiteral("Daten/Mathe1.Txt")));
    QFile::remove(path(QStringLiteral("Daten/Mathe2.Txt")));
    const CompetenceBlocks other = CompetenceBlocks::load(3);
    EXPECT_EQ(other.cell(BlockSource::Speaking, 0), QString());
    EXPECT_FALSE(other.cell(BlockSource::Interests, 0).isEmpty());
    EXPECT_FALSE(other.cell(BlockSource::LeadIns, 21).isEmpty());
}

// The shipped formulations fit the parts they become: every caption a group shows is there, a
// part that gets its full stop from the composition has none of its own, and the lead-ins exist.
TEST_F(CompetenceBlocksTest, TheShippedBlocksFitTheirGroups)
{
    installShippedData();
    for (int grade : {1, 2}) {
        const CompetenceBlocks blocks = CompetenceBlocks::load(grade);
        for (const OptionGroupRule& g : OptionGroupRules()) {
            // Grade 1 has no times tables.
            if (grade == 1 && g.number == 25)
                continue;
            for (int i = g.first; i <= g.last; ++i) {
                const QString cell = blocks.cell(g.source, i - g.first, g.column).trimmed();
                const std::string where = "grade " + std::to_string(grade) + ", Option" + std::to_string(g.number)
                                          + "(" + std::to_string(i) + ")";
                ASSERT_FALSE(cell.isEmpty()) << where;
                const bool ownStop = cell.endsWith(QLatin1Char('.'));
                // Whole sentences taken as they are bring their own; so does the first closing,
                // which ends the phrase sentence of half-year 2 as it stands.
                const bool needsOwnStop = (g.rule == PartRule::Caption && g.area == 2) || g.rule == PartRule::CaptionBlank
                                          || (g.number == 23 && i == 0);
                EXPECT_EQ(ownStop, needsOwnStop) << where << ": " << cell.toStdString();
            }
        }
        for (const LeadInRule& l : LeadInRules())
            EXPECT_FALSE(blocks.cell(BlockSource::LeadIns, grade == 1 ? l.rowInGrade1 : l.row).isEmpty()) << l.label;
        for (int row = 0; row < 8; ++row)
            EXPECT_FALSE(blocks.cell(BlockSource::Remarks, row, 2).isEmpty()) << row;
        EXPECT_FALSE(blocks.cell(BlockSource::Remarks, 0, 1).isEmpty());
        for (int row : {0, 1, 4, 5})
            EXPECT_FALSE(blocks.cell(BlockSource::Sports, row).isEmpty()) << row;
    }
}

} // namespace
