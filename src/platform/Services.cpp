#include "Services.h"
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace zt {

namespace {

class QtMessageBox : public MessageBoxService {
public:
    int show(const QString& prompt, int style, const QString& title) override
    {
        QMessageBox box;
        box.setWindowTitle(title);
        // A prompt may quote a text block with "<...>" placeholders: never take it for markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        switch (IconOf(style)) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        struct Choice { QString caption; int result; };
        std::vector<Choice> choices;
        switch (ButtonsOf(style)) {
        case vbOKCancel: choices = {{QStringLiteral("OK"), vbOK}, {QStringLiteral("Abbrechen"), vbCancel}}; break;
        case vbAbortRetryIgnore: choices = {{QStringLiteral("Abbrechen"), vbAbort}, {QStringLiteral("Wiederholen"), vbRetry}, {QStringLiteral("Ignorieren"), vbIgnore}}; break;
        case vbYesNoCancel: choices = {{QStringLiteral("Ja"), vbYes}, {QStringLiteral("Nein"), vbNo}, {QStringLiteral("Abbrechen"), vbCancel}}; break;
        case vbYesNo: choices = {{QStringLiteral("Ja"), vbYes}, {QStringLiteral("Nein"), vbNo}}; break;
        case vbRetryCancel: choices = {{QStringLiteral("Wiederholen"), vbRetry}, {QStringLiteral("Abbrechen"), vbCancel}}; break;
        default: choices = {{QStringLiteral("OK"), vbOK}}; break;
        }
        std::vector<QPushButton*> buttons;
        for (const Choice& c : choices)
            buttons.push_back(box.addButton(c.caption, QMessageBox::AcceptRole));
        const std::size_t defaultIndex = static_cast<std::size_t>(DefaultButtonOf(style));
        if (defaultIndex < buttons.size())
            box.setDefaultButton(buttons[defaultIndex]);
        // Escape answers Cancel where there is one, else the last button.
        box.setEscapeButton(buttons.back());
        box.exec();
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (box.clickedButton() == buttons[i])
                return choices[i].result;
        return choices.back().result;
    }
};

class QtInputBox : public InputBoxService {
public:
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal, defaultText, &ok);
        return ok ? text : QString();
    }
};

class QtClipboard : public ClipboardService {
public:
    void clear() override { QGuiApplication::clipboard()->clear(); }
    void setText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
    QString text() const override { return QGuiApplication::clipboard()->text(); }
};

// No shell is involved: the document is one argument, whatever characters its name holds. Where the
// desktop has no application for it, the office suite is asked directly.
class Desktop : public DesktopService {
public:
    bool open(const QString& absolutePath) override
    {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath)))
            return true;
        for (const char* name : {"soffice", "libreoffice", "lowriter"}) {
            const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (!program.isEmpty())
                return QProcess::startDetached(program, {absolutePath});
        }
        return false;
    }
};

class SystemClock : public ClockService {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class QtApplication : public ApplicationService {
public:
    void quit() override { QCoreApplication::quit(); }
};

template <class T>
std::unique_ptr<T>& slot()
{
    static std::unique_ptr<T> service;
    return service;
}

template <class T>
T& use()
{
    auto& s = slot<T>();
    if (!s)
        qFatal("A platform service is used before it was installed");
    return *s;
}

} // namespace

namespace Services {
MessageBoxService& messageBox() { return use<MessageBoxService>(); }
InputBoxService& inputBox() { return use<InputBoxService>(); }
ClipboardService& clipboard() { return use<ClipboardService>(); }
LauncherService& launcher() { return use<LauncherService>(); }
DesktopService& desktop() { return use<DesktopService>(); }
ClockService& clock() { return use<ClockService>(); }
ApplicationService& application() { return use<ApplicationService>(); }

void install(std::unique_ptr<MessageBoxService> s) { slot<MessageBoxService>() = std::move(s); }
void install(std::unique_ptr<InputBoxService> s) { slot<InputBoxService>() = std::move(s); }
void install(std::unique_ptr<ClipboardService> s) { slot<ClipboardService>() = std::move(s); }
void install(std::unique_ptr<LauncherService> s) { slot<LauncherService>() = std::move(s); }
void install(std::unique_ptr<DesktopService> s) { slot<DesktopService>() = std::move(s); }
void install(std::unique_ptr<ClockService> s) { slot<ClockService>() = std::move(s); }
void install(std::unique_ptr<ApplicationService> s) { slot<ApplicationService>() = std::move(s); }

std::unique_ptr<InputBoxService> makeRealInputBox() { return std::make_unique<QtInputBox>(); }

void installReal()
{
    install(std::make_unique<QtMessageBox>());
    install(makeRealInputBox());
    install(std::make_unique<QtClipboard>());
    install(std::make_unique<Desktop>());
    install(std::make_unique<SystemClock>());
    install(std::make_unique<QtApplication>());
}
} // namespace Services

int MsgBox(const QString& prompt, int style, const QString& title)
{
    return Services::messageBox().show(prompt, style, title.isEmpty() ? ApplicationTitle : title);
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return Services::inputBox().ask(prompt, title.isEmpty() ? ApplicationTitle : title, defaultText);
}

namespace Clipboard {
void Clear() { Services::clipboard().clear(); }
void SetText(const QString& text) { Services::clipboard().setText(text); }
QString GetText() { return Services::clipboard().text(); }
} // namespace Clipboard

QString Today() { return ShortDate(Services::clock().today()); }

} // namespace zt
