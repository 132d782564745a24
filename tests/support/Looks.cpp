#include "Looks.h"
#include <QApplication>
#include <QImage>
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

} // namespace zt::test
