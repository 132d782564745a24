#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "insertion/Einfuegungen.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <ostream>
#include <set>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {
const QString Snippets1 = QStringLiteral("Daten/Einfügungen1.txt");
const QString Snippets2 = QStringLiteral("Daten/Einfügungen2.txt");
const QString Placeholders = QStringLiteral("Daten/Platzhalter.txt");
const QString FirstBehaviourSnippet = QStringLiteral("<Vorname> hat sich im Verlauf des Halbjahres deutlich gesteigert.");
const QString SecondBehaviourSnippet = QStringLiteral("Im zweiten Halbjahr sollte <sie/er> noch mehr Ausdauer zeigen.");
const QString FirstGradeSnippet = QStringLiteral("<Vorname> liest altersgemäße Texte flüssig und sinnbetont vor.");
const QString NoEntries = QStringLiteral("Es sind keine Eintragungen vorhanden");

// A placeholder row: the token, the filler blanks, and the description as installed, which starts
// with the blanks that complete the filler to the column of every description.
QString row(const char* token, int fillers, int lead, const char* description)
{
    return QString::fromUtf8(token) + QString(fillers + lead, QLatin1Char(' ')) + QString::fromUtf8(description)
           + QStringLiteral("\r\n");
}

QStringList rowsOf(const ListBox& list)
{
    QStringList rows;
    for (int i = 0; i < list.listCount(); ++i)
        rows << list.list(i);
    return rows;
}

// A row below the visible part of the list is scrolled to first, as the user would.
void clickRow(ListBox& list, int r)
{
    auto* widget = static_cast<QListWidget*>(list.widget());
    widget->show();
    widget->scrollToItem(widget->item(r));
    User::chooseRow(list, r);
}

class EinfuegungenTest : public test::TestProgram {
protected:
    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
    }

    Einfuegungen& open(int mode)
    {
        EXPECT_TRUE(writeActiveForm(mode));
        return *static_cast<Einfuegungen*>(registry.Show(WindowNames::Insertion));
    }

    void close()
    {
        registry.Unload(WindowNames::Insertion);
        settle();
    }

    WindowRegistry& registry = WindowRegistry::instance();
};

TEST_F(EinfuegungenTest, EachModePlacesTheWindowAndFillsItsList)
{
    // The placeholder lists are at least as large and grow with the window, so that no row is cut.
    struct Case {
        int mode;
        int left, top, width, height, listWidth, listHeight;
        bool editButtons;
        int rows;
        QString firstRow;
    };
    const QString header = row("Platzhalter", 12, 1, "Bedeutung");
    const Case cases[] = {
        {BehaviourEntry, 2500, 1800, 6000, 4700, 5290, 2700, true, 12, FirstBehaviourSnippet},
        {CompetencesEntry, 2800, 1000, 6000, 4700, 5290, 2700, true, 12, FirstGradeSnippet},
        {SupportClubsEntry, 2500, 1800, 6000, 4700, 5290, 2700, true, 12, FirstGradeSnippet},
        {BehaviourBlocksEditor, 8700, 2300, 5000, 3470, 4400, 1610, false, 7, header},
        {GradeBlocksEditor, 8700, 200, 5000, 5000, 4400, 3000, false, 13, header},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Einfuegungen& w = open(c.mode);
        EXPECT_EQ(w.caption(), QStringLiteral("Einfügetexte - Dieses Fenster ist hier verschiebbar!!"));
        EXPECT_EQ(w.mode(), c.mode);
        EXPECT_EQ(w.left(), c.left);
        EXPECT_EQ(w.top(), c.top);
        const bool grows = !c.editButtons;
        EXPECT_TRUE(grows ? w.List1.width() >= c.listWidth : w.List1.width() == c.listWidth);
        EXPECT_TRUE(grows ? w.List1.height() >= c.listHeight : w.List1.height() == c.listHeight);
        EXPECT_EQ(w.width() - w.List1.width(), c.width - c.listWidth);
        EXPECT_EQ(w.height() - w.List1.height(), c.height - c.listHeight);
        EXPECT_EQ(w.Label1.width(), w.List1.width());
        EXPECT_EQ(w.Label1.caption(), QStringLiteral("Wählen Sie den gewünschten Eintrag unten aus und doppelklicken "
                                                     "Sie auf die Einfügestelle!"));
        EXPECT_EQ(w.Command1(0).caption(), QStringLiteral("Markierten Eintrag löschen"));
        EXPECT_EQ(w.Command1(1).caption(), QStringLiteral("Alle Einträge löschen"));
        EXPECT_EQ(w.Command1(2).caption(), QStringLiteral("Neuen Text eingeben"));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w.Command1(i).visible(), c.editButtons) << i;
        EXPECT_FALSE(w.Check1.visible());
        EXPECT_TRUE(w.Check1.value());
        EXPECT_TRUE(w.topmost());
        ASSERT_EQ(w.List1.listCount(), c.rows);
        EXPECT_EQ(w.List1.list(0), c.firstRow);
        close();
    }
}

