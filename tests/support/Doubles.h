#pragma once
#include "platform/Services.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace zt::test {

struct ShownMessage {
    QString prompt;
    int style = 0;
    QString title;
};

// Answers message boxes from a script; a message that the script does not expect fails the test.
class ScriptedMessageBox : public MessageBoxService {
public:
    // The next message must contain `promptPart`; it is answered with `answer`.
    void expect(const QString& promptPart, int answer = vbOK);
    int show(const QString& prompt, int style, const QString& title) override;
    // Fails the test for every expected message that never came.
    void verifyDone();
    // Once set, a message beyond the script is answered by the rule instead of failing the test.
    void answerUnscripted(std::function<int(const ShownMessage&)> rule) { unscripted_ = std::move(rule); }
    const std::vector<ShownMessage>& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

private:
    struct Expected { QString promptPart; int answer; };
    std::deque<Expected> script_;
    std::vector<ShownMessage> shown_;
    std::function<int(const ShownMessage&)> unscripted_;
};

class ScriptedInputBox : public InputBoxService {
public:
    struct Asked { QString prompt; QString title; QString defaultText; };
    void answerNext(const QString& text) { answers_.push_back(text); }
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;
    const std::vector<Asked>& asked() const { return asked_; }

private:
    std::deque<QString> answers_;
    std::vector<Asked> asked_;
};

class FakeClipboard : public ClipboardService {
public:
    void clear() override { text_.clear(); }
    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }

private:
    QString text_;
};

class RecordingLauncher : public LauncherService {
public:
    Launch run(const QString& commandLine) override;
    QStringList commandLines;
    bool succeeds = true;
    QString document; // what a run names
};

class RecordingDesktop : public DesktopService {
public:
    bool open(const QString& absolutePath) override;
    QStringList opened;
    bool succeeds = true;
};

class FixedClock : public ClockService {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 9};
};

class RecordingApplication : public ApplicationService {
public:
    void quit() override { ++quitCalls; }
    int quitCalls = 0;
};

} // namespace zt::test
