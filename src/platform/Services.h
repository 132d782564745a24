#pragma once
#include "core/ShortDate.h"
#include <QDate>
#include <QString>
#include <memory>

namespace zt {

// The classic answers of a message box.
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// The classic style of a message box: one of the button sets, or-ed with an icon and a default button.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
constexpr int ButtonsOf(int style) { return style & 7; }
constexpr int IconOf(int style) { return style & 0x70; }
constexpr int DefaultButtonOf(int style) { return (style & 0x300) >> 8; }

// The title of every message box that has none of its own.
inline const QString ApplicationTitle = QStringLiteral("Zeugnistexte");

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Style: see MsgBoxStyle.
    virtual int show(const QString& prompt, int style, const QString& title) = 0;
};

class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    // Cancel gives the empty text.
    virtual QString ask(const QString& prompt, const QString& title, const QString& defaultText) = 0;
};

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// What became of a command line of the windows.
struct Launch {
    enum Outcome {
        Opened,     // handed to the application that opens the document
        Told,       // the teacher was told why nothing opens
        NotStarted, // nothing could open the document
    };
    Outcome outcome = Opened;
    QString document; // the document meant, absolute
};

// Carries out a word-processor command line of the windows without waiting.
class LauncherService {
public:
    virtual ~LauncherService() = default;
    virtual Launch run(const QString& commandLine) = 0;
};

class DesktopService {
public:
    virtual ~DesktopService() = default;
    // Opens a document in the application the desktop uses for it, without waiting; false when
    // nothing could open it.
    virtual bool open(const QString& absolutePath) = 0;
};

class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDate today() const = 0;
};

class ApplicationService {
public:
    virtual ~ApplicationService() = default;
    virtual void quit() = 0;
};

// The services in use; the program installs the real ones, tests their doubles.
namespace Services {
MessageBoxService& messageBox();
InputBoxService& inputBox();
ClipboardService& clipboard();
LauncherService& launcher();
DesktopService& desktop();
ClockService& clock();
ApplicationService& application();

void install(std::unique_ptr<MessageBoxService> service);
void install(std::unique_ptr<InputBoxService> service);
void install(std::unique_ptr<ClipboardService> service);
void install(std::unique_ptr<LauncherService> service);
void install(std::unique_ptr<DesktopService> service);
void install(std::unique_ptr<ClockService> service);
void install(std::unique_ptr<ApplicationService> service);
// All but the launcher, which carries out command lines with the documents above this layer.
void installReal();
// Qt's input dialog, as installReal installs it.
std::unique_ptr<InputBoxService> makeRealInputBox();
} // namespace Services

int MsgBox(const QString& prompt, int style = 0, const QString& title = QString());
QString InputBox(const QString& prompt, const QString& title = QString(), const QString& defaultText = QString());

namespace Clipboard {
void Clear();
void SetText(const QString& text);
QString GetText();
} // namespace Clipboard

// Today as the German short date.
QString Today();

} // namespace zt
