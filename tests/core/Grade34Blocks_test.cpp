#include "core/Grade34Blocks.h"
#include "ProgramFolderTest.h"
#include "ShippedData.h"
#include <QFile>
#include <QRegularExpression>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace zt;

namespace {

class Grade34BlocksTest : public test::ProgramFolderTest {};

TEST_F(Grade34BlocksTest, TheGradeChoosesItsPromotionsAndTheRowsKeptAreRead)
{
    installShippedData();
    EXPECT_TRUE(Grade34Blocks::load(3).promotion.cell(0, 2).contains(QStringLiteral("Klasse 4")));
    EXPECT_TRUE(Grade34Blocks::load(4).promotion.cell(0, 2).contains(QStringLiteral("Klasse 5")));
    // No grade 3/4 class: no promotion file is asked for.
    QFile::remove(path(QStringLiteral("Daten/Versetzung3.Txt")));
    EXPECT_EQ(Grade34Blocks::load(0).promotion.cell(0, 1), QString());

    QString rows;
    for (int n = 1; n <= 10; ++n)
        rows += QStringLiteral("%1,\"f%1\"\r\n").arg(n);
    writeFile(QStringLiteral("Daten/Förder34.Txt"), rows);
    QFile::remove(path(QStringLiteral("Daten/AG.Txt")));
    const Grade34Blocks blocks = Grade34Blocks::load(3);
    expectProblem(FileProblem::TooManyRecords, QStringLiteral("Daten\\Förder34.Txt"));
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\Versetzung3.Txt"));
    expectProblem(FileProblem::Missing, QStringLiteral("Daten\\AG.Txt"));
    EXPECT_EQ(blocks.support.cell(8, 1), QStringLiteral("f9"));
    EXPECT_EQ(blocks.clubs.cell(0, 1), QString());
    EXPECT_FALSE(blocks.sports.cell(6, 1).isEmpty());
}

// The shipped grade 3/4 set: in the layout its editor writes, and fit for the window, which adds
// the name, the joining words and the full stops.
using test::shipped;

// The cells of a file whose records are numbered 1 to n with the given number of quoted cells.
std::vector<QStringList> cells(const QString& name, int columns)
{
    std::vector<QStringList> rows = test::records(name, QStringLiteral("(\\d+)") + QStringLiteral(",\"([^\"]*)\"").repeated(columns));
    for (size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(rows[row].takeFirst(), QString::number(row + 1)) << name.toStdString();
    return rows;
}

TEST(ShippedGrade34Blocks, LayoutsAndDefaults)
{
    struct File { const char* name; int rows; int columns; bool hasDefault; };
    const File files[] = {
        {"Förder34", 8, 1, true},         {"Zensurabweichung", 6, 1, true}, {"Interessen34", 14, 1, true},
        {"Versetzung3", 5, 2, true},      {"Versetzung4", 5, 2, true},      {"Bemerkungen34", 5, 4, true},
        {"AG", 2, 1, true},               {"Sportusw", 7, 1, false},
    };
    for (const File& f : files) {
        const QString name = QString::fromUtf8(f.name);
        EXPECT_EQ(cells(name + QStringLiteral(".Txt"), f.columns).size(), static_cast<size_t>(f.rows)) << f.name;
        if (f.hasDefault) {
            EXPECT_EQ(shipped(name + QStringLiteral(".Txt")), shipped(QStringLiteral("Standard/") + name + QStringLiteral("Standard.Txt")))
                << f.name;
        }
    }
}

TEST(ShippedGrade34Blocks, EveryCellTheWindowShowsFitsItsUse)
{
    // Where a cell stands: at the start of a sentence (or as a whole one), as an item of a list,
    // or continuing the words before it. The window adds the full stops.
    enum Use { Opening, Listed, Continuing };
    struct Cells { const char* file; int columns; int column; int firstRow; int lastRow; Use use; };
    const Cells uses[] = {
        {"Förder34", 1, 1, 0, 0, Opening},            {"Förder34", 1, 1, 1, 6, Listed},
        {"Förder34", 1, 1, 7, 7, Continuing},         {"AG", 1, 1, 0, 1, Opening},
        {"Interessen34", 1, 1, 1, 13, Continuing},    {"Sportusw", 1, 1, 0, 6, Opening},
        {"Zensurabweichung", 1, 1, 0, 2, Listed},     {"Zensurabweichung", 1, 1, 3, 3, Opening},
        {"Zensurabweichung", 1, 1, 4, 5, Continuing}, {"Bemerkungen34", 4, 1, 0, 2, Opening},
        {"Bemerkungen34", 4, 2, 0, 4, Listed},        {"Bemerkungen34", 4, 3, 0, 1, Continuing},
        {"Bemerkungen34", 4, 4, 0, 0, Continuing},    {"Versetzung3", 2, 1, 0, 3, Opening},
        {"Versetzung3", 2, 2, 0, 3, Opening},         {"Versetzung4", 2, 1, 0, 3, Opening},
        {"Versetzung4", 2, 2, 0, 3, Opening},
    };
    const QStringList fullSet = {"<sie/er>", "<Er/Sie>", "<ihr/ihm>", "<Ihm/Ihr>", "<ihr/sein>", "<Sein/Ihr>",
                                 "<Vorname>", "<in>", "<Schuljahr>", "<Nextschj>", "<Konferenz>"};
    const QRegularExpression token(QStringLiteral("<[^>]*>"));
    for (const Cells& u : uses) {
        const auto rows = cells(QString::fromUtf8(u.file) + QStringLiteral(".Txt"), u.columns);
        for (int row = u.firstRow; row <= u.lastRow; ++row) {
            const QString text = rows.at(row).value(u.column - 1);
            SCOPED_TRACE(QStringLiteral("%1 column %2 row %3: %4").arg(QString::fromUtf8(u.file)).arg(u.column).arg(row).arg(text).toStdString());
            ASSERT_FALSE(text.isEmpty());
            EXPECT_EQ(text, text.trimmed());
            EXPECT_FALSE(text.contains(QStringLiteral("  ")));
            EXPECT_FALSE(text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(',')));
            for (const QRegularExpressionMatch& m : token.globalMatch(text))
                EXPECT_TRUE(fullSet.contains(m.captured())) << m.captured().toStdString();
            if (u.use == Continuing) {
                EXPECT_TRUE(text.at(0).isLower() || text.startsWith(QStringLiteral("<sie/er>")));
            } else if (u.use == Opening) {
                EXPECT_TRUE(text.at(0).isUpper() || text.startsWith(QStringLiteral("<Vorname>")));
            }
        }
    }
    // The first interest stands for no interest sentence.
    EXPECT_EQ(cells(QStringLiteral("Interessen34.Txt"), 1).at(0).value(0), QStringLiteral("Kein Eintrag"));
}

} // namespace
