#include "Form.h"
#include "Twips.h"
#include <QCloseEvent>
#include <QEvent>
#include <QWindow>

namespace zt {

namespace {
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& form) : form_(form) {}

protected:
    bool event(QEvent* e) override
    {
        const bool handled = QWidget::event(e);
        if (e->type() == QEvent::WindowActivate)
            form_.Form_Activate();
        return handled;
    }

    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        form_.CloseByTitleBar();
    }

private:
    Form& form_;
};
} // namespace

Form::Form(const QString& name) : name_(name), window_(std::make_unique<FormWindow>(*this))
{
    window_->setObjectName(name);
    window_->setWindowTitle(name);
}

Form::~Form() = default;

QString Form::caption() const { return window_->windowTitle(); }
void Form::setCaption(const QString& caption) { window_->setWindowTitle(caption); }

void Form::move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    window_->move(toPixels(left), toPixels(top));
    resize(width, height);
}

void Form::resize(int width, int height)
{
    width_ = width;
    height_ = height;
    window_->resize(toPixels(width), toPixels(height));
}
bool Form::shown() const { return window_->isVisible(); }

void Form::setTopmost(bool on)
{
    // The native window must exist before the flag is set: creating it on the first showing would
    // take the widget's flags and drop the one set here.
    window_->winId();
    window_->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, on);
}

bool Form::topmost() const
{
    const QWindow* handle = window_->windowHandle();
    return handle && handle->flags().testFlag(Qt::WindowStaysOnTopHint);
}

void Form::LeaveByOwnButton()
{
    if (unloadSelf)
        unloadSelf();
}

void Form::CloseByTitleBar()
{
    TakeOverFocusedEdit();
    LeaveByOwnButton();
}

void Form::TakeOverFocusedEdit() { Control::handOverFocusedEdit(window_.get()); }

} // namespace zt
