#include "ReviewText.h"

namespace zt {

namespace {
const QString CrLf = QStringLiteral("\r\n");
const QString Underline = QString(65, QLatin1Char('_'));

struct Section {
    ReviewPart part;
    QString heading; // empty: the interests heading of the grade
};

// In the order of the block; the support-and-clubs part comes before the remarks.
const Section Sections[] = {
    {WorkPart, QStringLiteral("Arbeitsverhalten:")},
    {SocialPart, QStringLiteral("Sozialverhalten:")},
    {InterestsPart, QString()},
    {SpeakingPart, QStringLiteral("Sprechen und Zuhören:")},
    {ReadingPart, QStringLiteral("Lesen und mit Texten umgehen:")},
    {WritingPart, QStringLiteral("Schreiben, Texte verfassen:")},
    {NumbersPart, QStringLiteral("Zahlen und Operationen:")},
    {MeasuresPart, QStringLiteral("Größen und Messen:")},
    {SpacePart, QStringLiteral("Raum und Form:")},
    {SupportClubPart, QStringLiteral("Förder und Arbeitsgemeinschaften:")},
    {RemarksPart, QStringLiteral("Bemerkungen:")},
};
} // namespace

QString InterestsHeading(int grade)
{
    return grade < 3 ? QStringLiteral("Interessen und Fertigkeiten:") : QStringLiteral("Besondere Interessen:");
}

std::vector<ReviewSection> SectionsOfGrade(int grade)
{
    // The areas of the grade's store, as the review loads them.
    auto belongs = [grade](ReviewPart part) {
        if (part >= SpeakingPart && part <= SpacePart)
            return grade < 3;
        if (part == SupportClubPart)
            return grade >= 3;
        return true;
    };
    std::vector<ReviewSection> sections;
    for (const Section& s : Sections)
        if (belongs(s.part))
            sections.push_back({s.part, s.heading.isEmpty() ? InterestsHeading(grade) : s.heading});
    return sections;
}

QString PupilBlock(const StudentRecord& pupil, const ReviewTexts& texts, const ReviewTicks& ticked,
                   const QString& interestsHeading)
{
    QString block = pupil.Surname + QStringLiteral(", ") + pupil.FirstName + CrLf;
    for (const Section& s : Sections) {
        if (!ticked[s.part])
            continue;
        // Only the work behaviour follows the name line directly.
        if (s.part != WorkPart)
            block += CrLf;
        block += (s.heading.isEmpty() ? interestsHeading : s.heading) + CrLf + texts[s.part] + CrLf;
    }
    return block + Underline + CrLf;
}

QString DisplayBody(const ReviewData& data, const ReviewTicks& ticked)
{
    const QString heading = InterestsHeading(data.Grade);
    QString body;
    for (int slot = 0; slot < data.Pupils.Count; ++slot)
        body += PupilBlock(data.Pupils.Slots[slot], data.Texts[slot], ticked, heading);
    return body;
}

QString DisplayText(const BaseDataRecord& baseData, const QString& className, const QString& body)
{
    return baseData.SchoolName + QStringLiteral("  ") + baseData.SchoolNameAddition + CrLf + QStringLiteral("Klasse: ")
         + className + QStringLiteral("   Schuljahr:") + QStringLiteral(" ") + baseData.SchoolYear + QStringLiteral("  ")
         + baseData.HalfYear + QStringLiteral(". Halbjahr") + CrLf + QStringLiteral("Bisherige Einträge im Zeugnisprogramm")
         + CrLf + Underline + CrLf + body + CrLf + CrLf + CrLf;
}

} // namespace zt
