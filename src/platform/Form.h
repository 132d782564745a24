#pragma once
#include "Controls.h"
#include <QString>
#include <functional>
#include <memory>

namespace zt {

// A window of the program. Controls are members of the derived window; the registry
// (src/app) loads, shows, hides and unloads forms.
class Form : public ControlParent {
public:
    explicit Form(const QString& name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override;

    const QString& name() const { return name_; }
    QWidget* window() const { return window_.get(); }
    QWidget* area() const override { return window_.get(); }

    QString caption() const;
    void setCaption(const QString& caption);

    // Geometry of the window in twips.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top, int width, int height);
    void resize(int width, int height);

    bool shown() const;
    // Keeps the window above the other windows, or releases it.
    void setTopmost(bool on);
    bool topmost() const;

    virtual void Form_Load() {}
    // The window became the active one: the teacher came to it, from another window or a message.
    virtual void Form_Activate() {}

    // The window's own leave button ("Abbrechen", "Beenden", "Ende"). A window without one is
    // simply unloaded.
    virtual void LeaveByOwnButton();
    // Asked before anything but the window itself unloads it (the main menu, the end of the
    // program): a window holding unsaved input asks its own leaving question. Yes saves, No lets
    // the input go, Cancel keeps the window; false keeps it, also after a failed save.
    virtual bool QueryUnload() { return true; }

    // The title-bar close: the box with the focus hands over its hand edit, as leaving it by a
    // click would, then the window's leave button acts.
    void CloseByTitleBar();
    // Raises LostFocus of the control that has the focus in this window; the title-bar button and
    // other windows take no focus from it.
    void TakeOverFocusedEdit();

    // How a window without a leave button of its own is unloaded; set by the registry.
    std::function<void()> unloadSelf;

private:
    QString name_;
    std::unique_ptr<QWidget> window_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace zt
