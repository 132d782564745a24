#include "FileMessages.h"
#include "core/FileProblems.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include <QLocale>

namespace zt {

namespace {
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
                              "erhalten. Bitte prüfen Sie, ob der Datenträger voll oder schreibgeschützt ist.")
            .arg(r.path);
    case FileProblem::CopyFailed:
        return QStringLiteral("Die Datei %1 konnte nicht nach %2 kopiert werden. Die bisherige Fassung "
                              "bleibt erhalten. Bitte prüfen Sie, ob der Ordner vorhanden und der Datenträger "
                              "nicht voll ist.")
            .arg(r.path, r.otherPath);
    case FileProblem::SaveFailed: {
        QString files;
        for (const FileProblemReport& f : r.failures)
            files += QStringLiteral("\r\n") + (f.problem == FileProblem::CopyFailed
                                                   ? QStringLiteral("%1 (Kopie von %2)").arg(f.otherPath, f.path)
                                                   : f.path);
        return QStringLiteral("Die folgenden Dateien konnten nicht gespeichert werden. Ihre bisherigen Fassungen "
                              "bleiben erhalten. Bitte prüfen Sie, ob der Ordner vorhanden und der Datenträger "
                              "weder voll noch schreibgeschützt ist.\r\n")
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
