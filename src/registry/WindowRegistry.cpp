#include "WindowRegistry.h"
#include "platform/Services.h"
#include <QGuiApplication>

namespace zt {

namespace {
// Owns an unloaded window until Qt's deferred deletion takes it: that waits for the handler that
// unloaded it to return, also when the handler runs a message box's event loop meanwhile.
class UnloadedWindow : public QObject {
public:
    explicit UnloadedWindow(std::unique_ptr<Form> form) : form_(std::move(form)) {}

private:
    std::unique_ptr<Form> form_;
};
} // namespace

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }
bool WindowRegistry::known(const QString& name) const { return factories_.count(name) != 0; }

Form* WindowRegistry::Load(const QString& name)
{
    if (Form* form = Find(name))
        return form;
    auto factory = factories_.find(name);
    if (factory == factories_.end())
        return nullptr;
    std::unique_ptr<Form> created = factory->second();
    Form* form = created.get();
    form->unloadSelf = [this, name] { Unload(name); };
    loaded_[name] = std::move(created);
    form->Form_Load();
    return Find(name);
}

Form* WindowRegistry::Show(const QString& name)
{
    Form* form = Load(name);
    if (form) {
        form->window()->show();
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            form->window()->raise();
    }
    return form;
}

void WindowRegistry::Hide(const QString& name)
{
    if (Form* form = Find(name))
        form->window()->hide();
}

void WindowRegistry::Unload(const QString& name)
{
    auto it = loaded_.find(name);
    if (it == loaded_.end())
        return;
    it->second->window()->hide();
    auto* holder = new UnloadedWindow(std::move(it->second));
    loaded_.erase(it);
    std::erase_if(unloaded_, [](const QPointer<QObject>& gone) { return gone.isNull(); });
    unloaded_.emplace_back(holder);
    holder->deleteLater();
}

void WindowRegistry::UnloadAll()
{
    while (!loaded_.empty())
        Unload(loaded_.begin()->first);
}

bool WindowRegistry::QueryUnload(const QStringList& names)
{
    for (const QString& name : names) {
        Form* form = Find(name);
        if (!form)
            continue;
        form->TakeOverFocusedEdit();
        // The question may have unloaded the window already; then it is gone, as wanted.
        if (Find(name) && !form->QueryUnload())
            return false;
    }
    return true;
}

bool WindowRegistry::LeaveAll(const QStringList& names)
{
    if (!QueryUnload(names))
        return false;
    for (const QString& name : names)
        Unload(name);
    return true;
}

bool WindowRegistry::EndProgram()
{
    if (!QueryUnload(loadedNames()))
        return false;
    Terminate();
    return true;
}

void WindowRegistry::Terminate()
{
    UnloadAll();
    Services::application().quit();
}

QStringList WindowRegistry::loadedNames() const
{
    QStringList names;
    for (const auto& [name, form] : loaded_)
        names << name;
    return names;
}

bool WindowRegistry::IsLoaded(const QString& name) const { return loaded_.count(name) != 0; }

Form* WindowRegistry::Find(const QString& name) const
{
    auto it = loaded_.find(name);
    return it == loaded_.end() ? nullptr : it->second.get();
}

void WindowRegistry::destroyUnloaded()
{
    std::vector<QPointer<QObject>> doomed;
    doomed.swap(unloaded_);
    for (const QPointer<QObject>& holder : doomed)
        delete holder.data();
}

} // namespace zt
