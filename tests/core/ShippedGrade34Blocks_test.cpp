#include "ShippedData.h"
#include <QSet>
#include <QStringList>

// The grade 3/4 formulations as shipped: in the layouts the editor writes, and each cell fit for
// the way the grade 3/4 composition makes it part of a sentence.

namespace {

using namespace zt::test;

// How the composition uses a cell. None brings its own final full stop: the composition adds it.
enum class Use {
    // Starts a sentence: the start of the support, grade-deviation and remark sentences, a
    // promotion or club sentence.
    Opens,
    // Reads on after the first name, after the list of subjects or after the remark phrases.
    ReadsOn,
    // One item of a list joined with ", " and " und ": a subject or a remark phrase.
    Listed,
};

// Rows `firstRow` to `lastRow` of a column are used so; every other row stays empty.
struct ColumnUse {
    int column;
    int firstRow;
    int lastRow;
    Use use;
};

struct FileUse {
    QString stem;
    int columns;
    int records;
    std::vector<ColumnUse> uses;
};

const std::vector<FileUse> Grade34Files = {
    {"Förder34", 1, 8, {{1, 1, 1, Use::Opens}, {1, 2, 7, Use::Listed}, {1, 8, 8, Use::ReadsOn}}},
    {"Zensurabweichung", 1, 6, {{1, 1, 3, Use::Listed}, {1, 4, 4, Use::Opens}, {1, 5, 6, Use::ReadsOn}}},
    // Row 1 is the choice of no interest sentence.
    {"Interessen34", 1, 14, {{1, 1, 1, Use::Opens}, {1, 2, 14, Use::ReadsOn}}},
    // Column 1 for half-year 1, column 2 for half-year 2; line 5 is carried along.
    {"Versetzung3", 2, 5, {{1, 1, 4, Use::Opens}, {2, 1, 4, Use::Opens}}},
    {"Versetzung4", 2, 5, {{1, 1, 4, Use::Opens}, {2, 1, 4, Use::Opens}}},
    // Lead remark, phrases, progress sentence and its fixed end run together as one sentence.
    {"Bemerkungen34", 4, 5,
     {{1, 1, 3, Use::Opens}, {2, 1, 5, Use::Listed}, {3, 1, 2, Use::ReadsOn}, {4, 1, 1, Use::ReadsOn}}},
    {"AG", 1, 2, {{1, 1, 2, Use::Opens}}},
};

void expectFit(const QString& text, Use use)
{
    expectClean(text);
    EXPECT_FALSE(text.endsWith(QLatin1Char('.')));
    switch (use) {
    case Use::Opens:
        EXPECT_TRUE(startsUpper(text));
        break;
    case Use::ReadsOn:
        EXPECT_TRUE(startsLower(text));
        break;
    case Use::Listed:
        // A comma or an "und" of its own would read as a further item.
        EXPECT_FALSE(text.contains(QLatin1Char(',')));
        EXPECT_FALSE(text.contains(QStringLiteral(" und ")));
        break;
    }
}

QString fileName(const FileUse& f) { return f.stem + QStringLiteral(".Txt"); }

TEST(ShippedGrade34Blocks, DefaultsEqualTheCurrentSet)
{
    for (const FileUse& f : Grade34Files)
        EXPECT_EQ(shipped(fileName(f)), shipped(QStringLiteral("Standard/") + f.stem + QStringLiteral("Standard.Txt")))
            << f.stem.toStdString();
}

TEST(ShippedGrade34Blocks, EveryCellFitsItsPlaceInTheComposition)
{
    for (const FileUse& f : Grade34Files) {
        const std::vector<QStringList> cells = cellsOf(fileName(f), f.columns, f.records);
        for (int c = 1; c <= f.columns; ++c) {
            QSet<int> used;
            for (const ColumnUse& u : f.uses) {
                if (u.column != c)
                    continue;
                for (int row = u.firstRow; row <= u.lastRow; ++row) {
                    SCOPED_TRACE(QStringLiteral("%1 column %2 row %3: %4").arg(fileName(f)).arg(c).arg(row).arg(cells[c].value(row - 1))
                                     .toStdString());
                    expectFit(cells[c].value(row - 1), u.use);
                    used << row;
                }
            }
            for (int row = 1; row <= f.records; ++row) {
                if (!used.contains(row)) {
                    EXPECT_TRUE(cells[c].value(row - 1).isEmpty()) << f.stem.toStdString() << " column " << c << " row " << row;
                }
            }
        }
    }
    // Only this caption empties the interest sentence.
    EXPECT_EQ(cellsOf(QStringLiteral("Interessen34.Txt"), 1, 14)[1].value(0), QStringLiteral("Kein Eintrag"));
}

} // namespace
