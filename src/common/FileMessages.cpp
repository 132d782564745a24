#include "FileMessages.h"
#include "core/FileProblems.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include <QLocale>
#include <QStringList>

namespace zt {

namespace {
// What the teacher can do about a failed write or copy, from its cause.
QString causeOf(const FileProblemReport& r)
{
    switch (r.cause) {
    case WriteCause::None:
    case WriteCause::Other:
        break;
    case WriteCause::DiskFull:
        return QStringLiteral("Der Datenträger ist voll.");
    case WriteCause::ReadOnlyDisk:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case WriteCause::NoPermission:
        return QStringLiteral("Sie haben keine Berechtigung, dort zu schreiben: die Datei oder ihr Ordner ist "
                              "schreibgeschützt.");
    case WriteCause::NameTooLong:
        return QStringLiteral("Der Name ist für das Dateisystem zu lang.");
    case WriteCause::NameRefused:
        return QStringLiteral("Der Name enthält Zeichen, die das Dateisystem nicht zulässt.");
    case WriteCause::FolderMissing:
        return QStringLiteral("Der Ordner, in den sie gehört, ist nicht vorhanden.");
    case WriteCause::PathThroughFile:
        return QStringLiteral("Wo ein Ordner ihres Pfades sein müsste, liegt eine Datei.");
    case WriteCause::FolderInPlace:
        return QStringLiteral("An ihrer Stelle liegt ein Ordner gleichen Namens.");
    case WriteCause::SourceUnreadable:
        return QStringLiteral("Die Datei, die kopiert werden sollte, ist nicht vorhanden oder kann nicht gelesen "
                              "werden.");
    case WriteCause::OutsideProgramFolder:
        return QStringLiteral("Der Name führt aus dem Programmordner hinaus.");
    }
    return r.errorNumber != 0 ? QStringLiteral("Das System meldet den Fehler Nummer %1.").arg(r.errorNumber)
                              : QStringLiteral("Das System nennt keinen Grund.");
}

QString messageOf(const FileProblemReport& r)
{
    switch (r.problem) {
    case FileProblem::Missing:
        return QStringLiteral("Die Datei %1 ist nicht vorhanden oder kann nicht gelesen werden. "
                              "Das Programm arbeitet ohne ihren Inhalt weiter.")
            .arg(r.path);
    case FileProblem::Damaged:
        return QStringLiteral("Die Datei %1 ist beschädigt oder unvollständig. "
                              "Das Programm übernimmt nur, was lesbar ist.")
            .arg(r.path);
    case FileProblem::TooManyRecords:
        return QStringLiteral("Die Datei %1 enthält mehr Einträge, als das Programm aufnehmen kann. "
                              "Es werden nur die ersten %2 Einträge gelesen.")
            .arg(r.path)
            .arg(r.limit);
    case FileProblem::WriteFailed:
        return QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. Die bisherige Fassung bleibt "
                              "erhalten. %2")
            .arg(r.path, causeOf(r));
    case FileProblem::CopyFailed:
        return QStringLiteral("Die Datei %1 konnte nicht nach %2 kopiert werden. Die bisherige Fassung "
                              "bleibt erhalten. %3")
            .arg(r.path, r.otherPath, causeOf(r));
    case FileProblem::SaveFailed: {
        // One cause for all is told once; else each file names its own.
        QStringList causes;
        for (const FileProblemReport& f : r.failures)
            causes << causeOf(f);
        const bool oneCause = causes.count(causes.front()) == causes.size();
        QString files;
        for (qsizetype i = 0; i < causes.size(); ++i) {
            const FileProblemReport& f = r.failures[static_cast<std::size_t>(i)];
            files += QStringLiteral("\r\n") + (f.problem == FileProblem::CopyFailed
                                                   ? QStringLiteral("%1 (Kopie von %2)").arg(f.otherPath, f.path)
                                                   : f.path);
            if (!oneCause)
                files += QStringLiteral(": ") + causes.at(i);
        }
        return QStringLiteral("Die folgenden Dateien konnten nicht gespeichert werden. Ihre bisherigen Fassungen "
                              "bleiben erhalten.%1\r\n")
                   .arg(oneCause ? QLatin1Char(' ') + causes.front() : QString())
               + files;
    }
    }
    return QString();
}
} // namespace

void installFileMessages()
{
    installFileProblemSink([](const FileProblemReport& r) { MsgBox(messageOf(r), vbExclamation, QStringLiteral("Hinweis")); });
}

bool ConfirmOverwriteDamagedFile(const QString& relativePath, const QString& detail)
{
    const QString prompt =
        QStringLiteral("Die Datei %1 war beim Lesen beschädigt. Wenn Sie jetzt speichern, wird sie durch die "
                       "angezeigten Einträge ersetzt, und was nicht gelesen werden konnte, geht verloren. %2"
                       "Wollen Sie die Datei trotzdem überschreiben?")
            .arg(relativePath, detail.isEmpty() ? QString() : detail + QLatin1Char(' '));
    return MsgBox(prompt, vbYesNo | vbExclamation | vbDefaultButton2) == vbYes;
}

void ReportTextLongerThanABox(const QString& relativePath, qsizetype length)
{
    const QLocale german(QLocale::German);
    MsgBox(QStringLiteral("Die Datei %1 enthält einen Text mit %2 Zeichen, ein Eingabefeld fasst aber höchstens %3 "
                          "Zeichen. Das Feld zeigt nur den Anfang des Textes und kann ihn nicht ändern; beim Speichern "
                          "bleibt der Text vollständig erhalten.")
               .arg(relativePath, german.toString(length), german.toString(TextBox::MaxLength)),
           vbExclamation, QStringLiteral("Hinweis"));
}

} // namespace zt
