#pragma once
#include "core/WordCommandLine.h"
#include <QDate>
#include <QString>

namespace zt {

// What a stand-in takes from outside the data files.
struct DocumentContext {
    QString clipboardText;
    QDate today;
};

struct PreparedDocument {
    enum Status {
        Ready,      // the document to open, made just now where a stand-in makes it
        NoStandIn,  // a macro this program cannot make yet
        NotWritten, // the stand-in could not write its document (reported)
    };
    Status status = Ready;
    QString document; // relative to the program folder
};

// Runs the stand-in of the command line's macro, which reads the data files as they are now and
// writes its document; without a macro, the named document is meant, written anew first where the
// program makes it on every opening (the help). Either way the document is our OpenDocument text
// in place of the ".doc" name.
PreparedDocument PrepareDocument(const WordCommand& command, const DocumentContext& context);

// A sentence that tells the teacher how the document comes into being, for a document that is
// asked for before it was made.
QString HowDocumentIsMade(const QString& document);

} // namespace zt
