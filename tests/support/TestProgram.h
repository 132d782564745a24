#pragma once
#include "Doubles.h"
#include "ProgramFolderTest.h"
#include <QString>

namespace zt::test {

// A program folder in a temporary directory with the test doubles installed and every window
// registered. Each test starts with no window loaded. File problems reach the teacher as messages.
class TestProgram : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs pending events, so that unloaded windows are destroyed.
    void settle();

    ScriptedMessageBox* messages = nullptr;
    ScriptedInputBox* inputs = nullptr;
    FakeClipboard* clipboard = nullptr;
    RecordingLauncher* launcher = nullptr;
    RecordingDesktop* desktop = nullptr;
    FixedClock* clock = nullptr;
    RecordingApplication* application = nullptr;
};

// Saves a picture of a window's current look under the build folder's screens/.
void renderToPng(QWidget* window, const QString& fileName);

} // namespace zt::test