TEST_F(EinfuegungenTest, PlaceholderRowsAreExactToTheBlank)
{
    const QString separator = QString(27, QLatin1Char('_')) + QStringLiteral("\r\n");
    const QStringList genderRows = {
        row("Platzhalter", 12, 1, "Bedeutung"),
        separator,
        row("<ihr/sein>", 8, 6, "ihr oder sein"),
        row("<Er/Sie>", 11, 5, "Er/Sie am Satzanfang"),
        row("<sie/er>", 11, 5, "sie oder er"),
        row("<ihr/ihm>", 11, 4, "ihr oder ihm"),
        row("<in>", 20, 0, "Endung: Schüler(in)"),
    };
    EXPECT_EQ(rowsOf(open(BehaviourBlocksEditor).List1), genderRows);
    close();
    const QStringList allRows = {
        row("Platzhalter", 12, 1, "Bedeutung"),
        separator,
        row("<ihr/sein>", 8, 6, "ihr oder sein"),
        row("<Er/Sie>", 11, 5, "Er/Sie am Satzanfang"),
        row("<Ihm/Ihr>", 13, 2, "Ihm/Ihr am Satzanfang"),
        row("<sie/er>", 11, 5, "sie oder er"),
        row("<Sein/Ihr>", 12, 2, "Sein/Ihr am Satzanfang"),
        row("<ihr/ihm>", 11, 4, "ihr oder ihm"),
        row("<Vorname>", 10, 5, "Vorname des Kindes"),
        row("<in>", 20, 0, "Endung: Schüler(in)"),
        row("<Schuljahr>", 8, 5, "aktuelles Schuljahr"),
        row("<Nextschj>", 9, 5, "nächstes Schuljahr"),
        row("<Konferenz>", 6, 7, "Datum der Konferenz"),
    };
    EXPECT_EQ(rowsOf(open(GradeBlocksEditor).List1), allRows);
}

// The filler blanks line up the descriptions in a fixed-pitch font, and the list holds every row
// whole, without scrolling.
TEST_F(EinfuegungenTest, PlaceholderDescriptionsStartInOneColumnAndNoRowIsCut)
{
    for (int mode : {BehaviourBlocksEditor, GradeBlocksEditor}) {
        SCOPED_TRACE(mode);
        Einfuegungen& w = open(mode);
        w.window()->show();
        QCoreApplication::processEvents();
        auto* list = static_cast<QListWidget*>(w.List1.widget());
        EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
        const QFontMetrics metrics(list->font());
        // The room an item leaves on either side of its text.
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        std::set<int> descriptionColumns;
        for (int r = 0; r < w.List1.listCount(); ++r) {
            const QString row = w.List1.list(r).chopped(2);
            EXPECT_EQ(list->item(r)->text(), row);
            EXPECT_LE(metrics.horizontalAdvance(row) + 2 * margin, list->viewport()->width()) << row.toStdString();
            const qsizetype blank = row.indexOf(QLatin1Char(' '));
            // The separator row has no description.
            if (blank < 0)
                continue;
            qsizetype description = blank;
            while (row.at(description) == QLatin1Char(' '))
                ++description;
            descriptionColumns.insert(metrics.horizontalAdvance(row.left(description)));
        }
        EXPECT_EQ(descriptionColumns.size(), 1u);
        EXPECT_EQ(list->verticalScrollBar()->maximum(), 0);
        close();
    }
}

