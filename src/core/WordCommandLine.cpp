#include "WordCommandLine.h"
#include "ShortDate.h"
#include <QStringList>

namespace zt {

bool StaysInProgramFolder(const QString& document)
{
    const QStringList parts = QString(document).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    return !document.startsWith(QLatin1Char('/')) && !document.startsWith(QLatin1Char('\\'))
        && !parts.contains(QStringLiteral(".."));
}

WordCommand ParseWordCommand(const QString& commandLine)
{
    static const QString program = QStringLiteral("Winword.exe ");
    WordCommand c;
    if (!commandLine.startsWith(program, Qt::CaseInsensitive))
        return c;
    QString rest = commandLine.mid(program.size());
    const int macroAt = rest.lastIndexOf(QLatin1String(" /m"));
    if (macroAt >= 0 && !rest.mid(macroAt + 3).contains(QLatin1Char(' '))) {
        c.macro = rest.mid(macroAt + 3);
        rest = rest.left(macroAt);
    }
    c.document = rest;
    c.valid = !c.document.isEmpty() && StaysInProgramFolder(c.document);
    return c;
}

QString OpenDocumentOf(const QString& document)
{
    if (document.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive))
        return document.left(document.size() - 4) + QStringLiteral(".odt");
    return document;
}

QString ClassReportsDocument(const QString& className, int grade, const QString& halfYear)
{
    return className + QStringLiteral("Zeugnisse") + QString::number(grade) + halfYear + QStringLiteral(".doc");
}

QString ClassReportListDocument(const QString& className, int grade, const QString& halfYear)
{
    return className + QStringLiteral("Zeugnisliste") + QString::number(grade) + halfYear + QStringLiteral(".doc");
}

QString DatedCopyOf(const QString& document, const QDate& day, int number)
{
    const qsizetype dot = document.lastIndexOf(QLatin1Char('.'));
    const qsizetype folderEnd = document.lastIndexOf(QLatin1Char('\\'));
    const qsizetype stemEnd = dot > folderEnd ? dot : document.size();
    const QString count = number > 1 ? QStringLiteral(" (%1)").arg(number) : QString();
    return document.left(stemEnd) + QLatin1Char(' ') + ShortDate(day) + count + document.mid(stemEnd);
}

} // namespace zt
