#include "ReportCards.h"
#include "ReviewText.h"

namespace zt {

namespace {
const QString Headmaster = QStringLiteral("Schulleitung");
const QString Parents = QStringLiteral("Erziehungsberechtigte");

// What every report of the class shares: the school, the kind of report, the class, the day of
// issue and who signs.
ReportCard classFrame(const BaseDataRecord& b, const QString& className, int grade)
{
    ReportCard card;
    card.schoolName = b.SchoolName;
    for (const QString& line : {b.SchoolNameAddition, b.Address})
        if (!line.isEmpty())
            card.schoolLines << line;
    const QString halfYear = HalfYearForGrade(b.HalfYear, grade);
    card.kind = ReportKind(halfYear);
    card.classLine = ClassLine(className, b.SchoolYear, halfYear);
    card.conference = ConferenceLine(b.ConferenceDate);
    card.issue = IssueLine(b.IssuePlace, b.IssueDate);
    card.signatures = {ClassTeacherCaption(b.ClassTeacher), Headmaster, Parents};
    return card;
}

QString fullName(const StudentRecord& pupil)
{
    return (pupil.FirstName + QLatin1Char(' ') + pupil.Surname).trimmed();
}

QString birth(const StudentRecord& pupil)
{
    if (pupil.BirthPlace.isEmpty())
        return pupil.BirthDate;
    const QString place = QStringLiteral("in ") + pupil.BirthPlace;
    return pupil.BirthDate.isEmpty() ? place : pupil.BirthDate + QLatin1Char(' ') + place;
}

bool onReportItself(ReviewPart part) { return part == WorkPart || part == SocialPart; }

// The pupil's texts of the given sections, each with every placeholder replaced.
std::vector<ReportArea> pupilAreas(const ReviewData& data, int slot, const std::vector<ReviewSection>& sections)
{
    const PlaceholderValues values = ReportPlaceholders(data.BaseData, data.Pupils.Slots.at(slot));
    std::vector<ReportArea> areas;
    for (const ReviewSection& s : sections)
        areas.push_back({s.heading, SubstitutePlaceholders(data.Texts.at(slot)[s.part], PlaceholderSet::Full, values)});
    return areas;
}

template <class Make>
std::vector<ReportCard> forEveryPupil(const ReviewData& data, Make make)
{
    std::vector<ReportCard> cards;
    for (int slot = 0; slot < data.Pupils.Count && slot < PupilSlots; ++slot)
        cards.push_back(make(data, slot));
    return cards;
}
} // namespace

QString ReportKind(const QString& halfYear)
{
    if (halfYear == QLatin1String("1"))
        return QStringLiteral("Halbjahreszeugnis");
    if (halfYear == QLatin1String("2"))
        return QStringLiteral("Jahreszeugnis");
    return QStringLiteral("Zeugnis");
}

QString ClassTeacherCaption(const QString& classTeacher)
{
    const QString name = classTeacher.trimmed();
    QString role = QStringLiteral("Klassenleitung");
    if (name.startsWith(QLatin1String("Frau ")))
        role = QStringLiteral("Klassenlehrerin");
    else if (name.startsWith(QLatin1String("Herr ")))
        role = QStringLiteral("Klassenlehrer");
    return name.isEmpty() ? role : role + QLatin1Char(' ') + name;
}

QString IssueLine(const QString& place, const QString& date)
{
    const QString day = QStringLiteral("den ") + (date.isEmpty() ? WriteOnLine : date);
    return place.isEmpty() ? day : place + QStringLiteral(", ") + day;
}

QString ConferenceLine(const QString& conferenceDate)
{
    return conferenceDate.isEmpty() ? QString() : QStringLiteral("Beschluss der Zeugniskonferenz vom ") + conferenceDate;
}

PlaceholderValues ReportPlaceholders(const BaseDataRecord& baseData, const StudentRecord& pupil)
{
    QString next = baseData.NextSchoolYear;
    if (next.isEmpty())
        next = NextSchoolYear(baseData.SchoolYear).value_or(QString());
    return {pupil.Gender, pupil.FirstName, baseData.SchoolYear, next, baseData.ConferenceDate};
}

ReportCard PupilReport(const ReviewData& data, int slot)
{
    ReportCard card = classFrame(data.BaseData, data.ClassName, data.Grade);
    const StudentRecord& pupil = data.Pupils.Slots.at(slot);
    card.pupil = {{QStringLiteral("Name"), fullName(pupil)}, {QStringLiteral("Geboren"), birth(pupil)}};
    card.areas = pupilAreas(data, slot, SectionsOfGrade(data.Grade));
    return card;
}

std::vector<ReportCard> ClassReports(const ReviewData& data) { return forEveryPupil(data, PupilReport); }

ReportCard ReportAttachment(const ReviewData& data, int slot)
{
    ReportCard card = classFrame(data.BaseData, data.ClassName, data.Grade);
    card.kind = QStringLiteral("Anlage zum ") + card.kind;
    card.pupil = {{QStringLiteral("Name"), fullName(data.Pupils.Slots.at(slot))}};
    std::vector<ReviewSection> sections = SectionsOfGrade(data.Grade);
    std::erase_if(sections, [](const ReviewSection& s) { return onReportItself(s.part); });
    card.areas = pupilAreas(data, slot, sections);
    card.conference.clear();
    card.signatures = {card.signatures.front(), Parents};
    return card;
}

std::vector<ReportCard> ClassReportAttachments(const ReviewData& data) { return forEveryPupil(data, ReportAttachment); }

ReportCard BlankReport(const ClassData& data)
{
    ReportCard card = classFrame(data.BaseData, data.ClassName, data.Grade);
    card.pupil = {{QStringLiteral("Name"), WriteOnLine}, {QStringLiteral("Geboren"), WriteOnLine}};
    // The grade's areas are more and shorter in grades 1 and 2.
    const int lines = data.Grade < 3 ? 3 : 5;
    for (const ReviewSection& s : SectionsOfGrade(data.Grade))
        card.areas.push_back({s.heading, QString(), lines});
    return card;
}

} // namespace zt
