#include "TestProgram.h"
#include "app/WindowTable.h"
#include "common/FileMessages.h"
#include "registry/WindowRegistry.h"
#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace zt::test {

void TestProgram::SetUp()
{
    ProgramFolderTest::SetUp();
    installFileMessages();
    auto m = std::make_unique<ScriptedMessageBox>();
    messages = m.get();
    Services::install(std::move(m));
    auto i = std::make_unique<ScriptedInputBox>();
    inputs = i.get();
    Services::install(std::move(i));
    auto c = std::make_unique<FakeClipboard>();
    clipboard = c.get();
    Services::install(std::move(c));
    auto l = std::make_unique<RecordingLauncher>();
    launcher = l.get();
    Services::install(std::move(l));
    auto d = std::make_unique<RecordingDesktop>();
    desktop = d.get();
    Services::install(std::move(d));
    auto k = std::make_unique<FixedClock>();
    clock = k.get();
    Services::install(std::move(k));
    auto a = std::make_unique<RecordingApplication>();
    application = a.get();
    Services::install(std::move(a));
    registerWindows();
}

void TestProgram::TearDown()
{
    WindowRegistry::instance().UnloadAll();
    settle();
    messages->verifyDone();
    ProgramFolderTest::TearDown();
}

void TestProgram::settle()
{
    QCoreApplication::processEvents();
    WindowRegistry::instance().destroyUnloaded();
}

void renderToPng(QWidget* window, const QString& fileName)
{
    QDir().mkpath(QStringLiteral(ZT_SCREENS_DIR));
    const bool wasVisible = window->isVisible();
    window->show();
    QCoreApplication::processEvents();
    window->grab().save(QStringLiteral(ZT_SCREENS_DIR) + QLatin1Char('/') + fileName);
    if (!wasVisible)
        window->hide();
}

} // namespace zt::test
