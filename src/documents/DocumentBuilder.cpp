#include "DocumentBuilder.h"
#include "core/FileProblems.h"
#include "core/ProgramFolder.h"
#include <QBuffer>
#include <QImageReader>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace zt {

namespace {
const QString FontFamily = QStringLiteral("Arial");

// The OpenDocument writer counts most lengths in pixels of 3/4 point, but writes the widths of tables
// and their columns as points. A table takes the width between the word processor's margins of 2 cm
// on A4.
constexpr qreal pixels(qreal points) { return points / 0.75; }
constexpr qreal TextWidthPoints = 480;

QTextTableFormat tableFormat(const QList<qreal>& percents, qreal borderPoints, qreal paddingPoints)
{
    QTextTableFormat format;
    QList<QTextLength> widths;
    for (const qreal p : percents)
        widths << QTextLength(QTextLength::FixedLength, TextWidthPoints * p / 100);
    format.setColumnWidthConstraints(widths);
    format.setWidth(QTextLength(QTextLength::FixedLength, TextWidthPoints));
    format.setAlignment(Qt::AlignLeft);
    format.setBorder(pixels(borderPoints));
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(borderPoints > 0 ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(pixels(paddingPoints));
    return format;
}

QTextCharFormat characters(qreal points, bool bold)
{
    QTextCharFormat f;
    // The writer takes the family from the old property and reads it through the new one.
    f.setProperty(QTextFormat::OldFontFamily, QStringList{FontFamily});
    f.setProperty(QTextFormat::FontFamilies, QStringList{FontFamily});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

// The picture scaled down to what print needs, so that a list of photos stays a small file; nothing
// when it cannot be read.
std::optional<QTextImageFormat> scaledPicture(QTextDocument& document, const QString& absolutePath, qreal widthPoints)
{
    QImageReader reader(absolutePath);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    constexpr qreal PrintDotsPerPoint = 300.0 / 72;
    const int widthDots = qRound(widthPoints * PrintDotsPerPoint);
    if (image.width() > widthDots)
        image = image.scaledToWidth(widthDots, Qt::SmoothTransformation);
    QTextImageFormat format;
    format.setName(absolutePath);
    format.setWidth(pixels(widthPoints));
    format.setHeight(pixels(widthPoints) * image.height() / image.width());
    format.setQuality(90);
    document.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
    return format;
}

QStringList linesOf(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}
} // namespace

struct DocumentBuilder::Style {
    qreal points = 11;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    qreal above = 0;
    qreal below = 0;
    qreal hanging = 0; // the first line starts this much left of the others
};

DocumentBuilder::DocumentBuilder() : cursor_(&document_)
{
    document_.setDefaultFont(QFont(FontFamily, 11));
}

DocumentBuilder::~DocumentBuilder() = default;

void DocumentBuilder::setTextPoints(qreal points) { textPoints_ = points; }

void DocumentBuilder::newPage() { breakBefore_ = !empty_; }

QTextBlockFormat DocumentBuilder::nextBlockFormat(const Style& style)
{
    QTextBlockFormat f;
    f.setAlignment(style.alignment);
    f.setTopMargin(pixels(style.above));
    f.setBottomMargin(pixels(style.below));
    if (style.hanging > 0) {
        f.setLeftMargin(pixels(style.hanging));
        f.setTextIndent(-pixels(style.hanging));
        f.setTabPositions({QTextOption::Tab(pixels(style.hanging), QTextOption::LeftTab)});
    }
    if (breakBefore_)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    breakBefore_ = false;
    return f;
}

void DocumentBuilder::paragraph(const QString& line, const Style& style)
{
    const QTextBlockFormat block = nextBlockFormat(style);
    const QTextCharFormat chars = characters(style.points, style.bold);
    if (empty_)
        cursor_.setBlockFormat(block);
    else
        cursor_.insertBlock(block, chars);
    cursor_.setBlockCharFormat(chars);
    // The writer gives a paragraph its size only through its text: an empty one would take the word
    // processor's default size, so it holds a no-break space.
    cursor_.insertText(line.isEmpty() ? QString(QChar::Nbsp) : line, chars);
    empty_ = false;
}

void DocumentBuilder::title(const QString& text)
{
    for (const QString& line : linesOf(text))
        paragraph(line, {16, true, Qt::AlignHCenter, 0, 6});
}

void DocumentBuilder::subtitle(const QString& text)
{
    for (const QString& line : linesOf(text))
        paragraph(line, {12, true, Qt::AlignHCenter, 0, 4});
}

void DocumentBuilder::heading(const QString& text)
{
    for (const QString& line : linesOf(text))
        paragraph(line, {textPoints_, true, Qt::AlignLeft, textPoints_ - 1, 3});
}

void DocumentBuilder::text(const QString& text, Qt::Alignment alignment)
{
    for (const QString& line : linesOf(text))
        paragraph(line, {textPoints_, false, alignment, 0, 2});
}

void DocumentBuilder::smallText(const QString& text, Qt::Alignment alignment)
{
    for (const QString& line : linesOf(text))
        paragraph(line, {9, false, alignment, 0, 0});
}

void DocumentBuilder::field(const QString& label, const QString& value)
{
    paragraph(label + QStringLiteral(": "), {textPoints_, true, Qt::AlignLeft, 0, 2});
    cursor_.insertText(value, characters(textPoints_, false));
}

void DocumentBuilder::space(qreal points) { paragraph(QString(), {points * 0.8, false, Qt::AlignLeft, 0, 0}); }

void DocumentBuilder::writingLines(int count)
{
    // As many as fit between the margins without running onto a second line.
    const QString line(76, QLatin1Char('_'));
    for (int i = 0; i < count; ++i)
        paragraph(line, {11, false, Qt::AlignLeft, 14, 0});
}

void DocumentBuilder::table(const DocumentTable& table)
{
    // A table needs a paragraph before it, which also carries a page break the table cannot.
    paragraph(QString(), {2, false, Qt::AlignLeft, 0, 0});
    QList<qreal> percents;
    for (const TableColumn& c : table.columns)
        percents << c.percent;
    const QTextTableFormat format = tableFormat(percents, 0.75, table.cellPaddingPoints);
    const int columns = static_cast<int>(table.columns.size());
    QTextTable* t = cursor_.insertTable(static_cast<int>(table.rows.size()) + 1, columns, format);
    auto fill = [&](int row, int column, const QString& text, bool bold) {
        QTextCursor cell = t->cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(table.columns[column].alignment);
        cell.setBlockFormat(block);
        // The character format of a cell's first block is the cell's own format: it stays untouched.
        // The writer makes each paragraph of a cell a cell of its own, so a cell is one paragraph
        // and its lines are broken inside it. An empty paragraph would take the word processor's
        // default font and make its row higher than the others: an empty cell holds a no-break space.
        const QString lines = linesOf(text).join(QChar::LineSeparator);
        cell.insertText(lines.isEmpty() ? QString(QChar::Nbsp) : lines, characters(table.fontPoints, bold));
    };
    for (int c = 0; c < columns; ++c)
        fill(0, c, table.columns[c].header, true);
    for (int r = 0; r < table.rows.size(); ++r)
        for (int c = 0; c < columns; ++c)
            fill(r + 1, c, table.rows[r].value(c), false);
    for (const TablePicture& p : table.pictures) {
        const QTextTableCell cell = t->cellAt(p.row + 1, p.column);
        const std::optional<QTextImageFormat> image = scaledPicture(document_, p.absolutePath, p.widthPoints);
        if (cell.isValid() && image)
            cell.firstCursorPosition().insertImage(*image);
    }
    cursor_ = document_.rootFrame()->lastCursorPosition();
}

void DocumentBuilder::signatures(const QStringList& captions)
{
    const QList<qreal> percents(captions.size(), 100.0 / static_cast<qreal>(captions.size()));
    const QTextTableFormat format = tableFormat(percents, 0, 6);
    space(28);
    QTextTable* t = cursor_.insertTable(2, static_cast<int>(captions.size()), format);
    for (int c = 0; c < captions.size(); ++c) {
        QTextCursor line = t->cellAt(0, c).firstCursorPosition();
        line.insertText(QStringLiteral("______________________________"), characters(9, false));
        QTextCursor caption = t->cellAt(1, c).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        caption.setBlockFormat(block);
        QTextBlockFormat lineBlock;
        lineBlock.setAlignment(Qt::AlignHCenter);
        line.setBlockFormat(lineBlock);
        caption.insertText(captions[c], characters(9, false));
    }
    cursor_ = document_.rootFrame()->lastCursorPosition();
}

bool DocumentBuilder::picture(const QString& absolutePath, qreal widthPoints)
{
    QImageReader reader(absolutePath);
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return false;
    paragraph(QString(), {11, false, Qt::AlignLeft, 0, 2});
    QTextImageFormat image;
    image.setName(absolutePath);
    image.setWidth(pixels(widthPoints));
    image.setHeight(pixels(widthPoints) * size.height() / size.width());
    image.setQuality(90);
    cursor_.insertImage(image);
    return true;
}

void DocumentBuilder::item(const QString& marker, const QString& text)
{
    // One paragraph, whatever line breaks the text holds.
    paragraph(marker + QLatin1Char('\t') + linesOf(text).join(QLatin1Char(' ')), {11, false, Qt::AlignLeft, 0, 3, 18});
}

QByteArray DocumentBuilder::bytes()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "ODF");
    writer.write(&document_);
    return buffer.data();
}

bool DocumentBuilder::save(const QString& relativePath)
{
    const qsizetype folderEnd = std::max(relativePath.lastIndexOf(QLatin1Char('\\')), relativePath.lastIndexOf(QLatin1Char('/')));
    const QString folder = relativePath.left(std::max<qsizetype>(folderEnd, 0));
    WriteResult written = folder.isEmpty() || Files::folderExists(folder) ? WriteResult() : Files::makeFolder(folder);
    if (written)
        written = Files::writeData(relativePath, bytes());
    if (!written)
        reportWriteFailure(relativePath, written);
    return bool(written);
}

} // namespace zt
