#pragma once
#include "app/GsStart.h"
#include "core/ActiveForm.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/TextBlockFiles.h"
#include "Looks.h"
#include "platform/ControlArray.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace zt::test {

inline const QString LoadWarning = QStringLiteral("Wollen Sie fortfahren ?");
inline const QString PasswordQuestion = QStringLiteral("Die Standardformulierungen werden unwiederbringlich gelöscht");

// A file of a grade set: columns, records the editor writes, and records in a fixture (more than
// it writes, so that the lines beyond must stay unwritten). "#" stands for the grade.
struct SetFileLayout {
    QString stem;
    int columns;
    int written;
    int fixtureRecords;
};

// Boxes `first` to `last` of array TextN show the lines from `line` on of a column of a file; an
// editor's table says what a 0 in column or line stands for.
struct Mapped {
    int array;
    int first;
    int last;
    const char* file;
    int column;
    int line;
};

// A cell that names itself: "Mathe1 s3 z5" is line 5 of column 3.
inline QString cellName(const QString& file, int column, int line)
{
    return QStringLiteral("%1 s%2 z%3").arg(file).arg(column).arg(line);
}

// The file text of `records` self-naming lines; the cells in `changed` carry a star.
inline QString selfNamedText(const QString& file, int columns, int records,
                             const std::set<std::tuple<QString, int, int>>& changed = {})
{
    RecordWriter w;
    for (int line = 1; line <= records; ++line) {
        w.integer(line);
        for (int c = 1; c <= columns; ++c)
            w.string(cellName(file, c, line) + (changed.count({file, c, line}) ? QStringLiteral("*") : QString()));
        w.endRecord();
    }
    return w.text();
}

