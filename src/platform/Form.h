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
    // The user closed the window with its title-bar button; the window decides what that means.
    virtual void Form_QueryClose();
    // What closing means when the window says nothing of its own; set by the registry.
    std::function<void()> closeByDefault;

private:
    QString name_;
    std::unique_ptr<QWidget> window_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace zt
