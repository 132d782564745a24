#include "WordLauncher.h"
#include "core/ProgramFolder.h"
#include "core/WordCommandLine.h"
#include "documents/StandIns.h"
#include <QDir>
#include <QFileInfo>

namespace zt {

namespace {
QString shownPath(const QString& relativePath) { return QDir::toNativeSeparators(Files::resolve(relativePath)); }

class DocumentLauncher : public LauncherService {
public:
    bool run(const QString& commandLine) override
    {
        const WordCommand command = ParseWordCommand(commandLine);
        if (!command.valid) {
            MsgBox(QStringLiteral("Dieser Aufruf nennt kein Dokument des Programmordners und wird nicht ausgeführt:\r\n%1")
                       .arg(commandLine),
                   vbExclamation, QStringLiteral("Hinweis"));
            return true;
        }
        const PreparedDocument prepared =
            PrepareDocument(command, {Clipboard::GetText(), Services::clock().today()});
        switch (prepared.status) {
        case PreparedDocument::NoStandIn:
            MsgBox(QStringLiteral("Das Dokument '%1' kann dieses Programm noch nicht erstellen.").arg(command.macro),
                   vbInformation, QStringLiteral("Hinweis"));
            return true;
        case PreparedDocument::NotWritten:
            return true;
        case PreparedDocument::Ready:
            break;
        }
        if (!QFileInfo(Files::resolve(prepared.document)).isFile()) {
            MsgBox(QStringLiteral("Das Dokument gibt es noch nicht. %1\r\n\r\nEs wird hier abgelegt:\r\n%2")
                       .arg(HowDocumentIsMade(prepared.document), shownPath(prepared.document)),
                   vbExclamation, QStringLiteral("Hinweis"));
            return true;
        }
        return Services::desktop().open(Files::resolve(prepared.document));
    }
};
} // namespace

void RunWordCommand(const QString& commandLine)
{
    if (Services::launcher().run(commandLine))
        return;
    const WordCommand command = ParseWordCommand(commandLine);
    MsgBox(QStringLiteral("Das Textverarbeitungsprogramm konnte nicht gestartet werden. Ist auf diesem Rechner "
                          "keines vorhanden, lassen sich die Zeugnisse, Listen und Hilfetexte nicht öffnen. Ihre "
                          "Eingaben in diesem Programm bleiben erhalten.\r\n\r\nDokument:\r\n%1")
               .arg(shownPath(OpenDocumentOf(command.document))),
           vbExclamation, QStringLiteral("Hinweis"));
}

std::unique_ptr<LauncherService> MakeDocumentLauncher() { return std::make_unique<DocumentLauncher>(); }

} // namespace zt
