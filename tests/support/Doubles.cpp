#include "Doubles.h"
#include <gtest/gtest.h>

namespace zt::test {

void ScriptedMessageBox::expect(const QString& promptPart, int answer) { script_.push_back({promptPart, answer}); }

int ScriptedMessageBox::show(const QString& prompt, int style, const QString& title)
{
    shown_.push_back({prompt, style, title});
    if (script_.empty() && unscripted_)
        return unscripted_(shown_.back());
    if (script_.empty()) {
        ADD_FAILURE() << "Unexpected message box: " << prompt.toStdString();
        return vbCancel;
    }
    const Expected next = script_.front();
    script_.pop_front();
    if (!prompt.contains(next.promptPart)) {
        ADD_FAILURE() << "Expected a message with \"" << next.promptPart.toStdString() << "\", got \""
                      << prompt.toStdString() << "\"";
    }
    return next.answer;
}

void ScriptedMessageBox::verifyDone()
{
    for (const Expected& e : script_)
        ADD_FAILURE() << "Expected message never shown: " << e.promptPart.toStdString();
    script_.clear();
}

QString ScriptedInputBox::ask(const QString& prompt, const QString& title, const QString& defaultText)
{
    asked_.push_back({prompt, title, defaultText});
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected input box: " << prompt.toStdString();
        return QString();
    }
    const QString a = answers_.front();
    answers_.pop_front();
    return a;
}

Launch RecordingLauncher::run(const QString& commandLine)
{
    commandLines << commandLine;
    return {succeeds ? Launch::Opened : Launch::NotStarted, document};
}

bool RecordingDesktop::open(const QString& absolutePath)
{
    opened << absolutePath;
    return succeeds;
}

} // namespace zt::test
