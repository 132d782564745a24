#include "common/FileMessages.h"
#include "core/ProgramFolder.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "WindowTable.h"
#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(zt::ApplicationTitle);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);

    // The program folder is the folder of the executable and the working directory.
    const QString folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(folder);
    zt::Files::setProgramFolder(folder);
    zt::Files::removeInterruptedSaves();

    zt::Services::installReal();
    zt::installFileMessages();
    zt::registerWindows();
    zt::WindowRegistry::instance().Show(zt::WindowNames::Start);
    const int status = app.exec();
    // The windows go while the application still exists.
    zt::WindowRegistry::instance().UnloadAll();
    zt::WindowRegistry::instance().destroyUnloaded();
    return status;
}
