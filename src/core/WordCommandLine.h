#pragma once
#include <QDate>
#include <QString>

namespace zt {

// A command line "Winword.exe DOCUMENT [/mMACRO]" as the windows give it.
struct WordCommand {
    bool valid = false;
    QString document; // as written in the command line: "Texte\Hilfe1.doc"
    QString macro;    // empty when there is none
};

// A relative path without a step up out of the folder.
bool StaysInProgramFolder(const QString& document);

// Invalid when the line does not start the word processor, names no document, or names one outside
// the program folder.
WordCommand ParseWordCommand(const QString& commandLine);

// A ".doc" name stands for our OpenDocument text of the same stem and folder: "Texte\Hilfe1.odt".
QString OpenDocumentOf(const QString& document);

// The class's report documents, named from the class, the grade and the half-year: class 3a in the
// first half-year gives "3aZeugnisse31.doc" and "3aZeugnisliste31.doc".
QString ClassReportsDocument(const QString& className, int grade, const QString& halfYear);
QString ClassReportListDocument(const QString& className, int grade, const QString& halfYear);

// Where a document the teacher may have edited is kept before it is made anew: beside it, the stem,
// a blank and the German short date of the day, "3aZeugnisse31 09.12.2026.odt"; a further copy of
// the same day is numbered, "3aZeugnisse31 09.12.2026 (2).odt".
QString DatedCopyOf(const QString& document, const QDate& day, int number = 1);

} // namespace zt
