#include "core/ClassData.h"
#include "core/MasterData.h"
#include "core/RecordFile.h"
#include "core/Windows1252.h"
#include "ProgramFolderTest.h"

using namespace zt;

TEST(RecordFile, WriterFollowsTheRecordFormat)
{
    RecordWriter w;
    w.integer(1).string(QStringLiteral("3a")).string(QString()).string(QStringLiteral("sagt \"hallo\"")).integer(-5).endRecord();
    w.integer(2).endRecord();
    EXPECT_EQ(w.text(), QStringLiteral("1,\"3a\",\"\",\"sagt 'hallo'\",-5\r\n2\r\n"));
}

TEST(RecordFile, TextsSurviveARoundTrip)
{
    const QStringList texts = {QString(), QStringLiteral("a, b"), QStringLiteral("Zeile 1\r\nZeile 2"),
                               QStringLiteral("  führende Blanks"), QStringLiteral("Schüler<in>")};
    RecordWriter w;
    for (const QString& t : texts)
        w.integer(7).string(t).endRecord();
    RecordReader r(w.text());
    for (const QString& t : texts) {
        EXPECT_EQ(r.integer(), 7);
        EXPECT_EQ(r.string(), t);
    }
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.damaged());
}

TEST(RecordFile, ReaderSkipsBlanksAndTakesLineEndsAsSeparators)
{
    RecordReader r(QStringLiteral("  12 , \"x\"\r\n\"a\",\"b\"\r\n\r\n"));
    EXPECT_EQ(r.integer(), 12);
    EXPECT_EQ(r.string(), QStringLiteral("x"));
    // A record with fewer fields takes the missing ones from the next record.
    EXPECT_EQ(r.string(), QStringLiteral("a"));
    EXPECT_EQ(r.string(), QStringLiteral("b"));
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.string(), QString());
    EXPECT_TRUE(r.damaged());
}

TEST(RecordFile, AStrayOrMissingQuoteMarksTheFileDamagedAndCostsNoOtherField)
{
    struct Case { QString file; QStringList fields; };
    const Case cases[] = {
        // A quote inside an unquoted field.
        {QStringLiteral("7,\"3a\",Weber\",\"Paul\"\r\n"), {"7", "3a", "Weber", "Paul"}},
        // Closing quotes missing: the field ends at its own comma or line end.
        {QStringLiteral("1,\"3a\",\"Weber,\"Paul\"\r\n2,\"3a\",\"Meier\",\"Anna\"\r\n"),
         {"1", "3a", "Weber", "Paul", "2", "3a", "Meier", "Anna"}},
        {QStringLiteral("1,\"3a\",\"Weber\r\n2,\"3a\",\"Meier\"\r\n"), {"1", "3a", "Weber", "2", "3a", "Meier"}},
        {QStringLiteral("1,\"Paul\r\n"), {"1", "Paul"}},
        // Text behind a closing quote.
        {QStringLiteral("\"Web\"er\",\"x\"\r\n"), {"Weber", "x"}},
    };
    for (const Case& c : cases) {
        RecordReader r(c.file);
        QStringList read;
        while (!r.atEnd())
            read << r.string();
        EXPECT_EQ(read, c.fields) << c.file.toStdString();
        EXPECT_TRUE(r.damaged()) << c.file.toStdString();
    }
}

// No text the program writes holds a control code or a byte Windows-1252 leaves unassigned: a file
// with one was damaged or is no text file. The reader drops them, the writer never writes them.
TEST(RecordFile, CharactersThatAreNoTextMarkTheFileDamagedAndAreDropped)
{
    QByteArray bytes("1,\"Mei\x81");
    bytes.append('\0').append("er\x9D\"\r\n2,\"Tab\tund \x80\"\r\n");
    RecordReader r(decodeWindows1252(bytes));
    EXPECT_EQ(r.integer(), 1);
    EXPECT_EQ(r.string(), QStringLiteral("Meier"));
    EXPECT_EQ(r.integer(), 2);
    EXPECT_EQ(r.string(), QStringLiteral("Tab\tund €"));
    EXPECT_TRUE(r.damaged());
    RecordWriter w;
    w.string(QStringLiteral("Zeile\x0B mit\u0081 Steuerzeichen\r\nund Umbruch")).endRecord();
    EXPECT_EQ(w.text(), QStringLiteral("\"Zeile mit Steuerzeichen\r\nund Umbruch\"\r\n"));
}

