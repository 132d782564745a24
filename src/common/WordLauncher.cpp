#include "WordLauncher.h"
#include "platform/Services.h"

namespace zt {

void RunWordCommand(const QString& commandLine)
{
    if (Services::launcher().run(commandLine))
        return;
    MsgBox(QStringLiteral("Das Textverarbeitungsprogramm konnte nicht gestartet werden. Ist auf diesem "
                          "Rechner keines vorhanden, lassen sich die Zeugnisse, Listen und Hilfetexte nicht "
                          "öffnen. Ihre Eingaben in diesem Programm bleiben erhalten.\r\n\r\nAufruf: %1")
               .arg(commandLine),
           vbExclamation, QStringLiteral("Hinweis"));
}

} // namespace zt
