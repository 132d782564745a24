#include "registry/WindowRegistry.h"
#include "TestProgram.h"
#include "User.h"
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

using namespace zt;

namespace {
const QString Name = QStringLiteral("Selbstschliesser");

// Unloads itself in its handler and then waits in an event loop of its own, as a message box does.
class SelfUnloading : public Form {
public:
    SelfUnloading() : Form(Name)
    {
        resize(3000, 1500);
        Command1.move(120, 120, 1500, 400);
        Command1.Click = [this] {
            WindowRegistry::instance().Unload(name());
            QEventLoop modal;
            QTimer::singleShot(20, &modal, &QEventLoop::quit);
            modal.exec();
            // Members are still there after the loop.
            captionAfterModal = Command1.caption();
        };
    }
    CommandButton Command1{*this, QStringLiteral("Ende")};
    QString captionAfterModal;
};

class WindowRegistryTest : public test::TestProgram {
protected:
    // Runs the action as the program does: from inside the application's event loop.
    static void runInEventLoop(const std::function<void()>& action)
    {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            action();
            QTimer::singleShot(50, &loop, &QEventLoop::quit);
        });
        loop.exec();
    }
};
} // namespace

TEST_F(WindowRegistryTest, AWindowUnloadedInItsHandlerLivesUntilTheHandlerHasReturned)
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.add(Name, [] { return std::make_unique<SelfUnloading>(); });
    auto* form = static_cast<SelfUnloading*>(registry.Show(Name));
    ASSERT_NE(form, nullptr);
    QPointer<QWidget> window = form->window();
    QString seen;
    runInEventLoop([&] {
        User::click(form->Command1);
        seen = form->captionAfterModal;
    });
    EXPECT_EQ(seen, QStringLiteral("Ende"));
    EXPECT_FALSE(registry.IsLoaded(Name));
    // Once the handler is done, the event loop destroys the window.
    EXPECT_TRUE(window.isNull());
}

namespace {
// A window with one text box whose hand edit counts as unsaved once taken over; its leaving
// question answers as the test says.
class Editing : public Form {
public:
    explicit Editing(const QString& name) : Form(name)
    {
        resize(3000, 1500);
        Text1.move(120, 120, 2000, 400);
        Command1.move(120, 700, 1500, 400);
        Text1.LostFocus = [this] { stored = Text1.text(); };
    }
    bool QueryUnload() override
    {
        ++asked;
        if (stored.isEmpty())
            return true;
        const int answer = MsgBox(QStringLiteral("Speichern?"), vbYesNoCancel | vbQuestion);
        if (answer == vbYes)
            return saves;
        return answer == vbNo;
    }
    void LeaveByOwnButton() override
    {
        ++leftByButton;
        Form::LeaveByOwnButton();
    }
    TextBox Text1{*this};
    CommandButton Command1{*this, QStringLiteral("OK")};
    QString stored;
    bool saves = true;
    int asked = 0;
    int leftByButton = 0;
};

const QString First = QStringLiteral("Erstes");
const QString Second = QStringLiteral("Zweites");
} // namespace

TEST_F(WindowRegistryTest, LeavingAsksEachWindowAndStopsAtTheFirstThatStays)
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.add(First, [] { return std::make_unique<Editing>(First); });
    registry.add(Second, [] { return std::make_unique<Editing>(Second); });
    struct Case { const char* what; QString typed; int answer; bool saves; bool left; };
    const Case cases[] = {
        {"nothing unsaved: no question", QString(), 0, true, true},
        {"Yes saves and goes on", QStringLiteral("Text"), vbYes, true, true},
        {"Yes with a failed save stays", QStringLiteral("Text"), vbYes, false, false},
        {"No goes on unsaved", QStringLiteral("Text"), vbNo, true, true},
        {"Cancel stays", QStringLiteral("Text"), vbCancel, true, false},
    };
    for (const Case& c : cases) {
        auto* first = static_cast<Editing*>(registry.Show(First));
        auto* second = static_cast<Editing*>(registry.Show(Second));
        first->saves = c.saves;
        // The edit is still in its box: leaving takes it over before asking.
        User::typeText(first->Text1, c.typed);
        if (!c.typed.isEmpty())
            messages->expect(QStringLiteral("Speichern?"), c.answer);
        EXPECT_EQ(registry.LeaveAll({First, Second, QStringLiteral("NichtGeladen")}), c.left) << c.what;
        EXPECT_EQ(registry.IsLoaded(First), !c.left) << c.what;
        // A window that stayed stops the rest: the second one is neither asked nor unloaded.
        EXPECT_EQ(registry.IsLoaded(Second), !c.left) << c.what;
        if (!c.left) {
            EXPECT_EQ(second->asked, 0) << c.what;
        }
        registry.UnloadAll();
        settle();
        messages->verifyDone();
    }
}

TEST_F(WindowRegistryTest, TheTitleBarCloseTakesOverTheEditThenActsAsTheLeaveButton)
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.add(First, [] { return std::make_unique<Editing>(First); });
    auto* form = static_cast<Editing*>(registry.Show(First));
    User::typeText(form->Text1, QStringLiteral("Hand"));
    form->window()->close();
    EXPECT_EQ(form->stored, QStringLiteral("Hand"));
    EXPECT_EQ(form->leftByButton, 1);
    EXPECT_FALSE(registry.IsLoaded(First));
}

TEST_F(WindowRegistryTest, EndingTheProgramAsksEveryWindowAndAWindowThatStaysKeepsItRunning)
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.add(First, [] { return std::make_unique<Editing>(First); });
    auto* form = static_cast<Editing*>(registry.Show(First));
    User::typeText(form->Text1, QStringLiteral("Hand"));
    messages->expect(QStringLiteral("Speichern?"), vbCancel);
    EXPECT_FALSE(registry.EndProgram());
    EXPECT_TRUE(registry.IsLoaded(First));
    EXPECT_EQ(application->quitCalls, 0);
    messages->expect(QStringLiteral("Speichern?"), vbNo);
    EXPECT_TRUE(registry.EndProgram());
    EXPECT_FALSE(registry.IsLoaded(First));
    EXPECT_EQ(application->quitCalls, 1);
}
