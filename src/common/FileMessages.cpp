#include "FileMessages.h"
#include "platform/Services.h"

namespace zt {

namespace {
constexpr int Exclamation = 48;
const QString Title = QStringLiteral("Hinweis");
} // namespace

void reportMissingFile(const QString& relativePath)
{
    MsgBox(QStringLiteral("Die Datei %1 ist nicht vorhanden oder kann nicht gelesen werden. "
                          "Das Programm arbeitet ohne ihren Inhalt weiter.")
               .arg(relativePath),
           Exclamation, Title);
}

void reportDamagedFile(const QString& relativePath)
{
    MsgBox(QStringLiteral("Die Datei %1 ist beschädigt oder unvollständig. "
                          "Das Programm übernimmt nur, was lesbar ist.")
               .arg(relativePath),
           Exclamation, Title);
}

void reportTooManyRecords(const QString& relativePath, int limit)
{
    MsgBox(QStringLiteral("Die Datei %1 enthält mehr Einträge, als das Programm aufnehmen kann. "
                          "Es werden nur die ersten %2 Einträge gelesen.")
               .arg(relativePath)
               .arg(limit),
           Exclamation, Title);
}

void reportWriteFailure(const QString& relativePath)
{
    MsgBox(QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. Die bisherige Fassung bleibt "
                          "erhalten. Bitte prüfen Sie, ob der Datenträger voll oder schreibgeschützt ist.")
               .arg(relativePath),
           Exclamation, Title);
}

void reportCopyFailure(const QString& fromRelative, const QString& toRelative)
{
    MsgBox(QStringLiteral("Die Datei %1 konnte nicht nach %2 kopiert werden. Die bisherige Fassung "
                          "bleibt erhalten. Bitte prüfen Sie, ob der Ordner vorhanden und der Datenträger "
                          "nicht voll ist.")
               .arg(fromRelative, toRelative),
           Exclamation, Title);
}

} // namespace zt
