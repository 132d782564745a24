#include "Looks.h"
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
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

::testing::AssertionResult fitsWhole(const Control& control)
{
    const QWidget* w = control.widget();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
        // The lines laid out up to the last one that shows text; empty lines after it show nothing.
        int lines = 0;
        int textLines = 0;
        for (QTextBlock b = plain->document()->begin(); b.isValid(); b = b.next()) {
            lines += b.lineCount();
            if (!b.text().isEmpty())
                textLines = lines;
        }
        const int room = plain->viewport()->height() - 2 * static_cast<int>(plain->document()->documentMargin());
        const int needed = textLines * QFontMetrics(w->font()).lineSpacing();
        if (needed <= room)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << needed << " pixels high for " << room << ": "
                                             << plain->toPlainText().toStdString();
    }
    int needed = w->sizeHint().width();
    const QString shown = w->property("text").toString();
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) {
        // The frame, and the margin a line edit keeps on either side of its text.
        const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        needed = QFontMetrics(w->font()).horizontalAdvance(line->text()) + 2 * (frame + 2);
    }
    if (needed <= w->width())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << needed << " pixels for " << w->width() << ": " << shown.toStdString();
}

} // namespace zt::test
