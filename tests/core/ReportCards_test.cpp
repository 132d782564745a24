#include "core/ReportCards.h"
#include "core/ReviewText.h"
#include "ProgramFolderTest.h"

using namespace zt;

namespace {

BaseDataRecord school()
{
    BaseDataRecord b;
    b.SchoolName = QStringLiteral("Grundschule am Lindenhof");
    b.SchoolNameAddition = QStringLiteral("Offene Ganztagsschule");
    b.Address = QStringLiteral("Lindenhofweg 12, 12345 Musterstadt");
    b.IssuePlace = QStringLiteral("Musterstadt");
    b.IssueDate = QStringLiteral("29.01.2027");
    b.SchoolYear = QStringLiteral("2026/2027");
    b.HalfYear = QStringLiteral("1");
    b.NextSchoolYear = QStringLiteral("2027/2028");
    b.ConferenceDate = QStringLiteral("21.01.2027");
    b.ClassTeacher = QStringLiteral("Frau Sommer");
    return b;
}

// Two pupils: Paul with a text in every part, Lena with none.
ReviewData classOf(const QString& className)
{
    ReviewData data;
    data.BaseData = school();
    data.ClassName = className;
    data.Grade = GradeOfClass(className);
    data.Pupils.ClassName = className;
    data.Pupils.Count = 2;
    data.Pupils.Slots[0] = {className, QStringLiteral("Weber"), QStringLiteral("Paul"), QStringLiteral("m"),
                              QStringLiteral("03.12.2017"), {}, {}, {}, {}, QStringLiteral("Essen")};
    data.Pupils.Slots[1] = {className, QStringLiteral("Kaya"), QStringLiteral("Lena"), QStringLiteral("w"),
                              QStringLiteral("11.02.2018"), {}, {}, {}, {}, QString()};
    for (int part = 0; part < ReviewPartCount; ++part)
        data.Texts[0][part] = QStringLiteral("T%1 <Vorname>.").arg(part);
    return data;
}

QStringList headingsOf(const ReportCard& card)
{
    QStringList headings;
    for (const ReportArea& a : card.areas)
        headings << a.heading;
    return headings;
}

QStringList textsOf(const ReportCard& card)
{
    QStringList texts;
    for (const ReportArea& a : card.areas)
        texts << a.text;
    return texts;
}

const QStringList Grade12Headings = {
    QStringLiteral("Arbeitsverhalten:"),         QStringLiteral("Sozialverhalten:"),
    QStringLiteral("Interessen und Fertigkeiten:"), QStringLiteral("Sprechen und Zuhören:"),
    QStringLiteral("Lesen und mit Texten umgehen:"), QStringLiteral("Schreiben, Texte verfassen:"),
    QStringLiteral("Zahlen und Operationen:"),   QStringLiteral("Größen und Messen:"),
    QStringLiteral("Raum und Form:"),            QStringLiteral("Bemerkungen:")};
const QStringList Grade34Headings = {QStringLiteral("Arbeitsverhalten:"), QStringLiteral("Sozialverhalten:"),
                                     QStringLiteral("Besondere Interessen:"), QStringLiteral("Förder und Arbeitsgemeinschaften:"),
                                     QStringLiteral("Bemerkungen:")};

TEST(ReportCards, TheSectionsOfAGradeAreTheReviewsPartsInBlockOrder)
{
    struct Case { int grade; std::vector<ReviewPart> parts; QStringList headings; };
    const std::vector<ReviewPart> parts12 = {WorkPart,    SocialPart,  InterestsPart, SpeakingPart, ReadingPart,
                                             WritingPart, NumbersPart, MeasuresPart,  SpacePart,    RemarksPart};
    const std::vector<ReviewPart> parts34 = {WorkPart, SocialPart, InterestsPart, SupportClubPart, RemarksPart};
    const Case cases[] = {{0, parts12, Grade12Headings}, {1, parts12, Grade12Headings}, {2, parts12, Grade12Headings},
                          {3, parts34, Grade34Headings}, {4, parts34, Grade34Headings}};
    for (const Case& c : cases) {
        std::vector<ReviewPart> parts;
        QStringList headings;
        for (const ReviewSection& s : SectionsOfGrade(c.grade)) {
            parts.push_back(s.part);
            headings << s.heading;
        }
        EXPECT_EQ(parts, c.parts) << c.grade;
        EXPECT_EQ(headings, c.headings) << c.grade;
    }
}

TEST(ReportCards, KindCaptionAndLinesOfTheReport)
{
    const std::pair<const char*, const char*> kinds[] = {
        {"1", "Halbjahreszeugnis"}, {"2", "Jahreszeugnis"}, {"", "Zeugnis"}, {"3", "Zeugnis"}};
    for (const auto& [halfYear, kind] : kinds)
        EXPECT_EQ(ReportKind(QString::fromUtf8(halfYear)), QString::fromUtf8(kind)) << halfYear;

    const std::pair<const char*, const char*> teachers[] = {
        {"Frau Sommer", "Klassenlehrerin Frau Sommer"}, {"Herr Kurz", "Klassenlehrer Herr Kurz"},
        {" Frau Sommer ", "Klassenlehrerin Frau Sommer"}, {"A. Sommer", "Klassenleitung A. Sommer"},
        {"Frauke Sommer", "Klassenleitung Frauke Sommer"}, {"", "Klassenleitung"}};
    for (const auto& [teacher, caption] : teachers)
        EXPECT_EQ(ClassTeacherCaption(QString::fromUtf8(teacher)), QString::fromUtf8(caption)) << teacher;

    EXPECT_EQ(IssueLine(QStringLiteral("Musterstadt"), QStringLiteral("29.01.2027")), QStringLiteral("Musterstadt, den 29.01.2027"));
    EXPECT_EQ(IssueLine(QString(), QStringLiteral("29.01.2027")), QStringLiteral("den 29.01.2027"));
    EXPECT_EQ(IssueLine(QStringLiteral("Musterstadt"), QString()), QStringLiteral("Musterstadt, den ") + WriteOnLine);
    EXPECT_EQ(ConferenceLine(QStringLiteral("21.01.2027")), QStringLiteral("Beschluss der Zeugniskonferenz vom 21.01.2027"));
    EXPECT_EQ(ConferenceLine(QString()), QString());
}

TEST(ReportCards, AReportReplacesEveryPlaceholderWithThePupilsAndTheSchoolDatasValues)
{
    ReviewData data = classOf(QStringLiteral("3a"));
    data.Texts[0][RemarksPart] =
        QStringLiteral("<Vorname> hilft <ihr/ihm>. <Sein/Ihr> Heft ist sauber. <Ihm/Ihr> gelingt viel, <sie/er> ist Schüler<in>. "
                       "<Er/Sie> kommt im Schuljahr <Nextschj> in Klasse 4 (Schuljahr <Schuljahr>, Konferenz vom <Konferenz>), <ihr/sein> Ziel.");
    data.Texts[1][RemarksPart] = QStringLiteral("<Vorname> ist Schüler<in>; <Sein/Ihr> Heft, <ihr/sein> Buch.");
    EXPECT_EQ(PupilReport(data, 0).areas.back().text,
              QStringLiteral("Paul hilft ihm. Sein Heft ist sauber. Ihm gelingt viel, er ist Schüler. Er kommt im Schuljahr "
                             "2027/2028 in Klasse 4 (Schuljahr 2026/2027, Konferenz vom 21.01.2027), sein Ziel."));
    EXPECT_EQ(PupilReport(data, 1).areas.back().text, QStringLiteral("Lena ist Schülerin; Ihr Heft, ihr Buch."));

    // School data that were never saved again keep no next school year: it follows from the year.
    data.BaseData.NextSchoolYear.clear();
    data.Texts[0][RemarksPart] = QStringLiteral("ab <Nextschj>");
    EXPECT_EQ(PupilReport(data, 0).areas.back().text, QStringLiteral("ab 2027/2028"));
}

TEST(ReportCards, AReportHoldsTheSchoolThePupilEveryAreaOfTheGradeAndWhoSigns)
{
    struct Case { const char* className; QStringList headings; std::vector<ReviewPart> parts; QString kind; QString classLine; };
    const Case cases[] = {
        {"2b", Grade12Headings, {WorkPart, SocialPart, InterestsPart, SpeakingPart, ReadingPart, WritingPart, NumbersPart, MeasuresPart, SpacePart, RemarksPart},
         QStringLiteral("Halbjahreszeugnis"), QStringLiteral("Klasse 2b – Schuljahr 2026/2027 – 1. Halbjahr")},
        {"4a", Grade34Headings, {WorkPart, SocialPart, InterestsPart, SupportClubPart, RemarksPart},
         QStringLiteral("Halbjahreszeugnis"), QStringLiteral("Klasse 4a – Schuljahr 2026/2027 – 1. Halbjahr")},
        // Grade 1 has no first half-year.
        {"1a", Grade12Headings, {WorkPart, SocialPart, InterestsPart, SpeakingPart, ReadingPart, WritingPart, NumbersPart, MeasuresPart, SpacePart, RemarksPart},
         QStringLiteral("Jahreszeugnis"), QStringLiteral("Klasse 1a – Schuljahr 2026/2027 – 2. Halbjahr")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        const ReviewData data = classOf(QString::fromLatin1(c.className));
        const std::vector<ReportCard> cards = ClassReports(data);
        ASSERT_EQ(cards.size(), 2u);
        const ReportCard& paul = cards[0];
        EXPECT_EQ(paul.schoolName, QStringLiteral("Grundschule am Lindenhof"));
        EXPECT_EQ(paul.schoolLines, (QStringList{QStringLiteral("Offene Ganztagsschule"), QStringLiteral("Lindenhofweg 12, 12345 Musterstadt")}));
        EXPECT_EQ(paul.kind, c.kind);
        EXPECT_EQ(paul.classLine, c.classLine);
        ASSERT_EQ(paul.pupil.size(), 2u);
        EXPECT_EQ(paul.pupil[0].label + QLatin1Char('=') + paul.pupil[0].value, QStringLiteral("Name=Paul Weber"));
        EXPECT_EQ(paul.pupil[1].label + QLatin1Char('=') + paul.pupil[1].value, QStringLiteral("Geboren=03.12.2017 in Essen"));
        EXPECT_EQ(headingsOf(paul), c.headings);
        QStringList texts;
        for (ReviewPart p : c.parts)
            texts << QStringLiteral("T%1 Paul.").arg(p);
        EXPECT_EQ(textsOf(paul), texts);
        EXPECT_EQ(paul.conference, QStringLiteral("Beschluss der Zeugniskonferenz vom 21.01.2027"));
        EXPECT_EQ(paul.issue, QStringLiteral("Musterstadt, den 29.01.2027"));
        EXPECT_EQ(paul.signatures, (QStringList{QStringLiteral("Klassenlehrerin Frau Sommer"), QStringLiteral("Schulleitung"),
                                                QStringLiteral("Erziehungsberechtigte")}));

        // A pupil without texts gets every area, empty; without a birth place the date stands alone.
        const ReportCard& lena = cards[1];
        EXPECT_EQ(lena.pupil[0].value, QStringLiteral("Lena Kaya"));
        EXPECT_EQ(lena.pupil[1].value, QStringLiteral("11.02.2018"));
        EXPECT_EQ(headingsOf(lena), c.headings);
        EXPECT_EQ(textsOf(lena), QStringList(c.headings.size(), QString()));
        for (const ReportArea& a : lena.areas)
            EXPECT_EQ(a.writingLines, 0);
    }
}

TEST(ReportCards, WithoutAConferenceDateOrSchoolAdditionTheirLinesAreLeftOut)
{
    ReviewData data = classOf(QStringLiteral("3a"));
    data.BaseData.ConferenceDate.clear();
    data.BaseData.SchoolNameAddition.clear();
    data.Pupils.Slots[0].BirthDate.clear();
    const ReportCard card = PupilReport(data, 0);
    EXPECT_EQ(card.conference, QString());
    EXPECT_EQ(card.schoolLines, QStringList{QStringLiteral("Lindenhofweg 12, 12345 Musterstadt")});
    EXPECT_EQ(card.pupil[1].value, QStringLiteral("in Essen"));
    EXPECT_TRUE(ClassReports(ReviewData{}).empty());
}

// The attachment holds what the grade's own window writes; work and social behaviour stay on the report.
TEST(ReportCards, AnAttachmentHoldsTheGradesOwnAreasUnderThePupilsName)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"2b", Grade12Headings.mid(2)},
        {"4a", Grade34Headings.mid(2)},
    };
    for (const auto& [className, headings] : cases) {
        SCOPED_TRACE(className);
        const ReviewData data = classOf(QString::fromLatin1(className));
        const std::vector<ReportCard> cards = ClassReportAttachments(data);
        ASSERT_EQ(cards.size(), 2u);
        const ReportCard& paul = cards[0];
        EXPECT_EQ(paul.kind, QStringLiteral("Anlage zum Halbjahreszeugnis"));
        EXPECT_EQ(paul.classLine, QStringLiteral("Klasse %1 – Schuljahr 2026/2027 – 1. Halbjahr").arg(QString::fromLatin1(className)));
        ASSERT_EQ(paul.pupil.size(), 1u);
        EXPECT_EQ(paul.pupil[0].value, QStringLiteral("Paul Weber"));
        EXPECT_EQ(headingsOf(paul), headings);
        EXPECT_FALSE(textsOf(paul).contains(QStringLiteral("T0 Paul.")));
        EXPECT_TRUE(paul.conference.isEmpty());
        EXPECT_EQ(paul.signatures, (QStringList{QStringLiteral("Klassenlehrerin Frau Sommer"), QStringLiteral("Erziehungsberechtigte")}));
        EXPECT_EQ(cards[1].pupil[0].value, QStringLiteral("Lena Kaya"));
    }
}

