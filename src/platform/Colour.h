#pragma once
#include <QColor>

namespace zt {

// Colours are kept as the windows name them: &HBBGGRR.
inline QColor toQColor(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int fromQColor(const QColor& c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

namespace Colours {
constexpr int White = 0xFFFFFF;
constexpr int LightGreen = 0x80FF80;
constexpr int PaleGreen = 0xC0FFC0;
constexpr int LightOrange = 0xC0E0FF;
constexpr int LightRed = 0xC0C0FF;
constexpr int Grey = 0xC0C0C0;
constexpr int Red = 0xFF;
constexpr int Yellow = 0xFFFF;
} // namespace Colours

} // namespace zt
