#include "core/PupilStores.h"
#include "ProgramFolderTest.h"
#include <QDir>
#include <QFile>
#include <map>

using namespace zt;

namespace {

const PupilStore Store{QStringLiteral("12Speicher")};

class PupilStoresTest : public test::ProgramFolderTest {
protected:
    StudentList twoPupils() const
    {
        StudentList list;
        list.ClassName = QStringLiteral("1a");
        list.Count = 2;
        list.Slots[0].Surname = QStringLiteral("Meier");
        list.Slots[0].FirstName = QStringLiteral("Anna");
        list.Slots[1].Surname = QStringLiteral("Kaya");
        list.Slots[1].FirstName = QStringLiteral("Emre");
        return list;
    }

    // The text field of every record by the slot it was read into.
    std::map<int, QString> read(SlotRule rule, KeyCheck check, StoreReading& result)
    {
        std::map<int, QString> filled;
        result = ReadStore(Store, twoPupils(), rule, check, [&](RecordReader& r, int slot) { filled[slot] = r.string(); });
        return filled;
    }
};

TEST_F(PupilStoresTest, RecordsLandBySlotRuleAndTheSurnameCheckReportsADifference)
{
    // Numbers 1, 3, 4: by the numbered rule record k lands in the slot of the number before it.
    writeFile(QStringLiteral("Daten/12Speicher.txt"), QStringLiteral("1,\"1a\",\"Meier\",\"Anna\",\"x\"\r\n"
                                                                     "3,\"1a\",\"Kaya\",\"Emre\",\"y\"\r\n"
                                                                     "4,\"1a\",\"Roth\",\"Ida\",\"z\"\r\n"));
    StoreReading result;
    EXPECT_EQ(read(SlotRule::ByNumber, KeyCheck::None, result),
              (std::map<int, QString>{{0, QStringLiteral("x")}, {1, QStringLiteral("y")}, {3, QStringLiteral("z")}}));
    EXPECT_EQ(result, StoreReading::Read);
    EXPECT_EQ(read(SlotRule::ByOrder, KeyCheck::None, result),
              (std::map<int, QString>{{0, QStringLiteral("x")}, {1, QStringLiteral("y")}, {2, QStringLiteral("z")}}));
    // Number 3 is no pupil of the list: the difference is reported and nothing read is dropped.
    EXPECT_EQ(read(SlotRule::ByNumber, KeyCheck::Surname, result),
              (std::map<int, QString>{{0, QStringLiteral("x")}, {1, QStringLiteral("y")}, {3, QStringLiteral("z")}}));
    EXPECT_EQ(result, StoreReading::SurnameMismatch);

    QFile::remove(path(QStringLiteral("Daten/12Speicher.txt")));
    EXPECT_TRUE(read(SlotRule::ByOrder, KeyCheck::None, result).empty());
    EXPECT_EQ(result, StoreReading::Missing);
}

// A store keeps a quote of the list's name as an apostrophe: written once, it still matches.
TEST_F(PupilStoresTest, ASurnameWithAQuoteMatchesTheStoreItWasWrittenTo)
{
    StudentList list = twoPupils();
    list.Slots[1].Surname = QStringLiteral("O\"Brien");
    ASSERT_TRUE(WriteStore(Store, list, [](RecordWriter& w, int) { w.string(QStringLiteral("t")); }));
    ASSERT_TRUE(readFile(QStringLiteral("Daten/12Speicher.txt")).contains(QStringLiteral("\"O'Brien\"")));
    EXPECT_EQ(ReadStore(Store, list, SlotRule::ByNumber, KeyCheck::Surname, [](RecordReader& r, int) { r.string(); }),
              StoreReading::Read);
}

TEST_F(PupilStoresTest, OverlongAndDamagedStoresAreReported)
{
    QString records;
    for (int n = 1; n <= 37; ++n)
        records += QStringLiteral("%1,\"1a\",\"\",\"\",\"t%1\"\r\n").arg(n);
    writeFile(QStringLiteral("Daten/12Speicher.txt"), records);
    StoreReading result;
    const std::map<int, QString> filled = read(SlotRule::ByOrder, KeyCheck::None, result);
    expectProblem(FileProblem::TooManyRecords, QStringLiteral("Daten\\12Speicher.txt"));
    EXPECT_EQ(filled.size(), 36u);
    EXPECT_EQ(filled.rbegin()->second, QStringLiteral("t36"));

    writeFile(QStringLiteral("Daten/12Speicher.txt"), QStringLiteral("1,\"1a\",\"Meier\""));
    read(SlotRule::ByOrder, KeyCheck::None, result);
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\12Speicher.txt"));

    // A number that cannot be read moves no text to another pupil: the next record keeps its slot.
    writeFile(QStringLiteral("Daten/12Speicher.txt"), QStringLiteral("x,\"1a\",\"Meier\",\"Anna\",\"a\"\r\n"
                                                                     "2,\"1a\",\"Kaya\",\"Emre\",\"b\"\r\n"));
    EXPECT_EQ(read(SlotRule::ByNumber, KeyCheck::Surname, result),
              (std::map<int, QString>{{0, QStringLiteral("a")}, {1, QStringLiteral("b")}}));
    EXPECT_EQ(result, StoreReading::Read);
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\12Speicher.txt"));
}

TEST_F(PupilStoresTest, WritingTakesTheKeysFromTheListAndCopiesByDay)
{
    ASSERT_TRUE(WriteStore(Store, twoPupils(), [](RecordWriter& w, int slot) { w.string(QStringLiteral("t")).integer(slot); }));
    const QByteArray bytes = "1,\"1a\",\"Meier\",\"Anna\",\"t\",0\r\n2,\"1a\",\"Kaya\",\"Emre\",\"t\",1\r\n";
    EXPECT_EQ(readBytes(QStringLiteral("Daten/12Speicher.txt")), bytes);
    ASSERT_TRUE(BackupStore(Store, QStringLiteral("05.03.2026")));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Sicherheit/12Speicher05.03.2026.txt")), bytes);

    // A file in the place of the folder: the copy fails and the teacher is told.
    QFile::remove(path(QStringLiteral("Daten/Sicherheit/12Speicher05.03.2026.txt")));
    QDir(path(QStringLiteral("Daten/Sicherheit"))).removeRecursively();
    writeFile(QStringLiteral("Daten/Sicherheit"), QString());
    EXPECT_FALSE(BackupStore(Store, QStringLiteral("05.03.2026")));
    expectProblem(FileProblem::CopyFailed, QStringLiteral("Daten\\Sicherheit\\12Speicher05.03.2026.txt"));
}

} // namespace