TEST(ReportCards, TheBlankFormLeavesThePupilAndEveryAreaToWriteByHand)
{
    const std::tuple<const char*, QStringList, int> cases[] = {{"2b", Grade12Headings, 3}, {"4a", Grade34Headings, 5}};
    for (const auto& [className, headings, lines] : cases) {
        SCOPED_TRACE(className);
        ClassData data;
        data.BaseData = school();
        data.ClassName = QString::fromLatin1(className);
        data.Grade = GradeOfClass(data.ClassName);
        data.HalfYear = QStringLiteral("1");
        const ReportCard blank = BlankReport(data);
        EXPECT_EQ(blank.kind, QStringLiteral("Halbjahreszeugnis"));
        EXPECT_EQ(blank.classLine, QStringLiteral("Klasse %1 – Schuljahr 2026/2027 – 1. Halbjahr").arg(data.ClassName));
        ASSERT_EQ(blank.pupil.size(), 2u);
        EXPECT_EQ(blank.pupil[0].value, WriteOnLine);
        EXPECT_EQ(blank.pupil[1].value, WriteOnLine);
        EXPECT_EQ(headingsOf(blank), headings);
        for (const ReportArea& a : blank.areas) {
            EXPECT_TRUE(a.text.isEmpty());
            EXPECT_EQ(a.writingLines, lines);
        }
        EXPECT_EQ(blank.issue, QStringLiteral("Musterstadt, den 29.01.2027"));
        EXPECT_EQ(blank.signatures.front(), QStringLiteral("Klassenlehrerin Frau Sommer"));
    }
}