TEST(RecordFile, BytesThatAreNoUtf8InAUtf8FileMarkItDamagedAndAreDropped)
{
    RecordReader r(decodeFileText(QByteArray("\xEF\xBB\xBF" "1,\"\xC5\x9E" "a\x80hin\"\r\n2,\"\xC5\x81ukasz\xC3\"\r\n")));
    EXPECT_EQ(r.integer(), 1);
    EXPECT_EQ(r.string(), QStringLiteral("Şahin"));
    EXPECT_EQ(r.integer(), 2);
    EXPECT_EQ(r.string(), QStringLiteral("Łukasz"));
    EXPECT_TRUE(r.damaged());
}

TEST(RecordFile, NumberedRecordsLandInTheSlotOfThePreviousNumber)
{
    struct Case { QString file; std::vector<QString> expected; int count; };
    const Case cases[] = {
        {QStringLiteral("1,\"a\"\r\n2,\"b\"\r\n3,\"c\"\r\n"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 3},
        {QStringLiteral("1,\"a\"\r\n"), {QStringLiteral("a")}, 1},
        {QStringLiteral("3,\"a\"\r\n1,\"b\"\r\n2,\"c\"\r\n"), {QStringLiteral("a"), QStringLiteral("c"), QString(), QStringLiteral("b")}, 2},
        {QString(), {}, 0},
        // An unreadable number counts as the next one, so the records after it keep their slots.
        {QStringLiteral("1,\"a\"\r\nzwei,\"b\"\r\n3,\"c\"\r\n"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 3},
    };
    for (const Case& c : cases) {
        RecordReader r(c.file);
        std::vector<QString> filled(4); 
        const NumberedResult result = readNumbered(r, 36, [&](int slot) { filled.at(slot) = r.string(); });
        EXPECT_EQ(result.count, c.count) << c.file.toStdString();
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(filled[i], c.expected[i]) << c.file.toStdString();
    }
}

TEST(RecordFile, NumberedReadingStopsAtTheLimit)
{
    RecordWriter w;
    for (int i = 1; i <= 40; ++i)
        w.integer(i).string(QString::number(i)).endRecord();
    RecordReader r(w.text());
    int read = 0;
    const NumberedResult result = readNumbered(r, 36, [&](int) { r.string(); ++read; });
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(read, 36);
    EXPECT_EQ(result.count, 36);
}

TEST(MasterDataRules, NextSchoolYearGradeAndHalfYear)
{
    EXPECT_EQ(NextSchoolYear(QStringLiteral("2005/2006")), QStringLiteral("2006/2007"));
    EXPECT_EQ(NextSchoolYear(QStringLiteral("2026/irgendwas")), QStringLiteral("2027/2028"));
    EXPECT_FALSE(NextSchoolYear(QStringLiteral("abcd/2006")).has_value());
    EXPECT_EQ(GradeOfClass(QStringLiteral("1b")), 1);
    EXPECT_EQ(GradeOfClass(QStringLiteral("4")), 4);
    EXPECT_EQ(GradeOfClass(QStringLiteral("5a")), 0);
    EXPECT_EQ(GradeOfClass(QStringLiteral("a3")), 0);
    EXPECT_EQ(HalfYearForGrade(QStringLiteral("1"), 1), QStringLiteral("2"));
    EXPECT_EQ(HalfYearForGrade(QStringLiteral("1"), 2), QStringLiteral("1"));
    EXPECT_EQ(HalfYearForGrade(QStringLiteral("2"), 1), QStringLiteral("2"));
}

// An empty entry takes no place of a club.
TEST(MasterDataRules, ClubListKeepsTheFirst25NonEmptyEntries)
{
    QStringList entries;
    for (int i = 0; i < 27; ++i)
        entries << (i == 3 ? QString() : QStringLiteral("AG %1").arg(i));
    RecordWriter w;
    writeClubList(w, entries);
    RecordReader r(w.text() + QStringLiteral("\"\"\r\n"));
    const QStringList read = readClubList(r);
    EXPECT_EQ(read.size(), 25);
    EXPECT_EQ(read.front(), QStringLiteral("AG 0"));
    EXPECT_EQ(read.back(), QStringLiteral("AG 25"));
    EXPECT_FALSE(read.contains(QString()));
}

class MasterDataFiles : public test::ProgramFolderTest {};

TEST_F(MasterDataFiles, StudentsAreReadIntoSlotsWithTheClassOfTheLastRecord)
{
    writeFile(QStringLiteral("Daten/Namen.txt"),
              QStringLiteral("1,\"3a\",\"Meyer\",\"Lea\",\"w\",\"05.03.2017\",\"Chor\",\"\",\"\",\"\",\"Hildesheim\"\r\n"
                             "2,\"3b\",\"Öztürk\",\"Can\",\"m\",\"01.01.2017\",\"\",\"\",\"\",\"\",\"Köln\"\r\n"));
    const StudentList list = loadStudents();
    EXPECT_EQ(list.Count, 2);
    EXPECT_EQ(list.ClassName, QStringLiteral("3b"));
    EXPECT_EQ(list.Slots[0].Surname, QStringLiteral("Meyer"));
    EXPECT_EQ(list.Slots[0].Club1, QStringLiteral("Chor"));
    EXPECT_EQ(list.Slots[1].Surname, QStringLiteral("Öztürk"));
    EXPECT_EQ(list.Slots[1].BirthPlace, QStringLiteral("Köln"));
    EXPECT_EQ(LoadClassData().ClassName, QStringLiteral("3b"));
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Basisdaten.txt"));
}

TEST_F(MasterDataFiles, MissingAndOverlongFilesAreReportedAndReadAsFarAsTheyGo)
{
    EXPECT_EQ(loadStudents().Count, 0);
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Namen.Txt"));
    QString text;
    for (int i = 1; i <= 38; ++i)
        text += QStringLiteral("%1,\"3a\",\"N%1\",\"V\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n").arg(i);
    writeFile(QStringLiteral("Daten/Namen.Txt"), text);
    const StudentList list = loadStudents();
    expectProblem(FileProblem::TooManyRecords, QStringLiteral("Daten\\Namen.Txt"));
    EXPECT_EQ(list.Count, 36);
    EXPECT_EQ(list.Slots[35].Surname, QStringLiteral("N36"));
}

// The master data always write a pupil, so a pupil list without records has lost them.
TEST_F(MasterDataFiles, AnEmptyPupilListIsDamaged)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"), QStringLiteral("\r\n"));
    const StudentList list = loadStudents();
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\Namen.Txt"));
    EXPECT_TRUE(list.Damaged);
    EXPECT_EQ(list.Count, 0);
    EXPECT_EQ(LoadClassData().ClassName, QString());
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Basisdaten.txt"));
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\Namen.Txt"));
}

TEST_F(MasterDataFiles, ARecordNumberedBeyondTheSlotsMarksTheListDamaged)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"3a\",\"A\",\"a\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "40,\"3a\",\"B\",\"b\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "41,\"3a\",\"C\",\"c\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    const StudentList list = loadStudents();
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\Namen.Txt"));
    EXPECT_TRUE(list.Damaged);
    EXPECT_EQ(list.Slots[1].Surname, QStringLiteral("B"));
}

TEST_F(MasterDataFiles, BaseDataRoundTripAsWindows1252)
{
    BaseDataRecord b;
    b.SchoolName = QStringLiteral("Grundschule Am Bach");
    b.SchoolYear = QStringLiteral("2026/2027");
    b.HalfYear = QStringLiteral("1");
    b.ClassTeacher = QStringLiteral("Frau Möller");
    ASSERT_TRUE(saveBaseData(b));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Basisdaten.txt")),
              QByteArray("\"Grundschule Am Bach\",\"\",\"\",\"\",\"\",\"2026/2027\",\"1\",\"\",\"\",\"Frau M\xF6ller\"\r\n"));
    const auto read = loadBaseData(9);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->HalfYear, QStringLiteral("1"));
    EXPECT_TRUE(read->ClassTeacher.isEmpty());
}
