#include "core/ClassData.h"
#include "core/MasterData.h"
#include "core/ProgramFolder.h"
#include "ProgramFolderTest.h"
#include <QFile>

using namespace zt;

namespace {

TEST(NextSchoolYear, OnlyFourLeadingDigitsGiveTheNextYear)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2005/2006", "2006/2007"}, {"2026", "2027/2028"}, {"2099/3000", "2100/2101"},
        {"2", nullptr},             {"205/2006", nullptr}, {"20a5/2006", nullptr},
        {" 2005/2006", nullptr},    {"-200/2006", nullptr}, {"", nullptr},
    };
    for (const auto& [year, next] : cases) {
        const std::optional<QString> got = NextSchoolYear(QString::fromUtf8(year));
        if (next)
            EXPECT_EQ(got, QString::fromUtf8(next)) << year;
        else
            EXPECT_FALSE(got.has_value()) << year;
    }
}

class MasterDataFileTest : public test::ProgramFolderTest {};

TEST_F(MasterDataFileTest, FilesTheTeacherMayNotHaveYetAreReadAsEmptyWithoutAMessage)
{
    EXPECT_TRUE(loadClubList().isEmpty());
    EXPECT_TRUE(loadSibankPath().ExportPath.isEmpty());
    const SibankDefaultsRecord defaults = loadSibankDefaults();
    EXPECT_TRUE(defaults.SibankPlusPath.isEmpty());
    EXPECT_TRUE(defaults.SibwinPath.isEmpty());

    writeFile(QStringLiteral("Daten/sib1undsib2.txt"), QStringLiteral("\"C:\\Plus\\s.txt\",\"C:\\Win\\s.txt\"\r\n"));
    writeFile(QStringLiteral("Daten/SIBANKPFAD.TXT"), QStringLiteral("\"D:\\Export\\schüler.txt\"\r\n"));
    EXPECT_EQ(loadSibankDefaults().SibwinPath, QStringLiteral("C:\\Win\\s.txt"));
    EXPECT_EQ(loadSibankPath().ExportPath, QStringLiteral("D:\\Export\\schüler.txt"));
}

TEST_F(MasterDataFileTest, AClubListLongerThanItsPlacesIsReportedAndCut)
{
    QString text = QStringLiteral("\"\"\r\n");
    for (int i = 1; i <= 27; ++i)
        text += QStringLiteral("\"AG %1\"\r\n").arg(i);
    writeFile(QStringLiteral("Daten/AGListe.Txt"), text);
    const QStringList clubs = loadClubList();
    expectProblem(FileProblem::TooManyRecords, QStringLiteral("AGListe.txt"));
    ASSERT_EQ(clubs.size(), 25);
    EXPECT_EQ(clubs.front(), QStringLiteral("AG 1"));
    EXPECT_EQ(clubs.back(), QStringLiteral("AG 25"));
}