// The review reads eight fields of the school data; the reports need the conference date and the
// class teacher too, and every field of the pupils.
class ReportDataTest : public test::ProgramFolderTest {};

TEST_F(ReportDataTest, TheReportsReadTheWholeSchoolRecordAndThePupilsRecords)
{
    installShippedData();
    const ReviewData review = LoadReviewData();
    EXPECT_TRUE(review.BaseData.ConferenceDate.isEmpty());
    const ReviewData reports = LoadReviewData(ReportBaseDataFields);
    EXPECT_EQ(reports.BaseData.ConferenceDate, QStringLiteral("21.01.2027"));
    EXPECT_EQ(reports.BaseData.ClassTeacher, QStringLiteral("Frau Sommer"));
    ASSERT_EQ(reports.Pupils.Count, 12);
    EXPECT_EQ(reports.Pupils.Slots[1].Gender, QStringLiteral("m"));
    EXPECT_EQ(reports.Pupils.Slots[1].BirthPlace, QStringLiteral("Dortmund"));
    const ReportCard emir = PupilReport(reports, 1);
    EXPECT_EQ(emir.pupil[1].value, QStringLiteral("14.11.2017 in Dortmund"));
    EXPECT_EQ(emir.signatures.front(), QStringLiteral("Klassenlehrerin Frau Sommer"));
}

} // namespace
