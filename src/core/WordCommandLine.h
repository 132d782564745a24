#pragma once
#include <QString>
#include <QStringList>

namespace zt {

// A command line "Winword.exe DOCUMENT [/mMACRO]" as the program runs it on this platform:
// the word processor with the document resolved in the program folder. The macro switch is
// dropped, since the word processor here cannot run those macros.
struct WordProcess {
    bool valid = false;
    QString document;     // as written in the command line
    QString macro;        // empty when there is none
    QString documentPath; // absolute path in the program folder
};

WordProcess translateWordCommand(const QString& commandLine);

// The word processor standing in for "Winword.exe"; empty when none is installed.
QString findWordProcessor();

} // namespace zt
