#include "User.h"
#include "platform/HookedWidget.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

namespace zt::User {

namespace {
void activate(QWidget* w)
{
    QWidget* window = w->window();
    if (!window->isVisible())
        window->show();
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
}

QPoint centreOf(const QWidget* w) { return w->rect().center(); }

// What the window system delivers for a double-click: press, release, double-click, release.
void doubleClickAt(QWidget* target, QPoint p)
{
    QTest::mousePress(target, Qt::LeftButton, {}, p);
    QTest::mouseRelease(target, Qt::LeftButton, {}, p);
    QTest::mouseDClick(target, Qt::LeftButton, {}, p);
    QTest::mouseRelease(target, Qt::LeftButton, {}, p);
}

} // namespace

void focus(Control& control)
{
    QWidget* w = control.widget();
    activate(w);
    w->setFocus(Qt::MouseFocusReason);
}

void click(Control& control)
{
    QWidget* w = control.widget();
    activate(w);
    if (!w->isEnabled())
        return;
    if (w->focusPolicy() & Qt::ClickFocus)
        w->setFocus(Qt::MouseFocusReason);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->click();
        return;
    }
    QWidget* target = w;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        target = area->viewport();
    QTest::mouseClick(target, Qt::LeftButton, {}, centreOf(target));
}

void dblClick(Control& control)
{
    QWidget* w = control.widget();
    activate(w);
    if (!w->isEnabled())
        return;
    QWidget* target = w;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        target = area->viewport();
    doubleClickAt(target, centreOf(target));
}

void dblClickAt(TextBox& box, int position)
{
    QWidget* w = box.widget();
    activate(w);
    if (!w->isEnabled())
        return;
    w->setFocus(Qt::MouseFocusReason);
    if (QLineEdit* e = box.lineEdit()) {
        e->setCursorPosition(position);
        // Just right of the caret lies the character at the position.
        const QPoint p = static_cast<HookedWidget<QLineEdit>*>(e)->caretRect().center() + QPoint(3, 0);
        doubleClickAt(e, p);
        return;
    }
    QPlainTextEdit* e = box.plainTextEdit();
    box.setSelection(position, 0);
    const QPoint p = e->cursorRect().center() + QPoint(3, 0);
    doubleClickAt(e->viewport(), p);
}

namespace {
void sendChar(QWidget* w, QChar ch)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
}
} // namespace

void typeKey(Control& control, QChar key)
{
    focus(control);
    sendChar(control.widget(), key);
}

void typeBackspace(Control& control)
{
    focus(control);
    QTest::keyClick(control.widget(), Qt::Key_Backspace);
}

void typeText(TextBox& box, const QString& text)
{
    focus(box);
    for (const QChar ch : text)
        sendChar(box.widget(), ch);
}

void paste(TextBox& box, const QString& text)
{
    focus(box);
    box.insertAtCursor(text);
}

void chooseItem(ComboBox& box, int index)
{
    focus(box);
    box.setListIndex(index);
}

void chooseRow(ListBox& box, int row)
{
    auto* list = static_cast<QListWidget*>(box.widget());
    activate(list);
    list->setFocus(Qt::MouseFocusReason);
    list->scrollToItem(list->item(row));
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace zt::User
