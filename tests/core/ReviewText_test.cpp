#include "core/ReviewData.h"
#include "core/ReviewText.h"
#include "ProgramFolderTest.h"
#include <QFile>
#include <algorithm>
#include <initializer_list>

using namespace zt;

namespace {

const QString Line = QString(65, QLatin1Char('_')) + QStringLiteral("\r\n");

ReviewTicks ticks(std::initializer_list<ReviewPart> parts)
{
    ReviewTicks t{};
    for (ReviewPart p : parts)
        t[p] = true;
    return t;
}

StudentRecord pupil(const QString& surname, const QString& firstName)
{
    StudentRecord p;
    p.Surname = surname;
    p.FirstName = firstName;
    return p;
}

const StudentRecord Anna = pupil(QStringLiteral("Meier"), QStringLiteral("Anna"));

ReviewTexts annasTexts()
{
    ReviewTexts t;
    const QString texts[ReviewPartCount] = {
        QStringLiteral("AV"), QStringLiteral("SV"), QStringLiteral("IN"), QStringLiteral("SP"),
        QStringLiteral("LE"), QStringLiteral("SC"), QStringLiteral("ZA"), QStringLiteral("GR"),
        QStringLiteral("RA"), QStringLiteral("BE\r\nzweite Zeile"), QStringLiteral("FA")};
    std::copy(std::begin(texts), std::end(texts), t.begin());
    return t;
}

TEST(ReviewText, PupilBlockShowsTheTickedPartsInBlockOrder)
{
    const QString interests12 = InterestsHeading(2);
    const QString interests34 = InterestsHeading(3);
    EXPECT_EQ(interests12, QStringLiteral("Interessen und Fertigkeiten:"));
    EXPECT_EQ(interests34, QStringLiteral("Besondere Interessen:"));

    struct Case { ReviewTicks ticked; QString heading; QString block; };
    const Case cases[] = {
        {ticks({}), interests12, QStringLiteral("Meier, Anna\r\n") + Line},
        {ticks({RemarksPart}), interests12,
         QStringLiteral("Meier, Anna\r\n\r\nBemerkungen:\r\nBE\r\nzweite Zeile\r\n") + Line},
        {ticks({WorkPart, SocialPart}), interests12,
         QStringLiteral("Meier, Anna\r\nArbeitsverhalten:\r\nAV\r\n\r\nSozialverhalten:\r\nSV\r\n") + Line},
        // Support and clubs before the remarks, although its box comes last.
        {ticks({RemarksPart, SupportClubPart, InterestsPart}), interests34,
         QStringLiteral("Meier, Anna\r\n\r\nBesondere Interessen:\r\nIN\r\n\r\nFörder und Arbeitsgemeinschaften:\r\nFA\r\n"
                        "\r\nBemerkungen:\r\nBE\r\nzweite Zeile\r\n")
             + Line},
        {ticks({WorkPart, SocialPart, InterestsPart, SpeakingPart, ReadingPart, WritingPart, NumbersPart, MeasuresPart,
                SpacePart, RemarksPart}),
         interests12,
         QStringLiteral("Meier, Anna\r\nArbeitsverhalten:\r\nAV\r\n\r\nSozialverhalten:\r\nSV\r\n"
                        "\r\nInteressen und Fertigkeiten:\r\nIN\r\n\r\nSprechen und Zuhören:\r\nSP\r\n"
                        "\r\nLesen und mit Texten umgehen:\r\nLE\r\n\r\nSchreiben, Texte verfassen:\r\nSC\r\n"
                        "\r\nZahlen und Operationen:\r\nZA\r\n\r\nGrößen und Messen:\r\nGR\r\n\r\nRaum und Form:\r\nRA\r\n"
                        "\r\nBemerkungen:\r\nBE\r\nzweite Zeile\r\n")
             + Line},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PupilBlock(Anna, annasTexts(), c.ticked, c.heading), c.block);

    // A pupil without texts still shows the headings of the ticked parts.
    EXPECT_EQ(PupilBlock(pupil(QStringLiteral("Roth"), QStringLiteral("Ida")), ReviewTexts{}, ticks({WorkPart, RemarksPart}), interests12),
              QStringLiteral("Roth, Ida\r\nArbeitsverhalten:\r\n\r\n\r\nBemerkungen:\r\n\r\n") + Line);
}

TEST(ReviewText, TheDisplayIsTheHeaderAndTheBlocksOfTheListedPupils)
{
    ReviewData data;
    data.Grade = 3;
    data.Pupils.Count = 2;
    data.Pupils.Slots[0] = Anna;
    data.Texts[0] = annasTexts();
    data.Pupils.Slots[1] = pupil(QStringLiteral("Kaya"), QStringLiteral("Emre"));
    data.Pupils.Slots[2].Surname = QStringLiteral("Nicht in der Liste");
    const QString body = DisplayBody(data, ticks({InterestsPart}));
    EXPECT_EQ(body, QStringLiteral("Meier, Anna\r\n\r\nBesondere Interessen:\r\nIN\r\n") + Line
                        + QStringLiteral("Kaya, Emre\r\n\r\nBesondere Interessen:\r\n\r\n") + Line);

    // Two blanks between name and addition, also without an addition.
    BaseDataRecord school;
    school.SchoolName = QStringLiteral("Grundschule am Lindenhof");
    school.SchoolYear = QStringLiteral("2026/2027");
    school.HalfYear = QStringLiteral("1");
    EXPECT_EQ(DisplayText(school, QStringLiteral("3a"), QStringLiteral("BODY")),
              QStringLiteral("Grundschule am Lindenhof  \r\nKlasse: 3a   Schuljahr: 2026/2027  1. Halbjahr\r\n"
                             "Bisherige Einträge im Zeugnisprogramm\r\n")
                  + Line + QStringLiteral("BODY\r\n\r\n\r\n"));
}

class ReviewDataTest : public test::ProgramFolderTest {
protected:
    void writeClass(const QString& className)
    {
        writeFile(QStringLiteral("Daten/Basisdaten.txt"),
                  QStringLiteral("\"Schule\",\"Zusatz\",\"Weg 1\",\"Ort\",\"29.01.2027\",\"2026/2027\",\"2\",\"2027/2028\","
                                 "\"21.01.2027\",\"Frau Sommer\"\r\n"));
        writeFile(QStringLiteral("Daten/Namen.Txt"),
                  QStringLiteral("1,\"%1\",\"Meier\",\"Anna\",\"w\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                                 "2,\"%1\",\"Kaya\",\"Emre\",\"m\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n")
                      .arg(className));
        writeFile(QStringLiteral("Daten/AVSVspeicher.txt"),
                  QStringLiteral("1,\"x\",\"Anders\",\"Name\",\"av1\",\"sv1\"\r\n2,\"x\",\"\",\"\",\"av2\",\"sv2\"\r\n"));
    }
};

TEST_F(ReviewDataTest, TheStoreOfTheGradeFillsItsPartsBySlot)
{
    writeClass(QStringLiteral("2b"));
    writeFile(QStringLiteral("Daten/12Speicher.txt"),
              QStringLiteral("1,\"2b\",\"Meier\",\"Anna\",\"in\",\"sp\",\"le\",\"sc\",\"za\",\"gr\",\"ra\",\"be\"\r\n"));
    ReviewData data = LoadReviewData();
    EXPECT_EQ(data.ClassName, QStringLiteral("2b"));
    EXPECT_EQ(data.Grade, 2);
    EXPECT_EQ(data.Pupils.Count, 2);
    EXPECT_EQ(data.BaseData.SchoolNameAddition, QStringLiteral("Zusatz"));
    EXPECT_EQ(data.BaseData.NextSchoolYear, QStringLiteral("2027/2028"));
    EXPECT_TRUE(data.BaseData.ConferenceDate.isEmpty());
    EXPECT_EQ(data.Pupils.Slots[1].Surname, QStringLiteral("Kaya"));
    // Matched by slot, whatever name the store holds.
    EXPECT_EQ(data.Texts[0][WorkPart], QStringLiteral("av1"));
    EXPECT_EQ(data.Texts[1][SocialPart], QStringLiteral("sv2"));
    const QString expected[] = {QStringLiteral("in"), QStringLiteral("sp"), QStringLiteral("le"), QStringLiteral("sc"),
                                QStringLiteral("za"), QStringLiteral("gr"), QStringLiteral("ra"), QStringLiteral("be")};
    const ReviewPart parts[] = {InterestsPart, SpeakingPart, ReadingPart, WritingPart,
                                NumbersPart,   MeasuresPart, SpacePart,   RemarksPart};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(data.Texts[0][parts[i]], expected[i]);
    EXPECT_TRUE(data.Texts[0][SupportClubPart].isEmpty());

    writeClass(QStringLiteral("4c"));
    writeFile(QStringLiteral("Daten/34Speicher.txt"), QStringLiteral("1,\"4c\",\"Meier\",\"Anna\",\"fa\",\"in\",\"be\"\r\n"));
    data = LoadReviewData();
    EXPECT_EQ(data.Texts[0][SupportClubPart], QStringLiteral("fa"));
    EXPECT_EQ(data.Texts[0][InterestsPart], QStringLiteral("in"));
    EXPECT_EQ(data.Texts[0][RemarksPart], QStringLiteral("be"));
    EXPECT_TRUE(data.Texts[0][SpeakingPart].isEmpty());
}

TEST_F(ReviewDataTest, MissingFilesAndRecordsBeyondTheSlotsAreReportedAndTheRestIsRead)
{
    writeClass(QStringLiteral("3a"));
    ReviewData data = LoadReviewData();
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\34Speicher.txt"));
    EXPECT_EQ(data.Texts[1][WorkPart], QStringLiteral("av2"));

    // The record after number 40 would land in slot 39.
    writeFile(QStringLiteral("Daten/34Speicher.txt"), QStringLiteral("1,\"3a\",\"Meier\",\"Anna\",\"fa1\",\"\",\"\"\r\n"
                                                                     "40,\"3a\",\"Kaya\",\"Emre\",\"fa2\",\"\",\"\"\r\n"
                                                                     "3,\"3a\",\"Roth\",\"Ida\",\"fa3\",\"\",\"\"\r\n"));
    data = LoadReviewData();
    expectProblem(FileProblem::Damaged, QStringLiteral("Daten\\34Speicher.txt"));
    EXPECT_EQ(data.Texts[0][SupportClubPart], QStringLiteral("fa1"));
    EXPECT_EQ(data.Texts[1][SupportClubPart], QStringLiteral("fa2"));

    for (const char* file : {"Daten/Basisdaten.txt", "Daten/Namen.Txt", "Daten/AVSVspeicher.txt"})
        QFile::remove(path(QString::fromLatin1(file)));
    data = LoadReviewData();
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Basisdaten.txt"));
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Namen.Txt"));
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\AVSVspeicher.txt"));
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\12Speicher.txt"));
    EXPECT_EQ(data.Pupils.Count, 0);
}

} // namespace