// Every box of the array on screen shows its line whole or, where it is too narrow, in its tool tip.
inline void expectEveryLineReadable(const ControlArray<TextBox>& boxes)
{
    boxes.forEach([](int index, const TextBox& box) {
        if (!box.widget()->isVisible() || box.text().isEmpty())
            return;
        const ::testing::AssertionResult fits = showsWholeText(box);
        EXPECT_TRUE(fits || box.toolTipShown().endsWith(box.text())) << "box " << index << ": " << fits.message();
    });
}

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

    std::map<QString, QByteArray> filesIn(const QString& folder, const QStringList& names) const
    {
        std::map<QString, QByteArray> bytes;
        for (const QString& name : names)
            bytes[name] = readBytes(folder + name);
        return bytes;
    }

    bool isOpen() { return registry.IsLoaded(windowName_); }

    // Every pupil of the shipped class moves into the class `className`.
    void setClass(const QString& className)
    {
        QString names = readFile(QStringLiteral("Daten/Namen.Txt"));
        names.replace(QRegularExpression(QStringLiteral("^(\\d+),\"[^\"]*\""), QRegularExpression::MultilineOption),
                      QStringLiteral("\\1,\"") + className + QLatin1Char('"'));
        writeFile(QStringLiteral("Daten/Namen.Txt"), names);
    }

    // The bytes of every current file of the editor's set.
    virtual std::map<QString, QByteArray> currentSet() const = 0;

    // "TexteAV.txt" has the default "TexteAVStandard.txt" in Daten\Standard.
    static QString defaultName(const QString& current) { return StandardFileName(current).section(QLatin1Char('\\'), 1); }
    // The bytes of the default of every current file, by the default's name.
    std::map<QString, QByteArray> defaultSet() const
    {
        QStringList names;
        for (const auto& file : currentSet())
            names << defaultName(file.first);
        return filesIn(QStringLiteral("Daten/Standard/"), names);
    }

    // Yes and the right password put every current file, as it lies on disk, over its default.
    void checkPasswordCopiesTheCurrentSet(Editor& w, std::size_t files)
    {
        const auto current = currentSet();
        messages->expect(PasswordQuestion, vbYes);
        inputs->answerNext(QStringLiteral("Wolkenbruch"));
        User::dblClick(w.Label1);
        messages->verifyDone();
        ASSERT_EQ(current.size(), files);
        const auto defaults = defaultSet();
        for (const auto& [name, bytes] : current)
            EXPECT_EQ(defaults.at(defaultName(name)), bytes) << name.toStdString();
    }

    struct LeavingCase {
        const char* what;
        bool load;
        bool save;
        std::function<void(Editor&)> act;
        bool asks;
    };
    // "Beenden" after each case asks, and is answered No, exactly where the case says; it writes
    // nothing and the window closes. The cases of every editor come first.
    void checkLeaving(const std::vector<LeavingCase>& editorCases, const QString& closeQuestion)
    {
        const auto nothing = [](Editor&) {};
        std::vector<LeavingCase> cases = {
            {"nothing loaded", false, false, nothing, false},
            {"right after loading", true, false, nothing, true},
            {"right after saving", true, true, nothing, false},
        };
        cases.insert(cases.end(), editorCases.begin(), editorCases.end());
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

    // An edit, then "Beenden": Yes writes it without the overwrite question, and the window and the
    // insertion dialog close.
    void checkYesToTheCloseQuestionWritesTheEdit(Editor& w, TextBox& box, const QString& text, const QString& file,
                                                 const QString& closeQuestion)
    {
        User::retype(box, text);
        messages->expect(closeQuestion, vbYes);
        User::click(w.Command6);
        EXPECT_FALSE(isOpen());
        EXPECT_FALSE(registry.IsLoaded(WindowNames::Insertion));
        EXPECT_TRUE(readFile(QStringLiteral("Daten/") + file).contains(QLatin1Char('"') + text + QLatin1Char('"')));
    }

    // Saving with `file` in Daten that cannot be written: the file keeps its old content, and the
    // set counts as not saved.
    void saveWithAFileThatCannotBeWritten(Editor& w, const QString& file)
    {
        const QByteArray before = readBytes(QStringLiteral("Daten/") + file);
        Files::setWriteFailure([file](const QString& target) { return target.endsWith(QLatin1Char('/') + file); });
        messages->expect(saveQuestion_, vbYes);
        messages->expect(QStringLiteral("Die Datei Daten\\%1 konnte nicht gespeichert werden.").arg(file));
        User::click(w.Command5);
        EXPECT_EQ(readBytes(QStringLiteral("Daten/") + file), before);
        EXPECT_FALSE(w.saved());
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

    // A set loaded with the load problems given, and an edit: saving, and "Beenden" with Yes, ask
    // before they write over the current files whose source was read in part; the question names
    // each of them and has No as its default, and No keeps them byte for byte (and the window open,
    // where leaving would lose the edit).
    void checkASetReadInPartIsNotSavedOver(int index, const QStringList& loadProblems, const QString& question,
                                           const QStringList& keptFiles, const std::function<TextBox&(Editor&)>& box,
                                           const QString& closeQuestion)
    {
        const auto before = currentSet();
        Editor& w = openLoaded(index, loadProblems);
        User::retype(box(w), QStringLiteral("zeigt viel Ausdauer"));
        const auto asksAboutEveryKeptFile = [&] {
            const ShownMessage& asked = messages->shown().back();
            EXPECT_EQ(asked.style, 308);
            for (const QString& name : keptFiles)
                EXPECT_TRUE(asked.prompt.contains(QStringLiteral("Daten\\") + name)) << name.toStdString();
        };

        messages->expect(saveQuestion_, vbYes);
        messages->expect(question, vbNo);
        User::click(w.Command5);
        messages->verifyDone();
        asksAboutEveryKeptFile();
        EXPECT_FALSE(w.saved());

        messages->expect(closeQuestion, vbYes);
        messages->expect(question, vbNo);
        User::click(w.Command6);
        messages->verifyDone();
        asksAboutEveryKeptFile();
        EXPECT_TRUE(isOpen());
        messages->expect(closeQuestion, vbNo);
        User::click(w.Command6);
        EXPECT_FALSE(isOpen());

        const auto after = currentSet();
        for (const QString& name : keptFiles)
            EXPECT_EQ(after.at(name), before.at(name)) << name.toStdString();
    }

    // An edit still in its box is taken over by leaving it and asked about by the main menu; Yes
    // saves it before the entry goes on. The end of the program asks too, and a save that fails
    // keeps the program and the window.
    void checkMenuAndEndAskAboutAnEdit(GsStart& start, const std::function<TextBox&(Editor&)>& box, const QString& file,
                                       const QString& closeQuestion)
    {
        Editor& edited = openLoaded();
        User::focus(box(edited));
        box(edited).setSelection(static_cast<int>(box(edited).text().size()), 0);
        User::typeText(box(edited), QStringLiteral(" und liest gern"));
        messages->expect(closeQuestion, vbYes);
        User::click(start.Command1(BehaviourEntry));
        EXPECT_FALSE(isOpen());
        EXPECT_TRUE(readFile(QStringLiteral("Daten/") + file).contains(QStringLiteral(" und liest gern\"")));
        EXPECT_EQ(readBytes(QStringLiteral("Daten/AktivForm.txt")), QByteArray("0\r\n"));
        closeMenuWindows();

        Editor& ending = openLoaded();
        User::focus(box(ending));
        box(ending).setSelection(static_cast<int>(box(ending).text().size()), 0);
        User::typeText(box(ending), QStringLiteral("!"));
        Files::setWriteFailure([file](const QString& target) { return target.endsWith(QLatin1Char('/') + file); });
        messages->expect(closeQuestion, vbYes);
        messages->expect(QStringLiteral("Die Datei Daten\\%1 konnte nicht gespeichert werden.").arg(file));
        EXPECT_FALSE(registry.EndProgram());
        EXPECT_TRUE(isOpen());
        EXPECT_EQ(application->quitCalls, 0);
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
