#include "User.h"
#include "platform/HookedWidget.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <gtest/gtest.h>

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

QString describe(const QWidget* w)
{
    QString what = QString::fromLatin1(w->metaObject()->className());
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        what += QStringLiteral(" \"%1\"").arg(button->text());
    else if (auto* label = qobject_cast<const QLabel*>(w))
        what += QStringLiteral(" \"%1\"").arg(label->text());
    return what + QStringLiteral(" in ") + w->window()->windowTitle();
}

// The teacher can reach only a control that is shown and enabled; a test that acts on another one
// is wrong, or has found a fault of its window.
bool reachable(const QWidget* w, const char* action)
{
    if (!w->isVisibleTo(w->window())) {
        ADD_FAILURE() << action << " on a hidden control: " << qPrintable(describe(w));
        return false;
    }
    if (!w->isEnabled()) {
        ADD_FAILURE() << action << " on a disabled control: " << qPrintable(describe(w));
        return false;
    }
    return true;
}

// The widget that takes the mouse: a list's or a box's viewport.
QWidget* mouseTarget(QWidget* w)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        return area->viewport();
    return w;
}

// A point inside the control's hit area: the indicator of an option button or a check box, else the middle.
QPoint hitPoint(const QWidget* w)
{
    auto* button = qobject_cast<const QAbstractButton*>(w);
    const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
    if (!button || (!radio && !qobject_cast<const QCheckBox*>(w)))
        return w->rect().center();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const auto indicator = radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator;
    return button->style()->subElementRect(indicator, &option, button).center();
}

// What the window system delivers for a double-click: press, release, double-click, release.
void doubleClickAt(QWidget* target, QPoint p)
{
    QTest::mousePress(target, Qt::LeftButton, {}, p);
    QTest::mouseRelease(target, Qt::LeftButton, {}, p);
    QTest::mouseDClick(target, Qt::LeftButton, {}, p);
    QTest::mouseRelease(target, Qt::LeftButton, {}, p);
}

// From the caret at the position to the middle of the word's glyphs that start there, measured with
// the box's own font, so that the double-click lands inside the word whatever font the machine has.
int halfWord(const QFontMetrics& metrics, const QString& text, int position)
{
    int end = position;
    while (end < text.size() && text.at(end).isLetterOrNumber())
        ++end;
    if (end == position)
        end = std::min(static_cast<int>(text.size()), position + 1);
    return metrics.horizontalAdvance(text.mid(position, end - position)) / 2;
}

} // namespace

void focus(Control& control)
{
    QWidget* w = control.widget();
    activate(w);
    if (reachable(w, "focus"))
        w->setFocus(Qt::MouseFocusReason);
}

// The press itself moves the focus, as the window system's would.
void click(Control& control)
{
    QWidget* w = control.widget();
    activate(w);
    if (!reachable(w, "click"))
        return;
    QWidget* target = mouseTarget(w);
    QTest::mouseClick(target, Qt::LeftButton, {}, hitPoint(target));
}

void dblClick(Control& control)
{
    QWidget* w = control.widget();
    activate(w);
    if (!reachable(w, "double-click"))
        return;
    QWidget* target = mouseTarget(w);
    doubleClickAt(target, hitPoint(target));
}

void dblClickAt(TextBox& box, int position)
{
    QWidget* w = box.widget();
    activate(w);
    if (!reachable(w, "double-click"))
        return;
    if (QLineEdit* e = box.lineEdit()) {
        e->setCursorPosition(position);
        const QPoint p = static_cast<HookedWidget<QLineEdit>*>(e)->caretRect().center()
                         + QPoint(halfWord(e->fontMetrics(), e->text(), position), 0);
        doubleClickAt(e, p);
        return;
    }
    QPlainTextEdit* e = box.plainTextEdit();
    box.setSelection(position, 0);
    const QPoint p = e->cursorRect().center() + QPoint(halfWord(e->fontMetrics(), e->toPlainText(), position), 0);
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

void pressKey(Control& control, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    focus(control);
    QTest::keyClick(control.widget(), key, modifiers);
}

void typeText(TextBox& box, const QString& text)
{
    focus(box);
    for (const QChar ch : text)
        sendChar(box.widget(), ch);
}

void retype(TextBox& box, const QString& text)
{
    focus(box);
    box.setSelection(0, static_cast<int>(box.text().size()));
    typeText(box, text);
}

void paste(TextBox& box, const QString& text)
{
    focus(box);
    box.insertAtCursor(text);
}

void chooseItem(ComboBox& box, int index)
{
    focus(box);
    if (box.widget()->hasFocus())
        box.setListIndex(index);
}

void chooseRow(ListBox& box, int row)
{
    auto* list = static_cast<QListWidget*>(box.widget());
    activate(list);
    if (!reachable(list, "choose a row"))
        return;
    list->scrollToItem(list->item(row));
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void turnWheel(Control& control, int notches)
{
    QWidget* w = control.widget();
    activate(w);
    if (!reachable(w, "turn the wheel"))
        return;
    QWidget* target = mouseTarget(w);
    const QPointF at = QRectF(target->rect()).center();
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

} // namespace zt::User
