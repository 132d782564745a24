#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace zt::test {

// A document as the office suite prints it.
struct PrintedDocument {
    bool converted = false;
    QString pdfPath;
    int pages = 0;
    QStringList pageTexts; // the text of each page, as pdftotext reads it
    QString text() const { return pageTexts.join(QLatin1Char('\f')); }
};

// Converts an OpenDocument text with the office suite (headless, its own profile) into a PDF beside
// it and reads the PDF back.
PrintedDocument printDocument(const QString& absolutePath);
// The same for several documents in one start of the office suite, which is what takes the time.
QList<PrintedDocument> printDocuments(const QStringList& absolutePaths);

// The number of pictures the printed document shows.
int picturesIn(const PrintedDocument& printed);

// Saves the first page as a PNG under the build folder's screens/, for a person to look at.
void renderFirstPage(const PrintedDocument& printed, const QString& fileName);

} // namespace zt::test
