#include "core/ClassData.h"
#include "core/ClassLists.h"
#include <gtest/gtest.h>

using namespace zt;

namespace {

StudentRecord pupil(const char* surname, const char* firstName, const char* gender, const char* birthDate = "",
                    const char* birthPlace = "", QStringList clubs = {})
{
    StudentRecord s;
    s.Surname = QString::fromUtf8(surname);
    s.FirstName = QString::fromUtf8(firstName);
    s.Gender = QString::fromUtf8(gender);
    s.BirthDate = QString::fromUtf8(birthDate);
    s.BirthPlace = QString::fromUtf8(birthPlace);
    clubs.resize(4);
    s.Club1 = clubs[0];
    s.Club2 = clubs[1];
    s.Club3 = clubs[2];
    s.Club4 = clubs[3];
    return s;
}

StudentList listOf(std::initializer_list<StudentRecord> pupils)
{
    StudentList list;
    list.ClassName = QStringLiteral("2a");
    for (const StudentRecord& s : pupils)
        list.Slots[list.Count++] = s;
    return list;
}

TEST(ClassList, EveryPupilOfTheListInListOrderWithClubsAndGender)
{
    StudentList list = listOf({
        pupil("Becker", "Lea", "w", "05.03.2018", "Musterstadt", {QStringLiteral("Chor"), {}, QStringLiteral("Tanz-AG")}),
        pupil(" Şahin ", "Emir", "m", "14.11.2017", "Dortmund", {{}, {}, {}, QStringLiteral("Fußball-AG")}),
        pupil("Neu", "", "", "", ""),
        pupil("Roth", "Ida", "W"),
    });
    // A slot beyond the count is no pupil of the list.
    list.Slots[4] = pupil("Alt", "Anna", "w");
    const ClassListContent c = ClassList(list);
    EXPECT_EQ(c.title, QStringLiteral("Klassenliste"));
    EXPECT_EQ(c.columns, (QStringList{QStringLiteral("Nr."), QStringLiteral("Nachname"), QStringLiteral("Vorname"),
                                      QStringLiteral("Geburtsdatum"), QStringLiteral("Geburtsort"), QStringLiteral("m/w"),
                                      QStringLiteral("Arbeitsgemeinschaften")}));
    const QList<QStringList> rows = {
        {"1", "Becker", "Lea", "05.03.2018", "Musterstadt", "w", "Chor, Tanz-AG"},
        {"2", "Şahin", "Emir", "14.11.2017", "Dortmund", "m", "Fußball-AG"},
        {"3", "Neu", "", "", "", "", ""},
        {"4", "Roth", "Ida", "", "", "", ""},
    };
    EXPECT_EQ(c.rows, rows);
    EXPECT_EQ(c.lead, QStringList{QStringLiteral("4 Kinder, davon 1 Mädchen, 1 Junge und 2 ohne Angabe des Geschlechts")});
}

TEST(ClassList, TheHeadcountSpeaksOfWhatThereIs)
{
    const std::pair<StudentList, const char*> cases[] = {
        {listOf({pupil("A", "a", "w"), pupil("B", "b", "m"), pupil("C", "c", "m")}), "3 Kinder, davon 1 Mädchen und 2 Jungen"},
        {listOf({pupil("A", "a", "w"), pupil("B", "b", "w")}), "2 Kinder, davon 2 Mädchen"},
        {listOf({pupil("A", "a", "m")}), "1 Kind, davon 1 Junge"},
        {listOf({pupil("", "", "")}), "1 Kind, davon 1 ohne Angabe des Geschlechts"},
        {listOf({}), "Die Schülerliste ist leer. Die Kinder der Klasse werden im Fenster der Schul- und Schülerdaten eingetragen."},
    };
    for (const auto& [list, lead] : cases)
        EXPECT_EQ(ClassList(list).lead, QStringList{QString::fromUtf8(lead)}) << lead;
}

TEST(TallyList, NamesWithEmptyColumnsToMarkIn)
{
    const ClassListContent c = TallyList(listOf({pupil("Becker", "Lea", "w"), pupil("", "Emir", "m"), pupil("Roth", " ", "w")}));
    EXPECT_EQ(c.title, QStringLiteral("Strichliste"));
    ASSERT_EQ(c.columns.size(), 2 + TallyColumns);
    EXPECT_EQ(c.columns.mid(0, 2), (QStringList{QStringLiteral("Nr."), QStringLiteral("Name")}));
    EXPECT_EQ(c.columns.mid(2), QStringList(TallyColumns, QString()));
    QStringList names;
    for (const QStringList& row : c.rows) {
        ASSERT_EQ(row.size(), c.columns.size());
        EXPECT_EQ(row.mid(2), QStringList(TallyColumns, QString()));
        names << row[0] + QLatin1Char(' ') + row[1];
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("1 Becker, Lea"), QStringLiteral("2 Emir"), QStringLiteral("3 Roth")}));
    EXPECT_EQ(c.lead.size(), 1);
    EXPECT_TRUE(c.lead.front().startsWith(QStringLiteral("Wofür: ___")));
}

TEST(TallyList, AnEmptyListSaysSo)
{
    const ClassListContent c = TallyList(listOf({}));
    EXPECT_TRUE(c.rows.isEmpty());
    EXPECT_EQ(c.lead.back(), EmptyPupilListNote());
}

} // namespace

namespace {

// Below the title of every class document; a part the data files did not give is left out.
TEST(ClassLineTest, NamesClassSchoolYearAndHalfYearAndLeavesOutWhatIsMissing)
{
    struct Case { const char* className; const char* schoolYear; const char* halfYear; const char* line; };
    const Case cases[] = {
        {"3a", "2026/2027", "1", "Klasse 3a – Schuljahr 2026/2027 – 1. Halbjahr"},
        {"3a", "", "", "Klasse 3a"},
        {"", "2026/2027", "2", "Schuljahr 2026/2027 – 2. Halbjahr"},
        {"", "", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassLine(QString::fromUtf8(c.className), QString::fromUtf8(c.schoolYear), QString::fromUtf8(c.halfYear)),
                  QString::fromUtf8(c.line));
}

} // namespace
