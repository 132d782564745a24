#pragma once
#include "platform/Form.h"
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace zt {

// The windows of the program by name: loading, showing, hiding and unloading them.
class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    static WindowRegistry& instance();

    void add(const QString& name, Factory factory);
    bool known(const QString& name) const;

    // Creates the window and runs its Form_Load; a loaded window is left as it is.
    Form* Load(const QString& name);
    // Loads the window if needed and makes it visible.
    Form* Show(const QString& name);
    void Hide(const QString& name);
    // Unloading a window that is not loaded does nothing. A window may unload itself inside its
    // own handler: it is destroyed only once control has returned to the event loop that ran the
    // handler, not in the loop of a message box shown by the handler.
    void Unload(const QString& name);
    void UnloadAll();

    // The one leaving path for windows that something else wants gone: asks each loaded window of
    // the list, in order, whether it may go (its own leaving question where it holds unsaved
    // input). False as soon as one stays; then nothing is unloaded by this call.
    bool QueryUnload(const QStringList& names);
    // Asks, then unloads the windows of the list; false, and nothing unloaded, when one stayed.
    bool LeaveAll(const QStringList& names);
    // Asks every loaded window, then ends the program; false, and the program goes on, when one
    // stayed.
    bool EndProgram();
    // Unloads every window and ends the program without asking: for callers that have asked.
    void Terminate();

    QStringList loadedNames() const;

    bool IsLoaded(const QString& name) const;
    Form* Find(const QString& name) const;
    template <class T>
    T* find(const QString& name) const { return dynamic_cast<T*>(Find(name)); }

    // Destroys the windows unloaded so far at once; otherwise they go by themselves (above).
    void destroyUnloaded();

private:
    std::map<QString, Factory> factories_;
    std::map<QString, std::unique_ptr<Form>> loaded_;
    // Holders of unloaded windows, each deleted later by the event loop.
    std::vector<QPointer<QObject>> unloaded_;
};

} // namespace zt
