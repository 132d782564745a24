#include "core/StudentSort.h"
#include "ProgramFolderTest.h"
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

StudentList listOf(const std::vector<std::pair<QString, QString>>& names)
{
    StudentList list;
    list.ClassName = QStringLiteral("3a");
    for (const auto& [surname, first] : names) {
        list.Slots[list.Count].Surname = surname;
        list.Slots[list.Count].FirstName = first;
        list.Slots[list.Count].BirthPlace = QString::number(list.Count);
        ++list.Count;
    }
    return list;
}

QStringList order(const StudentList& list)
{
    QStringList names;
    for (int i = 0; i < list.Count; ++i)
        names << list.Slots[i].Surname + QLatin1Char(' ') + list.Slots[i].FirstName;
    return names;
}

TEST(SortStudents, AsAGermanReaderExpectsWithoutRegardToCase)
{
    struct Case { std::vector<std::pair<QString, QString>> names; QStringList sorted; };
    const Case cases[] = {
        {{{"Zimmer", "Ina"}, {"adam", "Tom"}, {"Berg", "Ole"}}, {"adam Tom", "Berg Ole", "Zimmer Ina"}},
        {{{"Peters", "Jan"}, {"Özdemir", "Can"}, {"Bauer", "Mia"}, {"Ärger", "Eva"}, {"Zorn", "Lu"}, {"Übel", "Kai"}},
         {"Ärger Eva", "Bauer Mia", "Özdemir Can", "Peters Jan", "Übel Kai", "Zorn Lu"}},
        // The same surname is ordered by first name, also across letter case and umlauts.
        {{{"Berg", "ole"}, {"Berg", "Anna"}, {"berg", "Ärne"}, {"Bergmann", "Al"}}, {"Berg Anna", "berg Ärne", "Berg ole", "Bergmann Al"}},
    };
    for (const Case& c : cases) {
        StudentList list = listOf(c.names);
        SortStudents(list);
        EXPECT_EQ(order(list), c.sorted);
    }
}

// Surnames that differ only by an umlaut, an accent, a stroke or ß are the same surname to the
// reader until the first names have spoken; only pupils equal in every base letter are then ordered
// by those marks.
TEST(SortStudents, MarksOnLettersOnlyBreakTiesAfterEveryFieldAtBaseLetters)
{
    struct Case { std::vector<std::pair<QString, QString>> names; QStringList sorted; };
    const Case cases[] = {
        {{{"Müller", "Carl"}, {"Muller", "Ben"}, {"Müller", "Anna"}}, {"Müller Anna", "Muller Ben", "Müller Carl"}},
        {{{"Strauß", "Tim"}, {"Strauss", "Ole"}, {"Strauß", "Ada"}}, {"Strauß Ada", "Strauss Ole", "Strauß Tim"}},
        {{{"Łukaszewski", "Zoe"}, {"Lukaszewski", "Eva"}}, {"Lukaszewski Eva", "Łukaszewski Zoe"}},
        {{{"Şahin", "Deniz"}, {"Sahin", "Emre"}, {"Saß", "Can"}}, {"Şahin Deniz", "Sahin Emre", "Saß Can"}},
        {{{"Sørensen", "Mia"}, {"Sorensen", "Lars"}, {"Æbelø", "Ida"}, {"Aebel", "Jan"}},
         {"Aebel Jan", "Æbelø Ida", "Sorensen Lars", "Sørensen Mia"}},
    };
    for (const Case& c : cases) {
        StudentList list = listOf(c.names);
        SortStudents(list);
        EXPECT_EQ(order(list), c.sorted);
    }
    // Equal in every field at base letters: the marks decide, the unmarked first.
    StudentList list = listOf({{"Müller", "Jörg"}, {"Muller", "Jorg"}, {"Müller", "Jorg"}});
    for (int i = 0; i < list.Count; ++i)
        list.Slots[i].BirthPlace = QStringLiteral("Köln");
    SortStudents(list);
    EXPECT_EQ(order(list), (QStringList{"Muller Jorg", "Müller Jorg", "Müller Jörg"}));
}

TEST(SortStudents, TheOtherFieldsTravelWithTheirPupilAndSettleTies)
{
    StudentList list = listOf({{"Kaya", "Emre"}, {"Kaya", "Emre"}, {"Adam", "Li"}});
    list.Slots[0].BirthDate = QStringLiteral("02.01.2018");
    list.Slots[1].BirthDate = QStringLiteral("01.01.2018");
    list.Slots[3].Surname = QStringLiteral("Aaa");
    SortStudents(list);
    EXPECT_EQ(list.Slots[0].BirthPlace, QStringLiteral("2"));
    EXPECT_EQ(list.Slots[1].BirthDate, QStringLiteral("01.01.2018"));
    EXPECT_EQ(list.Slots[1].BirthPlace, QStringLiteral("1"));
    EXPECT_EQ(list.Slots[2].BirthPlace, QStringLiteral("0"));
    // Slots beyond the count are no pupils and stay where they are.
    EXPECT_EQ(list.Slots[3].Surname, QStringLiteral("Aaa"));
}

class SortedFileTest : public test::ProgramFolderTest {};

TEST_F(SortedFileTest, TheIntermediateFileHoldsNineFieldsPerPupil)
{
    StudentList list = listOf({{"Berg", "Ole"}, {"Kaya", "Emre"}});
    list.Slots[0].Gender = QStringLiteral("m");
    list.Slots[1].Club2 = QStringLiteral("Chor");
    ASSERT_TRUE(saveSortedStudents(list));
    EXPECT_EQ(readBytes(QStringLiteral("Daten/Namen1.txt")),
              QByteArray("\"Berg\",\"Ole\",\"m\",\"\",\"\",\"\",\"\",\"\",\"0\"\r\n"
                         "\"Kaya\",\"Emre\",\"\",\"\",\"\",\"Chor\",\"\",\"\",\"1\"\r\n"));
}

} // namespace
