#include "TestProgram.h"
#include "app/WindowRegistry.h"
#include "app/WindowTable.h"
#include "platform/ProgramFolder.h"
#include "platform/Windows1252.h"
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace zt::test {

void TestProgram::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    Files::setProgramFolder(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("Daten"));
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
}

void TestProgram::installShippedData()
{
    const QString source = QStringLiteral(ZT_DATA_DIR);
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = dir.path() + QLatin1Char('/') + QDir(source).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).path());
        QFile::remove(to);
        ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    }
}

void TestProgram::writeFile(const QString& relativePath, const QString& text)
{
    writeBytes(relativePath, encodeWindows1252(text));
}

void TestProgram::writeBytes(const QString& relativePath, const QByteArray& bytes)
{
    const QString p = path(relativePath);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray TestProgram::readBytes(const QString& relativePath) const
{
    QFile f(Files::resolve(relativePath));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QString TestProgram::readFile(const QString& relativePath) const { return decodeWindows1252(readBytes(relativePath)); }
bool TestProgram::fileExists(const QString& relativePath) const { return Files::exists(relativePath); }

QString TestProgram::path(const QString& relativePath) const
{
    return dir.path() + QLatin1Char('/') + QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/'));
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
