#pragma once
#include "Doubles.h"
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zt::test {

// A program folder in a temporary directory with the test doubles installed and every window
// registered. Each test starts with no window loaded.
class TestProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the shipped data/ into the program folder.
    void installShippedData();
    // Writes a file of the program folder from UTF-8 text, stored as Windows-1252.
    void writeFile(const QString& relativePath, const QString& text);
    void writeBytes(const QString& relativePath, const QByteArray& bytes);
    QByteArray readBytes(const QString& relativePath) const;
    // The file's text, decoded from Windows-1252.
    QString readFile(const QString& relativePath) const;
    bool fileExists(const QString& relativePath) const;
    QString path(const QString& relativePath) const;

    // Runs pending events, so that unloaded windows are destroyed.
    void settle();

    QTemporaryDir dir;
    ScriptedMessageBox* messages = nullptr;
    ScriptedInputBox* inputs = nullptr;
    FakeClipboard* clipboard = nullptr;
    RecordingLauncher* launcher = nullptr;
    FixedClock* clock = nullptr;
    RecordingApplication* application = nullptr;
};

// Saves a picture of a window's current look under the build folder's screens/.
void renderToPng(QWidget* window, const QString& fileName);

} // namespace zt::test
