#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace zt {

struct TableColumn {
    QString header;
    int percent = 0; // of the width between the margins
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A picture in a cell of a table, before the cell's text; row 0 is the first row after the headers.
struct TablePicture {
    int row = 0;
    int column = 0;
    QString absolutePath;
    qreal widthPoints = 0;
};

struct DocumentTable {
    QList<TableColumn> columns;
    QList<QStringList> rows;
    // Pictures that cannot be read are left out.
    QList<TablePicture> pictures;
    qreal fontPoints = 10;
    // Room above and below the text of each cell, for columns the teacher fills by hand.
    qreal cellPaddingPoints = 2;
};

// One document as a school hands it out: an A4 page, Arial, black on white, written as
// OpenDocument text that the word processor opens for editing and printing.
class DocumentBuilder {
public:
    DocumentBuilder();
    ~DocumentBuilder();

    // The size of the headings, texts and fields that follow (11 points unless set): a page that
    // must hold much text takes a smaller one.
    void setTextPoints(qreal points);

    // The paragraph after this starts on a new page.
    void newPage();

    void title(const QString& text);      // large, bold, centred
    void subtitle(const QString& text);   // bold, centred
    void heading(const QString& text);    // bold, with room above
    // One paragraph per line of the text; a text that is empty still gives a line.
    void text(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    void smallText(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    // A label in bold and its value on one line: "Klasse: 3a".
    void field(const QString& label, const QString& value);
    // Empty room of about this height.
    void space(qreal points);
    // Lines across the page to write on by hand.
    void writingLines(int count);
    void table(const DocumentTable& table);
    // Lines to sign on, side by side, each with its caption below.
    void signatures(const QStringList& captions);
    // A picture file, scaled to the width; false when it cannot be read (nothing is added).
    bool picture(const QString& absolutePath, qreal widthPoints);
    // One entry of a list: the marker (a bullet, a step's number) hangs in front of the text, and
    // the text's further lines start under its first.
    void item(const QString& marker, const QString& text);

    // Writes the document through the crash-safe writer, its folder made where it is missing; a
    // failure is reported and leaves the previous document in place.
    bool save(const QString& relativePath);

    // The bytes of the OpenDocument text, as save writes them.
    QByteArray bytes();

private:
    struct Style;
    void paragraph(const QString& line, const Style& style);
    QTextBlockFormat nextBlockFormat(const Style& style);

    QTextDocument document_;
    QTextCursor cursor_;
    bool empty_ = true;
    bool breakBefore_ = false;
    qreal textPoints_ = 11;
};

} // namespace zt
