#include "Looks.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QWidget>
#include <cstdlib>
#include <map>

namespace zt::test {

namespace {
// The frame and the shading next to it belong to the style, not to what the control shows.
constexpr int Border = 4;
// Antialiased edges of letters differ from the background by less.
constexpr int InkContrast = 40;

bool isInk(QColor pixel, QColor background)
{
    return std::abs(pixel.red() - background.red()) > InkContrast || std::abs(pixel.green() - background.green()) > InkContrast
           || std::abs(pixel.blue() - background.blue()) > InkContrast;
}
} // namespace

Look lookOf(const Control& control)
{
    QWidget* w = control.widget();
    w->window()->show();
    QApplication::processEvents();
    const QImage image = w->grab().toImage();
    const QRect inside = image.rect().adjusted(Border, Border, -Border, -Border);
    std::map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    Look look;
    QRgb most = 0;
    int mostCount = 0;
    for (const auto& [rgb, count] : counts) {
        if (count > mostCount) {
            most = rgb;
            mostCount = count;
        }
    }
    look.background = QColor(most);
    bool previousRowInk = false;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        bool rowInk = false;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel(image.pixel(x, y));
            if (!isInk(pixel, look.background))
                continue;
            rowInk = true;
            look.darkestInk = std::min(look.darkestInk, pixel.lightness());
            if (x == inside.left() || x == inside.right())
                look.inkAtEdge = true;
        }
        if (rowInk && !previousRowInk)
            ++look.inkLines;
        previousRowInk = rowInk;
    }
    return look;
}

namespace {
// Where the control draws its caption or text, whether it wraps there, and what it draws.
struct TextRoom {
    QString text;
    QRect room;
    bool wraps = false;
};

TextRoom roomOf(const QWidget* w)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        option.icon = b->icon();
        option.iconSize = b->iconSize();
        const auto contents = qobject_cast<const QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                              : qobject_cast<const QCheckBox*>(b) ? QStyle::SE_CheckBoxContents
                                                                   : QStyle::SE_PushButtonContents;
        QRect room = b->style()->subElementRect(contents, &option, b);
        if (!option.icon.isNull())
            room.setWidth(room.width() - option.iconSize.width() - 4);
        return {b->text(), room, true};
    }
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        const int margin = l->margin();
        return {l->text(), l->contentsRect().adjusted(margin, margin, -margin, -margin), l->wordWrap()};
    }
    if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(e);
        option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e) : 0;
        const QMargins text = e->textMargins();
        // The line edit keeps two pixels free on either side of its text.
        const QRect room = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e)
                               .adjusted(text.left() + 2, text.top(), -text.right() - 2, -text.bottom());
        return {e->text(), room, false};
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        // The title stands inside the frame's border, a little in from its left.
        const int inset = g->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 6;
        return {g->title(), g->rect().adjusted(inset, 0, -inset, 0), false};
    }
    return {};
}

// A multi-line box shows its text whole when the lines up to the last one with text need no scrolling;
// empty lines after it show nothing.
::testing::AssertionResult showsWholeText(const QPlainTextEdit* plain)
{
    int lines = 0;
    int textLines = 0;
    for (QTextBlock b = plain->document()->begin(); b.isValid(); b = b.next()) {
        lines += b.lineCount();
        if (!b.text().isEmpty())
            textLines = lines;
    }
    const int room = plain->viewport()->height() - 2 * static_cast<int>(plain->document()->documentMargin());
    const int needed = textLines * QFontMetrics(plain->font()).lineSpacing();
    if (needed <= room)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << needed << " pixels high for " << room << ": " << plain->toPlainText().toStdString();
}
} // namespace

::testing::AssertionResult showsWholeText(const Control& control)
{
    const QWidget* w = control.widget();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return showsWholeText(plain);
    const TextRoom r = roomOf(w);
    const QFontMetrics metrics(w->font());
    const QRect needed = r.wraps ? metrics.boundingRect(QRect(0, 0, r.room.width(), 1 << 20), Qt::TextWordWrap, r.text)
                                 : QRect(0, 0, metrics.horizontalAdvance(r.text), metrics.height());
    const auto failure = [&](const QString& what) {
        return ::testing::AssertionFailure() << '"' << r.text.toStdString() << "\" " << what.toStdString();
    };
    if (!r.text.isEmpty() && (needed.width() > r.room.width() || needed.height() > r.room.height()))
        return failure(QStringLiteral("needs %1 x %2 pixels, has %3 x %4")
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(r.room.width())
                           .arg(r.room.height()));
    for (const QWidget* c = w; !c->isWindow(); c = c->parentWidget())
        if (!c->parentWidget()->rect().contains(c->geometry()))
            return failure(QStringLiteral("is cut off by the %1 around it").arg(QString::fromLatin1(c->parentWidget()->metaObject()->className())));
    return ::testing::AssertionSuccess();
}

} // namespace zt::test