TEST_F(EinfuegungenTest, AClickedRowPutsItsSnippetOrTokenOnTheClipboard)
{
    struct Case {
        int mode;
        int row;
        QString clipboard;
    };
    const Case cases[] = {
        {BehaviourEntry, 0, FirstBehaviourSnippet},
        {BehaviourEntry, 1, SecondBehaviourSnippet},
        {CompetencesEntry, 0, FirstGradeSnippet},
        {BehaviourBlocksEditor, 0, QString()},
        {BehaviourBlocksEditor, 1, QString()},
        {BehaviourBlocksEditor, 2, QStringLiteral("<ihr/sein>")},
        {BehaviourBlocksEditor, 4, QStringLiteral("<sie/er>")},
        {BehaviourBlocksEditor, 6, QStringLiteral("<in>")},
        {GradeBlocksEditor, 0, QString()},
        {GradeBlocksEditor, 1, QString()},
        {GradeBlocksEditor, 8, QStringLiteral("<Vorname>")},
        {GradeBlocksEditor, 12, QStringLiteral("<Konferenz>")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " row " << c.row);
        Einfuegungen& w = open(c.mode);
        clipboard->setText(QStringLiteral("vorher"));
        clickRow(w.List1, c.row);
        EXPECT_EQ(clipboard->text(), c.clipboard);
        close();
    }
}

TEST_F(EinfuegungenTest, DeleteMarkedRewritesTheFileWithoutTheRow)
{
    Einfuegungen& w = open(BehaviourEntry);
    const QByteArray before = readBytes(Snippets1);
    clickRow(w.List1, 0);
    User::click(w.Command1(0));
    EXPECT_EQ(w.List1.listCount(), 11);
    EXPECT_EQ(w.rowCount(), 11);
    EXPECT_EQ(w.List1.list(0), SecondBehaviourSnippet);
    EXPECT_EQ(clipboard->text(), QString());
    const QByteArray firstRecord = before.left(before.indexOf("\r\n") + 2);
    EXPECT_EQ(readBytes(Snippets1), before.mid(firstRecord.size()));
}

TEST_F(EinfuegungenTest, DeleteMarkedWithNoRowChosenDoesNothing)
{
    Einfuegungen& w = open(CompetencesEntry);
    const QByteArray before = readBytes(Snippets2);
    ASSERT_TRUE(QFile::remove(path(Snippets2)));
    clipboard->setText(QStringLiteral("aus einem anderen Programm"));
    User::click(w.Command1(0));
    EXPECT_EQ(w.List1.listCount(), 12);
    EXPECT_FALSE(fileExists(Snippets2));
    EXPECT_EQ(clipboard->text(), QStringLiteral("aus einem anderen Programm"));
    // After a delete the choice is gone as well.
    writeBytes(Snippets2, before);
    clickRow(w.List1, 3);
    User::click(w.Command1(0));
    const QByteArray afterOne = readBytes(Snippets2);
    User::click(w.Command1(0));
    EXPECT_EQ(w.List1.listCount(), 11);
    EXPECT_EQ(readBytes(Snippets2), afterOne);
}

TEST_F(EinfuegungenTest, DeleteAllLeavesOneNoticeRowForTheNextLoad)
{
    Einfuegungen& w = open(SupportClubsEntry);
    User::click(w.Command1(1));
    EXPECT_EQ(w.List1.listCount(), 0);
    EXPECT_EQ(readBytes(Snippets2), QByteArray("\"Es sind keine Eintragungen vorhanden\"\r\n"));
    EXPECT_EQ(readBytes(Snippets1).count("\r\n"), 12);
    close();
    Einfuegungen& again = open(CompetencesEntry);
    EXPECT_EQ(rowsOf(again.List1), QStringList{NoEntries});
    clickRow(again.List1, 0);
    EXPECT_EQ(clipboard->text(), NoEntries);
}

