// The floor of the program's start: a Qt program that shows one window of the start page's size
// and quits once it is on screen. zt_bare_start WIDTH HEIGHT
#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {
class QuitWhenExposed : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QCoreApplication::quit();
        return false;
    }
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc < 3)
        return 2;
    QWidget window;
    window.resize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    window.winId();
    QuitWhenExposed quit;
    window.windowHandle()->installEventFilter(&quit);
    window.show();
    return app.exec();
}
