#include "ProgramStart.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program folder is the folder of the executable.
    zt::PrepareProgram(QCoreApplication::applicationDirPath());
    zt::WindowRegistry::instance().Show(zt::WindowNames::Start);
    const int status = app.exec();
    zt::CloseProgram();
    return status;
}
