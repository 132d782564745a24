#include "ProgramStart.h"
#include "WindowTable.h"
#include "common/FileMessages.h"
#include "common/WordLauncher.h"
#include "core/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/Translations.h"
#include "registry/WindowRegistry.h"
#include <QApplication>
#include <QDir>

namespace zt {

void PrepareProgram(const QString& folder)
{
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    loadGermanQtTexts();
    QDir::setCurrent(folder);
    Files::setProgramFolder(folder);
    Files::removeInterruptedSaves();
    Services::installReal();
    Services::install(MakeDocumentLauncher());
    installFileMessages();
    registerWindows();
}

void CloseProgram()
{
    WindowRegistry::instance().UnloadAll();
    WindowRegistry::instance().destroyUnloaded();
}

} // namespace zt
