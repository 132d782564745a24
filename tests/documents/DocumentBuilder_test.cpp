#include "core/ClassData.h"
#include "core/ProgramFolder.h"
#include "documents/ClassHeading.h"
#include "documents/DocumentBuilder.h"
#include "OfficeDocuments.h"
#include "TestProgram.h"

using namespace zt;

namespace {

class DocumentBuilderTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
    }
};

// What every document is made of, as the word processor prints it: pages where they were asked for,
// a table running onto the next page, a picture, letters beyond Windows-1252.
TEST_F(DocumentBuilderTest, PagesTablesAndPicturesPrintAsBuilt)
{
    DocumentBuilder document;
    AddClassHeading(document, LoadClassData(), QStringLiteral("Klassenliste"));
    DocumentTable table;
    table.columns = {{QStringLiteral("Nr."), 8, Qt::AlignRight}, {QStringLiteral("Name"), 62}, {QStringLiteral("Geburtstag"), 30}};
    for (int i = 1; i <= 80; ++i)
        table.rows << QStringList{QString::number(i), QStringLiteral("Şahin, Łukasz %1").arg(i), QStringLiteral("05.03.2018")};
    document.table(table);
    document.newPage();
    document.heading(QStringLiteral("Zweiter Teil"));
    ASSERT_TRUE(document.picture(path(QStringLiteral("Bild/SMILI.jpg")), 120));
    EXPECT_FALSE(document.picture(path(QStringLiteral("Bild/fehlt.jpg")), 120));
    document.signatures({QStringLiteral("Klassenlehrerin"), QStringLiteral("Schulleitung")});
    ASSERT_TRUE(document.save(QStringLiteral("Probe.odt")));

    const test::PrintedDocument printed = test::printDocument(path(QStringLiteral("Probe.odt")));
    ASSERT_TRUE(printed.converted);
    test::renderFirstPage(printed, QStringLiteral("DocumentBuilder.png"));
    ASSERT_EQ(printed.pages, 3);
    EXPECT_TRUE(printed.pageTexts[0].contains(QStringLiteral("Grundschule am Lindenhof")));
    EXPECT_TRUE(printed.pageTexts[0].contains(QStringLiteral("Klasse 3a – Schuljahr 2026/2027 – 1. Halbjahr")));
    EXPECT_TRUE(printed.pageTexts[0].contains(QStringLiteral("Şahin, Łukasz 1 ")));
    EXPECT_TRUE(printed.pageTexts[1].contains(QStringLiteral("Şahin, Łukasz 80")));
    EXPECT_TRUE(printed.pageTexts[2].contains(QStringLiteral("Zweiter Teil")));
    EXPECT_TRUE(printed.pageTexts[2].contains(QStringLiteral("Schulleitung")));
}

// A cell of several lines stays one cell, and a picture stands in its cell.
TEST_F(DocumentBuilderTest, CellsHoldLinesAndPictures)
{
    DocumentBuilder document;
    DocumentTable table;
    table.columns = {{QStringLiteral("Nr."), 10, Qt::AlignRight}, {QStringLiteral("Bild"), 20}, {QStringLiteral("Name"), 50},
                     {QStringLiteral("Hinweis"), 20}};
    for (int i = 1; i <= 3; ++i)
        table.rows << QStringList{QString::number(i), QString(), QStringLiteral("Zeile %1\nzweite Zeile %1").arg(i), QStringLiteral("rechts %1").arg(i)};
    table.pictures << TablePicture{0, 1, path(QStringLiteral("Bild/SMILI.jpg")), 40} << TablePicture{1, 1, path(QStringLiteral("Bild/fehlt.jpg")), 40};
    document.table(table);
    ASSERT_TRUE(document.save(QStringLiteral("Zellen.odt")));

    const test::PrintedDocument printed = test::printDocument(path(QStringLiteral("Zellen.odt")));
    ASSERT_TRUE(printed.converted);
    EXPECT_EQ(test::picturesIn(printed), 1);
    const QStringList lines = printed.text().split(QLatin1Char('\n'));
    for (int i : {1, 2, 3}) {
        const QString first = QStringLiteral("Zeile %1 ").arg(i);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(first); });
        ASSERT_NE(line, lines.end()) << i;
        EXPECT_TRUE(line->simplified().endsWith(QStringLiteral("rechts %1").arg(i))) << line->toStdString();
        EXPECT_TRUE(std::next(line)->contains(QStringLiteral("zweite Zeile %1").arg(i))) << i;
    }
}

TEST_F(DocumentBuilderTest, ADocumentThatCannotBeWrittenIsReportedAndLeavesTheOldOne)
{
    writeBytes(QStringLiteral("Probe.odt"), "alt");
    Files::setWriteFailure([](const QString&) { return true; });
    messages->expect(QStringLiteral("Die Datei Probe.odt konnte nicht gespeichert werden"));
    DocumentBuilder document;
    document.text(QStringLiteral("neu"));
    EXPECT_FALSE(document.save(QStringLiteral("Probe.odt")));
    Files::setWriteFailure(nullptr);
    EXPECT_EQ(readBytes(QStringLiteral("Probe.odt")), QByteArray("alt"));
}

} // namespace
