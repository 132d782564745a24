#include "core/ReportList.h"
#include <gtest/gtest.h>

using namespace zt;

namespace {

ClassData classOf(const QString& className)
{
    ClassData data;
    data.ClassName = className;
    data.Grade = GradeOfClass(className);
    data.Pupils.ClassName = className;
    data.Pupils.Count = 2;
    data.Pupils.Slots[0] = {className, QStringLiteral("Weber"), QStringLiteral("Paul"), QStringLiteral("m"),
                            QStringLiteral("03.12.2017"), {}, {}, {}, {}, QStringLiteral("Essen")};
    data.Pupils.Slots[1] = {className, QStringLiteral("Kaya"), QStringLiteral("Lena"), QStringLiteral("w"),
                            QStringLiteral("11.02.2018"), {}, {}, {}, {}, QString()};
    // Beyond the count: not on the list.
    data.Pupils.Slots[2].Surname = QStringLiteral("Alt");
    return data;
}

// The start page calls the list of grades 1 and 2 "Versäumnisliste": they get no marks.
TEST(ReportList, GradesOneAndTwoGetTheAbsenceListAndLaterGradesAColumnPerMark)
{
    const QString days = QStringLiteral("Fehl\u00ADtage");
    const QString unexcused = QStringLiteral("davon unent\u00ADschuldigt");
    const QStringList filled = {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Geburts\u00ADdatum")};
    struct Case { const char* className; QString title; QStringList empty; bool legend; };
    const Case cases[] = {
        {"1a", QStringLiteral("Versäumnisliste"), {days, unexcused, QStringLiteral("Bemerkungen")}, false},
        {"2b", QStringLiteral("Versäumnisliste"), {days, unexcused, QStringLiteral("Bemerkungen")}, false},
        {"3a", QStringLiteral("Zeugnisliste"),
         {QStringLiteral("D"), QStringLiteral("M"), QStringLiteral("SU"), QStringLiteral("E"), QStringLiteral("Mu"),
          QStringLiteral("Ku"), QStringLiteral("Sp"), QStringLiteral("Rel"), days, unexcused}, true},
        {"4a", QStringLiteral("Zeugnisliste"),
         {QStringLiteral("D"), QStringLiteral("M"), QStringLiteral("SU"), QStringLiteral("E"), QStringLiteral("Mu"),
          QStringLiteral("Ku"), QStringLiteral("Sp"), QStringLiteral("Rel"), days, unexcused}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        const ReportList list = ClassReportList(classOf(QString::fromLatin1(c.className)));
        EXPECT_EQ(list.title, c.title);
        EXPECT_EQ(list.columns, filled + c.empty);
        EXPECT_EQ(list.filledColumns, 3);
        ASSERT_EQ(list.rows.size(), 2u);
        EXPECT_EQ(list.rows[0], (QStringList{QStringLiteral("1"), QStringLiteral("Weber, Paul"), QStringLiteral("03.12.2017")}));
        EXPECT_EQ(list.rows[1], (QStringList{QStringLiteral("2"), QStringLiteral("Kaya, Lena"), QStringLiteral("11.02.2018")}));
        EXPECT_EQ(!list.legend.isEmpty(), c.legend);
        for (const QString& shortName : c.empty) {
            if (shortName.size() > 3)
                continue;
            EXPECT_TRUE(list.legend.contains(shortName + QLatin1Char(' '))) << shortName.toStdString();
        }
    }
}

} // namespace
