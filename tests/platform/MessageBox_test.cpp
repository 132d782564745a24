#include "platform/Services.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zt;

namespace {
struct SeenBox {
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};

// Shows the real message box, looks at it as the user sees it and clicks the named button.
int showAndClick(const QString& prompt, int style, const QString& title, const QString& click, SeenBox& seen)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen.icon = box->icon();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == click)
                b->click();
    });
    return MsgBox(prompt, style, title);
}
} // namespace

TEST(RealMessageBox, StylesGiveButtonsIconAndDefaultButton)
{
    Services::installReal();
    const QString yes = QStringLiteral("Ja"), no = QStringLiteral("Nein"), cancel = QStringLiteral("Abbrechen"),
                  ok = QStringLiteral("OK");
    // Every style the windows use, by its number and by the flags the code writes.
    struct Case { int number; int style; QStringList buttons; QMessageBox::Icon icon; QString defaultButton; QString click; int result; };
    const Case cases[] = {
        {0, vbOKOnly, {ok}, QMessageBox::NoIcon, ok, ok, vbOK},
        {16, vbCritical, {ok}, QMessageBox::Critical, ok, ok, vbOK},
        {20, vbYesNo | vbCritical, {yes, no}, QMessageBox::Critical, yes, no, vbNo},
        {35, vbYesNoCancel | vbQuestion, {yes, no, cancel}, QMessageBox::Question, yes, cancel, vbCancel},
        {36, vbYesNo | vbQuestion, {yes, no}, QMessageBox::Question, yes, yes, vbYes},
        {48, vbExclamation, {ok}, QMessageBox::Warning, ok, ok, vbOK},
        {292, vbYesNo | vbQuestion | vbDefaultButton2, {yes, no}, QMessageBox::Question, no, yes, vbYes},
        {308, vbYesNo | vbExclamation | vbDefaultButton2, {yes, no}, QMessageBox::Warning, no, no, vbNo},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.style, c.number);
        SeenBox seen;
        EXPECT_EQ(showAndClick(QStringLiteral("Frage"), c.style, QString(), c.click, seen), c.result) << c.style;
        EXPECT_EQ(seen.buttons, c.buttons) << c.style;
        EXPECT_EQ(seen.icon, c.icon) << c.style;
        EXPECT_EQ(seen.defaultButton, c.defaultButton) << c.style;
        EXPECT_EQ(seen.title, QStringLiteral("Zeugnistexte")) << c.style;
    }
}

TEST(RealMessageBox, ThePromptIsShownAsPlainTextWithItsLineBreaks)
{
    Services::installReal();
    SeenBox seen;
    const QString prompt = QStringLiteral("<b>Vorsicht</b> bei <Vorname>:\r\nWollen Sie das?");
    showAndClick(prompt, vbExclamation, QStringLiteral("Hinweis"), QStringLiteral("OK"), seen);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, QStringLiteral("<b>Vorsicht</b> bei <Vorname>:\nWollen Sie das?"));
    EXPECT_EQ(seen.title, QStringLiteral("Hinweis"));
}
