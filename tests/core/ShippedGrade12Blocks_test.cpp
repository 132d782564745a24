#include "ShippedData.h"
#include <QDir>
#include <QStringList>

// The grade 1/2 formulations as shipped: in the layouts the editor writes, and each cell fit for
// the way the competences window makes it part of a sentence.

namespace {

using zt::test::cellsOf;
using zt::test::expectClean;
using zt::test::shipped;
using zt::test::startsLower;
using zt::test::startsUpper;

// How the composition uses a cell: whether it opens a sentence (a caption of no sentence and a
// lead-in count so) or reads on from the first name or from a lead-in and a blank, and whether it
// brings its own full stop or the composition adds one.
struct Use {
    bool opensSentence;
    bool bringsFullStop;
};
constexpr Use Sentence{true, false};
constexpr Use SentenceWithStop{true, true};
constexpr Use Continuation{false, false};
// Closes the remark sentence.
constexpr Use PhraseWithStop{false, true};

// Rows 1 to `rows` of a column are used so; the rows below them stay empty.
struct ColumnUse {
    int column;
    int rows;
    Use use;
    int firstRow = 1;
};

struct FileUse {
    QString stem; // "#" stands for the grade
    int columns;
    int records;
    std::vector<ColumnUse> uses;
};

const std::vector<FileUse> Grade12Files = {
    {"Interessen12", 1, 16, {{1, 1, Sentence}, {1, 16, Continuation, 2}}},
    {"Sprechen#", 3, 4, {{1, 4, Sentence}, {2, 4, Sentence}, {3, 4, Sentence}}},
    {"Lesen#", 6, 7,
     {{1, 7, SentenceWithStop}, {2, 7, SentenceWithStop}, {3, 7, Sentence},
      {4, 4, SentenceWithStop}, {5, 4, Sentence}, {6, 4, Sentence}}},
    {"Schreiben#", 6, 6,
     {{1, 4, SentenceWithStop}, {2, 4, SentenceWithStop}, {3, 4, Continuation},
      {4, 4, Continuation}, {5, 6, Continuation}, {6, 6, Continuation}}},
    {"Mathe#", 18, 6,
     {{1, 5, Continuation}, {2, 5, Continuation}, {3, 6, Continuation}, {4, 4, Continuation},
      {5, 1, Sentence}, {6, 5, Continuation}, {7, 2, Continuation}, {8, 3, Continuation},
      {9, 3, Continuation}, {10, 3, Continuation}, {11, 3, Continuation}, {12, 4, Continuation},
      {13, 3, Continuation}, {14, 3, Continuation}, {15, 3, Continuation}, {16, 4, Continuation},
      {17, 4, Continuation}, {18, 4, Continuation}}},
    {"Bemerkungen#", 3, 8,
     {{1, 1, Sentence}, {2, 8, Continuation}, {3, 1, PhraseWithStop}, {3, 8, Continuation, 2}}},
    {"Versetzung#", 1, 4, {{1, 4, Sentence}}},
};

// Clean, with the start and the end its use needs.
void expectFit(const QString& text, Use use)
{
    expectClean(text);
    EXPECT_EQ(text.endsWith(QLatin1Char('.')), use.bringsFullStop);
    EXPECT_TRUE(use.opensSentence ? startsUpper(text) : startsLower(text));
}

QString fileName(const FileUse& f, int grade)
{
    return QString(f.stem).replace(QLatin1Char('#'), QString::number(grade)) + QStringLiteral(".Txt");
}

TEST(ShippedGrade12Blocks, DefaultsEqualTheCurrentSetAndOnlyTheLeadInsOfTheUnwrittenFilesHaveOne)
{
    QStringList names = {QStringLiteral("Zwischentexte.Txt")};
    for (const FileUse& f : Grade12Files)
        for (int grade : {1, 2})
            names << fileName(f, grade);
    names.removeDuplicates();
    for (const QString& name : names)
        EXPECT_EQ(shipped(name),
                  shipped(QStringLiteral("Standard/") + QString(name).replace(QStringLiteral(".Txt"), QStringLiteral("Standard.Txt"))))
            << name.toStdString();
    EXPECT_FALSE(QDir(QStringLiteral(ZT_DATA_DIR "/Daten/Standard")).exists(QStringLiteral("SportuswStandard.Txt")));
}

TEST(ShippedGrade12Blocks, EveryCellFitsItsPlaceInTheComposition)
{
    for (const FileUse& f : Grade12Files) {
        for (int grade : {1, 2}) {
            const QString name = fileName(f, grade);
            const std::vector<QStringList> cells = cellsOf(name, f.columns, f.records);
            for (int c = 1; c <= f.columns; ++c) {
                QSet<int> used;
                for (const ColumnUse& u : f.uses) {
                    // The last numbers column has no options in grade 1.
                    if (u.column != c || (f.stem == QStringLiteral("Mathe#") && c == 6 && grade == 1))
                        continue;
                    for (int row = u.firstRow; row <= u.rows; ++row) {
                        SCOPED_TRACE(QStringLiteral("%1 column %2 row %3: %4")
                                         .arg(name).arg(c).arg(row).arg(cells[c].value(row - 1))
                                         .toStdString());
                        expectFit(cells[c].value(row - 1), u.use);
                        used << row;
                    }
                }
                for (int row = 1; row <= f.records; ++row) {
                    if (!used.contains(row)) {
                        EXPECT_TRUE(cells[c].value(row - 1).isEmpty()) << name.toStdString() << " column " << c << " row " << row;
                    }
                }
            }
        }
    }
}

TEST(ShippedGrade12Blocks, LeadInsAndSportsSentencesOpenSentences)
{
    // The windows use lead-ins 1 to 22; a lead-in is followed by a blank and a caption.
    const std::vector<QStringList> leadIns = cellsOf(QStringLiteral("Zwischentexte.Txt"), 1, 22);
    for (const QString& text : leadIns[1]) {
        SCOPED_TRACE(text.toStdString());
        expectFit(text, Sentence);
    }
    // Rows 1 to 7 are the sports-badge and cycling-test sentences; the windows add ". ".
    const std::vector<QStringList> sports = cellsOf(QStringLiteral("Sportusw.Txt"), 1, 7);
    for (const QString& text : sports[1]) {
        SCOPED_TRACE(text.toStdString());
        expectFit(text, Sentence);
    }
}

} // namespace
