#pragma once
#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "platform/ControlArray.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace zt::test {

inline const QString LoadWarning = QStringLiteral("Wollen Sie fortfahren ?");
inline const QString PasswordQuestion = QStringLiteral("Die Standardformulierungen werden unwiederbringlich gelöscht");

// A text-block editor opened on the shipped program folder, and what its tests do with it.
template <class Editor>
class EditorTest : public TestProgram {
protected:
    EditorTest(QString windowName, ControlArray<CommandButton> Editor::*loadButtons, QString saveQuestion)
        : windowName_(std::move(windowName)), loadButtons_(loadButtons), saveQuestion_(std::move(saveQuestion))
    {
    }

    void SetUp() override
    {
        TestProgram::SetUp();
        installShippedData();
    }

    Editor& open() { return *static_cast<Editor*>(registry.Show(windowName_)); }

    // Index 0 loads the defaults, 1 the current set; the load tells of these file problems, in
    // this order.
    Editor& openLoaded(int index = 1, const QStringList& fileProblems = {})
    {
        Editor& w = open();
        messages->expect(LoadWarning, vbYes);
        for (const QString& problem : fileProblems)
            messages->expect(problem);
        User::click((w.*loadButtons_)(index));
        messages->verifyDone();
        return w;
    }

    void save(Editor& w)
    {
        messages->expect(saveQuestion_, vbYes);
        User::click(w.Command5);
    }

    static void retype(TextBox& box, const QString& text)
    {
        User::focus(box);
        box.setSelection(0, static_cast<int>(box.text().size()));
        User::typeText(box, text);
    }

    std::map<QString, QByteArray> filesIn(const QString& folder, const QStringList& names) const
    {
        std::map<QString, QByteArray> bytes;
        for (const QString& name : names)
            bytes[name] = readBytes(folder + name);
        return bytes;
    }

    bool isOpen() { return registry.IsLoaded(windowName_); }

    // The bytes of every current file of the editor's set.
    virtual std::map<QString, QByteArray> currentSet() const = 0;

    struct LeavingCase {
        const char* what;
        bool load;
        bool save;
        std::function<void(Editor&)> act;
        bool asks;
    };
    // "Beenden" after each case asks, and is answered No, exactly where the case says; it writes
    // nothing and the window closes.
    void checkLeaving(const std::vector<LeavingCase>& cases, const QString& closeQuestion)
    {
        for (const LeavingCase& c : cases) {
            SCOPED_TRACE(c.what);
            Editor& w = c.load ? openLoaded() : open();
            if (c.save)
                save(w);
            c.act(w);
            const auto files = currentSet();
            if (c.asks)
                messages->expect(closeQuestion, vbNo);
            User::click(w.Command6);
            messages->verifyDone();
            if (c.asks) {
                EXPECT_EQ(messages->shown().back().style, 292);
            }
            EXPECT_FALSE(isOpen());
            EXPECT_EQ(currentSet(), files);
            settle();
        }
    }

    // No to the load warning closes the window at once and reads nothing (reading the removed
    // current files would report them); the insertion dialog goes along where the editor says so.
    void checkRefusedStart(const QStringList& currentFiles, bool closesInsertion)
    {
        for (const QString& name : currentFiles)
            QFile::remove(path(QStringLiteral("Daten/") + name));
        registry.Load(WindowNames::Insertion);
        Editor& w = open();
        messages->expect(LoadWarning, vbNo);
        User::click((w.*loadButtons_)(1));
        EXPECT_EQ(messages->shown().back().style, 308);
        EXPECT_FALSE(isOpen());
        EXPECT_EQ(registry.IsLoaded(WindowNames::Insertion), !closesInsertion);
    }

    // The title-bar close asks as "Beenden" does and takes the insertion dialog along; the main
    // menu drops a loaded set without a question while nothing in it was changed.
    void checkTitleBarAndUntouchedSet(GsStart& start, const QString& closeQuestion)
    {
        Editor& w = openLoaded();
        registry.Load(WindowNames::Insertion);
        messages->expect(closeQuestion, vbNo);
        w.window()->close();
        EXPECT_FALSE(isOpen());
        EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
        settle();

        openLoaded();
        User::click(start.Command1(BehaviourEntry));
        EXPECT_FALSE(isOpen());
        EXPECT_TRUE(messages->shown().back().prompt.contains(LoadWarning));
        closeMenuWindows();
    }

    // With a file that cannot be written, Yes to the close question keeps the window, since leaving
    // would lose the edits; No lets it go.
    void checkLeavingAfterAFailedSave(Editor& w, const QString& failedFile, const QString& closeQuestion)
    {
        messages->expect(closeQuestion, vbYes);
        messages->expect(QStringLiteral("Die Datei %1 konnte nicht gespeichert werden.").arg(failedFile));
        User::click(w.Command6);
        EXPECT_TRUE(isOpen());
        messages->expect(closeQuestion, vbNo);
        User::click(w.Command6);
        EXPECT_FALSE(isOpen());
    }

    // Gone again after a main-menu entry that opened the behaviour window.
    void closeMenuWindows()
    {
        registry.Unload(WindowNames::Behaviour);
        registry.Unload(WindowNames::Insertion);
        settle();
    }

    WindowRegistry& registry = WindowRegistry::instance();

private:
    QString windowName_;
    ControlArray<CommandButton> Editor::*loadButtons_;
    QString saveQuestion_;
};

} // namespace zt::test
