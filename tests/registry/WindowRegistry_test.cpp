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
