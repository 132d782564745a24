#include "WordLauncher.h"
#include "core/ProgramFolder.h"
#include "core/WordCommandLine.h"
#include "documents/StandIns.h"
#include <QDir>
#include <QFileInfo>

namespace zt {

namespace {
void tellNothingOpened(const QString& document)
{
    MsgBox(QStringLiteral("Das Textverarbeitungsprogramm konnte nicht gestartet werden. Ist auf diesem Rechner "
                          "keines vorhanden, lassen sich die Zeugnisse, Listen und Hilfetexte nicht öffnen. Ihre "
                          "Eingaben in diesem Programm bleiben erhalten.\r\n\r\nDokument:\r\n%1")
               .arg(QDir::toNativeSeparators(document)),
           vbExclamation, QStringLiteral("Hinweis"));
}

class DocumentLauncher : public LauncherService {
public:
    Launch run(const QString& commandLine) override
    {
        const WordCommand command = ParseWordCommand(commandLine);
        if (!command.valid) {
            MsgBox(QStringLiteral("Dieser Aufruf nennt kein Dokument des Programmordners und wird nicht ausgeführt:\r\n%1")
                       .arg(commandLine),
                   vbExclamation, QStringLiteral("Hinweis"));
            return {Launch::Told, {}};
        }
        const PreparedDocument prepared =
            PrepareDocument(command, {Clipboard::GetText(), Services::clock().today()});
        switch (prepared.status) {
        case PreparedDocument::NoStandIn:
            MsgBox(QStringLiteral("Das Dokument '%1' kann dieses Programm noch nicht erstellen.").arg(command.macro),
                   vbInformation, QStringLiteral("Hinweis"));
            return {Launch::Told, {}};
        case PreparedDocument::NotWritten:
            return {Launch::Told, {}};
        case PreparedDocument::Ready:
            break;
        }
        const QString document = Files::resolve(prepared.document);
        if (!QFileInfo(document).isFile()) {
            MsgBox(QStringLiteral("Das Dokument gibt es noch nicht. %1\r\n\r\nEs wird hier abgelegt:\r\n%2")
                       .arg(HowDocumentIsMade(prepared.document), QDir::toNativeSeparators(document)),
                   vbExclamation, QStringLiteral("Hinweis"));
            return {Launch::Told, document};
        }
        return {Services::desktop().open(document) ? Launch::Opened : Launch::NotStarted, document};
    }
};
} // namespace

void RunWordCommand(const QString& commandLine)
{
    const Launch launch = Services::launcher().run(commandLine);
    if (launch.outcome == Launch::NotStarted)
        tellNothingOpened(launch.document);
}

std::unique_ptr<LauncherService> MakeDocumentLauncher() { return std::make_unique<DocumentLauncher>(); }

} // namespace zt