TEST_F(EinfuegungenTest, ANewTextIsAskedForAndStoredWithoutQuotes)
{
    Einfuegungen& w = open(BehaviourEntry);
    User::click(w.Command1(1));
    // More quotes than the ten that a pass-wise replacement would catch.
    inputs->answerNext(QStringLiteral("\"a\" \"b\" \"c\" \"d\" \"e\" \"f\" <Vorname> sagt \"danke\""));
    User::click(w.Command1(2));
    ASSERT_EQ(inputs->asked().size(), 1u);
    EXPECT_EQ(inputs->asked()[0].prompt,
              QStringLiteral("Geben Sie bitte den Text ein!\r\nAls Platzhalter können Sie hier <Vorname>, <Er/Sie>, "
                             "<sie/er>, <Ihm/Ihr>, <ihr/ihm>, <Sein/Ihr>, <ihr/sein>, die Endung <in>, <Schuljahr>, "
                             "<Nextschj> oder <Konferenz> benutzen."));
    EXPECT_EQ(inputs->asked()[0].title, QStringLiteral("Einfügetext"));
    const QString stored = QStringLiteral("'a' 'b' 'c' 'd' 'e' 'f' <Vorname> sagt 'danke'");
    EXPECT_EQ(rowsOf(w.List1), QStringList{stored});
    EXPECT_EQ(w.rowCount(), 1);
    EXPECT_EQ(readFile(Snippets1), QLatin1Char('"') + stored + QStringLiteral("\"\r\n"));

    inputs->answerNext(QStringLiteral("Übt täglich."));
    User::click(w.Command1(2));
    EXPECT_EQ(readFile(Snippets1), QLatin1Char('"') + stored + QStringLiteral("\"\r\n\"Übt täglich.\"\r\n"));
    EXPECT_EQ(readBytes(Snippets1).right(16), QByteArray("\"\xDC" "bt t\xE4glich.\"\r\n"));

    // Cancel gives the empty text: nothing is added or written.
    const QByteArray before = readBytes(Snippets1);
    inputs->answerNext(QString());
    User::click(w.Command1(2));
    EXPECT_EQ(w.List1.listCount(), 2);
    EXPECT_EQ(readBytes(Snippets1), before);
}