TEST_F(MasterDataFileTest, PupilListAndPhotoListAreWrittenFromTheSlotsWithTheClassOfTheList)
{
    StudentList list;
    list.ClassName = QStringLiteral("2b");
    list.Count = 2;
    list.Slots[0] = {QStringLiteral("2a"), QStringLiteral("Özdemir"), QStringLiteral("Can"), QStringLiteral("m"),
                     QStringLiteral("05.03.2018"), QStringLiteral("Chor"), {}, {}, QStringLiteral("Schach"), QStringLiteral("Köln")};
    list.Slots[1].Surname = QStringLiteral("Roth");
    // A slot beyond the count is no pupil.
    list.Slots[2].Surname = QStringLiteral("Alt");
    RecordWriter names;
    writeStudents(names, list);
    EXPECT_EQ(names.text(), QStringLiteral("1,\"2b\",\"Özdemir\",\"Can\",\"m\",\"05.03.2018\",\"Chor\",\"\",\"\",\"Schach\",\"Köln\"\r\n"
                                           "2,\"2b\",\"Roth\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
    std::array<QString, PupilSlots> pictures;
    pictures[0] = QStringLiteral("Özdemir_Can_05032018");
    pictures[1] = QStringLiteral("Roth__");
    RecordWriter photos;
    writePictureList(photos, list, pictures);
    EXPECT_EQ(photos.text(), QStringLiteral("1,\"2b\",\"Özdemir\",\"Can\",\"Özdemir_Can_05032018\"\r\n"
                                            "2,\"2b\",\"Roth\",\"\",\"Roth__\"\r\n"));
}

TEST_F(MasterDataFileTest, TheClassOfAListReadDamagedComesFromItsLastWholeRecord)
{
    writeFile(QStringLiteral("Daten/Basisdaten.txt"), QStringLiteral("\"S\",\"\",\"\",\"\",\"\",\"2026/2027\",\"1\",\"\",\"\",\"\"\r\n"));
    const QString whole = QStringLiteral("1,\"3a\",\"Becker\",\"Lea\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                                         "2,\"3a\",\"Roth\",\"Ida\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    struct Case { QString text; QString className; int count; int wholeRecords; };
    const Case cases[] = {
        {whole, QStringLiteral("3a"), 2, 2},
        {whole + QStringLiteral("3,\"3"), QStringLiteral("3a"), 3, 2},
        {whole + QStringLiteral("3,"), QStringLiteral("3a"), 3, 2},
        {whole + QStringLiteral("3,\"4b\",\"Ko"), QStringLiteral("3a"), 3, 2},
        {QStringLiteral("1,\"3"), QString(), 1, 0},
        // The records after a damaged one are not trusted with the class either.
        {QString(whole).replace(QStringLiteral("2,\"3a\""), QStringLiteral("zwei,\"3a\"")) + QStringLiteral("3,\"4b\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"),
         QStringLiteral("3a"), 3, 1},
    };
    for (const Case& c : cases) {
        writeFile(QStringLiteral("Daten/Namen.Txt"), c.text);
        const StudentList list = loadStudents();
        EXPECT_EQ(list.ClassName, c.className) << c.text.toStdString();
        EXPECT_EQ(list.Count, c.count) << c.text.toStdString();
        EXPECT_EQ(list.WholeRecords, c.wholeRecords) << c.text.toStdString();
        EXPECT_EQ(list.Damaged, c.wholeRecords < c.count) << c.text.toStdString();
        EXPECT_EQ(LoadClassData().ClassName, c.className) << c.text.toStdString();
        if (list.Damaged) {
            expectProblem(FileProblem::Damaged, QStringLiteral("Namen.Txt"));
            expectProblem(FileProblem::Damaged, QStringLiteral("Namen.Txt"));
        }
    }
}

TEST_F(MasterDataFileTest, AFailedWriteIsReportedAndKeepsThePreviousFile)
{
    writeFile(QStringLiteral("Daten/AGListe.txt"), QStringLiteral("\"Chor\"\r\n"));
    Files::setWriteFailure([](const QString& absolutePath) { return absolutePath.endsWith(QStringLiteral("AGListe.txt")); });
    RecordWriter w;
    writeClubList(w, {QStringLiteral("Tanz")});
    EXPECT_FALSE(saveMasterFile(ClubListFile, w));
    expectProblem(FileProblem::WriteFailed, QStringLiteral("Daten\\AGListe.txt"));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/AGListe.txt")), QByteArray("\"Chor\"\r\n"));
}

// Every sentence names the value and sends the teacher to the master data.
TEST(ClassValueProblem, NamesTheValueThatNoDocumentNameOrWindowCanUse)
{
    struct Case { QString schoolYear; QString halfYear; QString className; QString problem; };
    const QString year = QStringLiteral("2026/2027");
    const QString one = QStringLiteral("1");
    const QString badClass = QStringLiteral("Die Klasse '%1' enthält ein Zeichen, das in keinem Dateinamen stehen kann");
    const Case cases[] = {
        {year, one, QStringLiteral("3a"), {}},
        {year, QStringLiteral("2"), QStringLiteral("4b Ganztag"), {}},
        {QStringLiteral("20a5/2006"), one, QStringLiteral("3a"), QStringLiteral("Das Schuljahr '20a5/2006' beginnt nicht mit einer vierstelligen Jahreszahl")},
        // A stray quote in the school record moves the school year into the half-year.
        {year, year, QStringLiteral("3a"), QStringLiteral("Das Halbjahr '2026/2027' ist weder 1 noch 2.")},
        {year, QString(), QStringLiteral("3a"), QStringLiteral("Das Halbjahr '' ist weder 1 noch 2.")},
        {year, one, QStringLiteral("x3"), QStringLiteral("Die Klasse 'x3' beginnt nicht mit einer der Ziffern 1 bis 4.")},
        {year, one, QString(), QStringLiteral("Die Klasse '' beginnt nicht mit einer der Ziffern 1 bis 4.")},
        {year, one, QStringLiteral("3/a"), badClass.arg(QStringLiteral("3/a"))},
        {year, one, QStringLiteral("3\\a"), badClass.arg(QStringLiteral("3\\a"))},
        {year, one, QStringLiteral("3a:"), badClass.arg(QStringLiteral("3a:"))},
        {year, one, QStringLiteral("3a*"), badClass.arg(QStringLiteral("3a*"))},
        {year, one, QStringLiteral("3a?"), badClass.arg(QStringLiteral("3a?"))},
        {year, one, QStringLiteral("3\"a\""), badClass.arg(QStringLiteral("3\"a\""))},
        {year, one, QStringLiteral("3<a>"), badClass.arg(QStringLiteral("3<a>"))},
        {year, one, QStringLiteral("3a|b"), badClass.arg(QStringLiteral("3a|b"))},
        {year, one, QStringLiteral("3a\r\n"), badClass.arg(QStringLiteral("3a\r\n"))},
        {year, one, QStringLiteral("3a\tb"), badClass.arg(QStringLiteral("3a\tb"))},
        {year, one, QStringLiteral("3a\u2028"), badClass.arg(QStringLiteral("3a\u2028"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.schoolYear.toStdString() + " " + c.halfYear.toStdString() + " " + c.className.toStdString());
        const std::optional<QString> problem = classValueProblem(c.schoolYear, c.halfYear, c.className);
        if (c.problem.isEmpty()) {
            EXPECT_FALSE(problem.has_value());
            continue;
        }
        ASSERT_TRUE(problem.has_value());
        EXPECT_TRUE(problem->startsWith(c.problem)) << problem->toStdString();
        EXPECT_TRUE(problem->contains(QStringLiteral(" im Fenster der Schul- und Schülerdaten "))) << problem->toStdString();
    }
}

} // namespace
