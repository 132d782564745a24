#include "core/FileProblems.h"
#include "ProgramFolderTest.h"
#include <cerrno>

using namespace zt;

namespace {

class OneSaveTest : public test::ProgramFolderTest {};

// The failures of one save are held back to its end and told as one report; a lone failure stays
// the report it was, and what is no failure of a write is told at once.
TEST_F(OneSaveTest, TheFailuresOfOneSaveAreToldTogetherAtItsEnd)
{
    {
        const OneSave save;
        reportWriteFailure(QStringLiteral("Daten\\12Speicher.txt"), WriteResult::fromErrorNumber(ENOSPC));
        reportMissingFile(QStringLiteral("Daten\\Namen.Txt"));
        ASSERT_EQ(problems.size(), 1u);
        expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Namen.Txt"));
        {
            const OneSave inner;
            reportCopyFailure(QStringLiteral("Daten\\12Sperre.txt"), QStringLiteral("Daten\\Sicherheit\\12Sperre09.12.2026.txt"),
                              WriteResult::fromErrorNumber(ENOENT));
        }
        EXPECT_TRUE(problems.empty());
    }
    ASSERT_EQ(problems.size(), 1u);
    const FileProblemReport told = problems.front();
    problems.clear();
    EXPECT_EQ(told.problem, FileProblem::SaveFailed);
    ASSERT_EQ(told.failures.size(), 2u);
    EXPECT_EQ(told.failures[0].problem, FileProblem::WriteFailed);
    EXPECT_EQ(told.failures[0].path, QStringLiteral("Daten\\12Speicher.txt"));
    EXPECT_EQ(told.failures[0].cause, WriteCause::DiskFull);
    EXPECT_EQ(told.failures[0].errorNumber, ENOSPC);
    EXPECT_EQ(told.failures[1].problem, FileProblem::CopyFailed);
    EXPECT_EQ(told.failures[1].otherPath, QStringLiteral("Daten\\Sicherheit\\12Sperre09.12.2026.txt"));
    EXPECT_EQ(told.failures[1].cause, WriteCause::FolderMissing);

    {
        const OneSave save;
        reportWriteFailure(QStringLiteral("Daten\\AGListe.txt"), WriteResult(WriteCause::NoPermission));
    }
    expectProblem(FileProblem::WriteFailed, QStringLiteral("Daten\\AGListe.txt"));
    // Outside a save every failure is told as it happens.
    reportWriteFailure(QStringLiteral("Daten\\AktivForm.txt"), WriteResult(WriteCause::NameTooLong));
    expectProblem(FileProblem::WriteFailed, QStringLiteral("Daten\\AktivForm.txt"));
}

} // namespace
