#include "WordCommandLine.h"
#include "ProgramFolder.h"
#include <QStandardPaths>

namespace zt {

WordProcess translateWordCommand(const QString& commandLine)
{
    static const QString program = QStringLiteral("Winword.exe ");
    WordProcess p;
    if (!commandLine.startsWith(program, Qt::CaseInsensitive))
        return p;
    QString rest = commandLine.mid(program.size());
    const int macroAt = rest.lastIndexOf(QLatin1String(" /m"));
    if (macroAt >= 0 && !rest.mid(macroAt + 3).contains(QLatin1Char(' '))) {
        p.macro = rest.mid(macroAt + 3);
        rest = rest.left(macroAt);
    }
    p.document = rest;
    if (p.document.isEmpty())
        return p;
    p.documentPath = Files::resolve(p.document);
    p.valid = true;
    return p;
}

QString findWordProcessor()
{
    for (const char* name : {"soffice", "libreoffice", "lowriter"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

} // namespace zt
