// The program's own start, from its own libraries, for measuring it as a whole process:
//   zt_program_start FOLDER           starts as the program does and quits once the start page is
//                                     on screen (exposed);
//   zt_program_start FOLDER --memory  then opens every window once, prints the resident memory in
//                                     kB and quits.
// The shipped program has no such switches; this is its start and nothing else.
#include "app/ProgramStart.h"
#include "platform/Form.h"
#include "platform/Services.h"
#include "registry/WindowNames.h"
#include "registry/WindowRegistry.h"
#include <QApplication>
#include <QFile>
#include <QWindow>
#include <cstdio>

namespace {

// Opening every window must not wait for a teacher: each question takes its default answer.
class DefaultAnswers : public zt::MessageBoxService {
public:
    int show(const QString&, int style, const QString&) override
    {
        switch (zt::ButtonsOf(style)) {
        case zt::vbYesNoCancel:
        case zt::vbYesNo: return zt::DefaultButtonOf(style) == 1 ? zt::vbNo : zt::vbYes;
        default: return zt::vbOK;
        }
    }
};

class QuitWhenExposed : public QObject {
public:
    explicit QuitWhenExposed(std::function<void()> then) : then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && then_) {
            auto then = std::move(then_);
            then_ = nullptr;
            then();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void openEveryWindowOnce()
{
    zt::Services::install(std::make_unique<DefaultAnswers>());
    zt::WindowRegistry& registry = zt::WindowRegistry::instance();
    for (const QString& name : {zt::WindowNames::Behaviour, zt::WindowNames::Competences, zt::WindowNames::SupportClubs,
                                zt::WindowNames::Review, zt::WindowNames::BehaviourEditor, zt::WindowNames::Grade12Editor,
                                zt::WindowNames::Grade34Editor, zt::WindowNames::MasterData, zt::WindowNames::Insertion,
                                zt::WindowNames::Lists})
        registry.Show(name);
    QCoreApplication::processEvents();
    std::printf("%ld\n", residentKilobytes());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const bool memory = argc > 2 && qstrcmp(argv[2], "--memory") == 0;
    zt::PrepareProgram(QString::fromLocal8Bit(argv[1]));

    zt::Form* start = zt::WindowRegistry::instance().Load(zt::WindowNames::Start);
    start->window()->winId();
    // Posted, so that the quit also reaches an event loop that the exposure came before.
    QuitWhenExposed quit([memory] {
        QMetaObject::invokeMethod(
            qApp,
            [memory] {
                if (memory)
                    openEveryWindowOnce();
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    });
    start->window()->windowHandle()->installEventFilter(&quit);
    zt::WindowRegistry::instance().Show(zt::WindowNames::Start);
    const int status = app.exec();
    zt::CloseProgram();
    return status;
}
