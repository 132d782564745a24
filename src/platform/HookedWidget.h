#pragma once
#include "Controls.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWheelEvent>
#include <type_traits>
#include <utility>

namespace zt {

// Code of a typed key as the windows see it; -1 for keys that raise no KeyPress.
inline int keyCodeOf(const QKeyEvent* e)
{
    if (e->key() == Qt::Key_Backspace)
        return 8;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return 13;
    const QString text = e->text();
    if (text.size() != 1 || text.at(0).unicode() < 32 || (e->modifiers() & Qt::ControlModifier))
        return -1;
    return text.at(0).unicode();
}

// A click the user made on the widget: the edit of the control that keeps the focus is handed
// over first, whatever made the click (a label or picture takes no focus, a shortcut moves none).
inline void raiseUserClick(const QWidget* clicked, ControlEvents& events)
{
    if (!events.Click)
        return;
    Control::handOverFocusedEdit(clicked);
    if (events.Click)
        events.Click();
}

// A Qt widget that hands its raw events to the control that owns it.
template <class W>
class HookedWidget : public W {
    // Lists and combos whose choice a wheel would change.
    static constexpr bool turnsByWheel = std::is_base_of_v<QComboBox, W> || std::is_base_of_v<QAbstractItemView, W>;

public:
    template <class... Args>
    explicit HookedWidget(ControlEvents& events, Args&&... args)
        : W(std::forward<Args>(args)...), events_(events)
    {
        // The wheel takes no focus: it would change the choice without the teacher meaning to.
        if constexpr (turnsByWheel)
            this->setFocusPolicy(Qt::StrongFocus);
    }

    // Set for widgets whose Click comes from a signal instead of the mouse release.
    bool clickFromSignal = false;

    // Where the caret is drawn, for acting as the user on a text box.
    QRect caretRect() const
    {
        if constexpr (std::is_base_of_v<QLineEdit, W> || std::is_base_of_v<QPlainTextEdit, W>)
            return this->cursorRect();
        else
            return QRect();
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const int original = keyCodeOf(e);
        if (original >= 0 && events_.KeyPress) {
            int key = original;
            events_.KeyPress(key);
            if (key == 0) {
                e->accept();
                return;
            }
            if (key != original) {
                insertReplacement(QString(QChar(key)));
                e->accept();
                return;
            }
        }
        W::keyPressEvent(e);
    }

    void focusInEvent(QFocusEvent* e) override
    {
        W::focusInEvent(e);
        raiseGotFocus(e);
    }

    // A wheel turned over a list or combo on its way down the window, while the teacher types
    // elsewhere, passes it by; only the control with the focus turns.
    void wheelEvent(QWheelEvent* e) override
    {
        if constexpr (turnsByWheel) {
            if (!this->hasFocus()) {
                e->ignore();
                return;
            }
        }
        W::wheelEvent(e);
    }

    void raiseGotFocus(const QFocusEvent* e)
    {
        if (countsAsFocusChange(e) && events_.GotFocus)
            events_.GotFocus();
    }

    void focusOutEvent(QFocusEvent* e) override
    {
        W::focusOutEvent(e);
        if (countsAsFocusChange(e) && events_.LostFocus)
            events_.LostFocus();
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        W::mouseReleaseEvent(e);
        // The release that ends a double-click is no second click: Click, then DblClick, and no more.
        const bool endsDoubleClick = std::exchange(inDoubleClick_, false);
        if (clickFromSignal)
            return;
        // The click is this control's alone: it must not reach the frame or window around it.
        e->accept();
        if (!endsDoubleClick && e->button() == Qt::LeftButton)
            raiseUserClick(this, events_);
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        // Qt takes the second press of a double-click for a press: on an option button or a check
        // box that would be a second click, and would untick the box again.
        if constexpr (std::is_base_of_v<QCheckBox, W> || std::is_base_of_v<QRadioButton, W>)
            e->accept();
        else
            W::mouseDoubleClickEvent(e);
        if (!clickFromSignal)
            e->accept();
        if (e->button() != Qt::LeftButton)
            return;
        inDoubleClick_ = true;
        if (events_.DblClick)
            events_.DblClick();
    }

    // From the double-click until the release that ends it.
    bool inDoubleClick_ = false;

private:
    // Focus moving between windows or to a popup is no focus change inside the window.
    static bool countsAsFocusChange(const QFocusEvent* e)
    {
        return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
    }

    // A read-only box takes no typed key, replaced or not.
    void insertReplacement(const QString& text)
    {
        if constexpr (std::is_base_of_v<QLineEdit, W>) {
            if (!this->isReadOnly())
                this->insert(text);
        } else if constexpr (std::is_base_of_v<QPlainTextEdit, W>) {
            if (!this->isReadOnly())
                this->insertPlainText(text);
        }
    }

    ControlEvents& events_;
};

} // namespace zt
