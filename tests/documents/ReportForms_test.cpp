#include "ReportClass.h"

using namespace zt;

namespace {

const QString AttachmentsMacro = QStringLiteral("Winword.exe ZeugnisseAnlagen.doc /mZeugnisseAnlagen");
const QString BlankFormMacro = QStringLiteral("Winword.exe Leerformular.doc /mLeerformular");

class ReportFormsTest : public test::ReportClassTest {
protected:
    // One page per pupil in list order, with the pupil's name, the class and the school year, and the
    // texts of the grade's own areas in the order of the review; work and social behaviour stay on
    // the report.
    void expectAttachments(const test::PrintedDocument& printed, const QStringList& headings, const std::vector<int>& textOrder)
    {
        ASSERT_TRUE(printed.converted);
        ASSERT_EQ(printed.pages, ClassSize);
        EXPECT_FALSE(printed.text().contains(QLatin1Char('<')));
        for (int i = 0; i < ClassSize; ++i) {
            SCOPED_TRACE(fullName(i).toStdString());
            const QString page = flat(printed.pageTexts[i]);
            const qsizetype at = expectInOrder(page, {QStringLiteral("Grundschule am Lindenhof"), QStringLiteral("Anlage zum Halbjahreszeugnis"),
                                                      classLine(), QStringLiteral("Name: ") + fullName(i)});
            expectAreas(page, i, headings, textOrder, at);
            EXPECT_FALSE(page.contains(QStringLiteral("Arbeitsverhalten")));
            const QStringList texts = expectedTexts(i);
            if (!texts[0].isEmpty()) {
                EXPECT_FALSE(page.contains(flat(texts[0])));
            }
            EXPECT_TRUE(page.contains(QStringLiteral("Klassenlehrerin Frau Sommer")));
        }
    }
};

TEST_F(ReportFormsTest, GradeTwoAttachmentsHoldTheCompetencesOfEachPupilOnAPageOfTheirOwn)
{
    useClass(QStringLiteral("2b"));
    const test::PrintedDocument printed = makeAndPrint(AttachmentsMacro, QStringLiteral("ZeugnisseAnlagen.odt"));
    test::renderFirstPage(printed, QStringLiteral("ZeugnisseAnlagen-Klasse2.png"));
    expectAttachments(printed,
                      {QStringLiteral("Interessen und Fertigkeiten:"), QStringLiteral("Sprechen und Zuhören:"),
                       QStringLiteral("Lesen und mit Texten umgehen:"), QStringLiteral("Schreiben, Texte verfassen:"),
                       QStringLiteral("Zahlen und Operationen:"), QStringLiteral("Größen und Messen:"),
                       QStringLiteral("Raum und Form:"), QStringLiteral("Bemerkungen:")},
                      {2, 3, 4, 5, 6, 7, 8, 9});
}

TEST_F(ReportFormsTest, GradeFourAttachmentsHoldInterestsSupportAndRemarks)
{
    useClass(QStringLiteral("4a"));
    const test::PrintedDocument printed = makeAndPrint(AttachmentsMacro, QStringLiteral("ZeugnisseAnlagen.odt"));
    test::renderFirstPage(printed, QStringLiteral("ZeugnisseAnlagen-Klasse4.png"));
    expectAttachments(printed,
                      {QStringLiteral("Besondere Interessen:"), QStringLiteral("Förder und Arbeitsgemeinschaften:"),
                       QStringLiteral("Bemerkungen:")},
                      {3, 2, 4});
}

// The blank form is the report of the class's grade with the class filled in and the rest left to
// write by hand.
TEST_F(ReportFormsTest, TheBlankFormIsTheReportOfTheGradeWithNoPupil)
{
    struct Case {
        const char* className;
        QStringList headings;
        QString absent;
        const char* png;
    };
    const Case cases[] = {
        {"2b", {QStringLiteral("Arbeitsverhalten:"), QStringLiteral("Sozialverhalten:"), QStringLiteral("Interessen und Fertigkeiten:"),
                QStringLiteral("Sprechen und Zuhören:"), QStringLiteral("Lesen und mit Texten umgehen:"),
                QStringLiteral("Schreiben, Texte verfassen:"), QStringLiteral("Zahlen und Operationen:"),
                QStringLiteral("Größen und Messen:"), QStringLiteral("Raum und Form:"), QStringLiteral("Bemerkungen:")},
         QStringLiteral("Förder und"), "Leerformular-Klasse2.png"},
        {"4a", {QStringLiteral("Arbeitsverhalten:"), QStringLiteral("Sozialverhalten:"), QStringLiteral("Besondere Interessen:"),
                QStringLiteral("Förder und Arbeitsgemeinschaften:"), QStringLiteral("Bemerkungen:")},
         QStringLiteral("Sprechen und Zuhören"), "Leerformular-Klasse4.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        useClass(QString::fromLatin1(c.className));
        const test::PrintedDocument printed = makeAndPrint(BlankFormMacro, QStringLiteral("Leerformular.odt"));
        test::renderFirstPage(printed, QString::fromLatin1(c.png));
        ASSERT_TRUE(printed.converted);
        const QString text = flat(printed.text());
        expectInOrder(text, QStringList{QStringLiteral("Grundschule am Lindenhof"), QStringLiteral("Halbjahreszeugnis"), classLine(),
                                        QStringLiteral("Name: ____"), QStringLiteral("Geboren: ____")}
                                + c.headings
                                + QStringList{QStringLiteral("Musterstadt, den 29.01.2027"), QStringLiteral("Klassenlehrerin Frau Sommer")});
        EXPECT_FALSE(text.contains(c.absent));
        for (const Pupil& p : pupils)
            EXPECT_FALSE(text.contains(p.surname)) << p.surname.toStdString();
        EXPECT_LE(printed.pages, 2);
    }
}

} // namespace