TEST_F(EinfuegungenTest, AMissingOrDamagedFileIsReportedAndTheWindowGoesOn)
{
    struct Case {
        const char* what;
        int mode;
        std::function<void()> damage;
        QString message;
        QStringList rows;
    };
    const Case cases[] = {
        {"snippets missing", BehaviourEntry, [&] { QFile::remove(path(Snippets1)); },
         QStringLiteral("Daten\\Einfügungen1.txt ist nicht vorhanden"), {}},
        {"placeholders missing", GradeBlocksEditor, [&] { QFile::remove(path(Placeholders)); },
         QStringLiteral("Daten\\Platzhalter.txt ist nicht vorhanden"), {}},
        {"snippet file cut off inside a text", CompetencesEntry,
         [&] { writeFile(Snippets2, QStringLiteral("\"Liest gern.\"\r\n\"Rechnet sicher\r\n")); },
         QStringLiteral("Daten\\Einfügungen2.txt ist beschädigt"), {QStringLiteral("Liest gern."), QStringLiteral("Rechnet sicher")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        installShippedData();
        c.damage();
        messages->expect(c.message);
        Einfuegungen& w = open(c.mode);
        messages->verifyDone();
        EXPECT_EQ(rowsOf(w.List1), c.rows);
        EXPECT_TRUE(w.shown());
        close();
    }
}

TEST_F(EinfuegungenTest, ADamagedSnippetFileKeepsEveryRowAndIsOverwrittenOnlyAfterAQuestion)
{
    // Stray quotes in a quoted and in an unquoted row, and a row without its closing quote.
    QFile fixture(QStringLiteral(ZT_FIXTURE_DIR "/insertion/damaged-snippets.txt"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray damaged = fixture.readAll();
    writeBytes(Snippets2, damaged);
    messages->expect(QStringLiteral("Daten\\Einfügungen2.txt ist beschädigt"));
    Einfuegungen& w = open(CompetencesEntry);
    const QStringList rows = {QStringLiteral("Liest gern."), QStringLiteral("Rechnet sicher im Zahlenraum bis 100."),
                              QStringLiteral("Schreibt sauber."), QStringLiteral("Malt gern"), QStringLiteral("Singt gern.")};
    EXPECT_EQ(rowsOf(w.List1), rows);

    const QString question = QStringLiteral("Die Datei Daten\\Einfügungen2.txt war beim Lesen beschädigt.");
    messages->expect(question, vbNo);
    User::click(w.Command1(1));
    inputs->answerNext(QStringLiteral("Übt täglich."));
    messages->expect(question, vbNo);
    User::click(w.Command1(2));
    messages->verifyDone();
    EXPECT_EQ(messages->shown().back().style, vbYesNo | vbExclamation | vbDefaultButton2);
    EXPECT_EQ(rowsOf(w.List1), rows);
    EXPECT_EQ(readBytes(Snippets2), damaged);

    clickRow(w.List1, 4);
    messages->expect(question, vbYes);
    User::click(w.Command1(0));
    EXPECT_EQ(readFile(Snippets2), QStringLiteral("\"Liest gern.\"\r\n\"Rechnet sicher im Zahlenraum bis 100.\"\r\n"
                                                  "\"Schreibt sauber.\"\r\n\"Malt gern\"\r\n"));
    // Once written whole, the file is sound: no further question.
    clickRow(w.List1, 0);
    User::click(w.Command1(0));
    EXPECT_EQ(w.List1.listCount(), 3);
}

TEST_F(EinfuegungenTest, ARowOfSeveralMegabytesIsShownCutAndReachesTheClipboardWhole)
{
    QString huge;
    for (int i = 0; huge.size() < 5'000'000; ++i)
        huge += QStringLiteral("<Vorname> übt %1 Wörter. ").arg(i);
    writeFile(Snippets1, QStringLiteral("\"Kurz.\"\r\n\"") + huge + QStringLiteral("\"\r\n"));
    Einfuegungen& w = open(BehaviourEntry);
    w.window()->show();
    QCoreApplication::processEvents();
    ASSERT_EQ(w.List1.listCount(), 2);
    // The row shows what the list's width can, like its neighbour.
    const auto* list = static_cast<QListWidget*>(w.List1.widget());
    EXPECT_LE(list->item(1)->text().size(), list->width());
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), list->visualItemRect(list->item(0)).height());
    clickRow(w.List1, 1);
    EXPECT_EQ(clipboard->text(), huge);
}

TEST_F(EinfuegungenTest, APlaceholderFileOverItsThirtyOneSlotsIsReadToTheLimit)
{
    const auto placeholderFile = [](int records) {
        QString text;
        for (int n = 1; n <= records; ++n)
            text += QStringLiteral("%1,\"<T%1>\",\"Beschreibung %1\"\r\n").arg(n);
        return text;
    };
    writeFile(Placeholders, placeholderFile(31));
    EXPECT_EQ(open(GradeBlocksEditor).List1.listCount(), 13);
    close();

    writeFile(Placeholders, placeholderFile(40));
    messages->expect(QStringLiteral("Daten\\Platzhalter.txt enthält mehr Einträge"));
    Einfuegungen& w = open(GradeBlocksEditor);
    messages->verifyDone();
    ASSERT_EQ(w.List1.listCount(), 13);
    EXPECT_EQ(w.List1.list(0), row("<T1>", 12, 0, "Beschreibung 1"));
    EXPECT_EQ(w.List1.list(2), row("<T2>", 8, 0, "Beschreibung 2"));
    clickRow(w.List1, 12);
    EXPECT_EQ(clipboard->text(), QStringLiteral("<T12>"));
}

TEST_F(EinfuegungenTest, EntryOneAfterEntryZeroOffersTheGradeSnippets)
{
    writeFile(QStringLiteral("Daten/Namen.Txt"),
              QStringLiteral("1,\"2a\",\"Meyer\",\"Lea\",\"w\",\"05.03.2018\",\"\",\"\",\"\",\"\",\"Ort\"\r\n"));
    // Stores of the shipped class would not match this list.
    writeFile(QStringLiteral("Daten/AVSVspeicher.txt"), QString());
    writeFile(QStringLiteral("Daten/AVSVWahl.txt"), QString());
    auto& start = *static_cast<GsStart*>(registry.Show(WindowNames::Start));
    ASSERT_TRUE(start.Command1(1).enabled());
    User::click(start.Command1(0));
    auto* first = registry.find<Einfuegungen>(WindowNames::Insertion);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->shown());
    EXPECT_EQ(first->List1.list(0), FirstBehaviourSnippet);
    User::click(start.Command1(1));
    settle();
    auto* second = registry.find<Einfuegungen>(WindowNames::Insertion);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->shown());
    EXPECT_EQ(second->mode(), CompetencesEntry);
    EXPECT_EQ(second->snippetFile(), QStringLiteral("Daten\\Einfügungen2.txt"));
    EXPECT_EQ(second->List1.listCount(), 12);
    EXPECT_EQ(second->List1.list(0), FirstGradeSnippet);
}

TEST_F(EinfuegungenTest, RendersItsSnippetAndPlaceholderLooks)
{
    Einfuegungen& snippets = open(BehaviourEntry);
    test::renderToPng(snippets.window(), QStringLiteral("Einfuegungen_mode0.png"));
    close();
    Einfuegungen& placeholders = open(GradeBlocksEditor);
    test::renderToPng(placeholders.window(), QStringLiteral("Einfuegungen_mode5.png"));
}

} // namespace
