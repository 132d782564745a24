#pragma once
#include <QColor>
#include <ostream>

namespace zt {

// A colour as the windows name it: &HBBGGRR. Built implicitly from the windows' literal values.
class Colour {
public:
    constexpr Colour(int bgr = 0) : bgr_(bgr) {}
    constexpr int bgr() const { return bgr_; }
    QColor toQColor() const { return QColor(bgr_ & 0xFF, (bgr_ >> 8) & 0xFF, (bgr_ >> 16) & 0xFF); }
    friend constexpr bool operator==(Colour, Colour) = default;

private:
    int bgr_;
};

inline std::ostream& operator<<(std::ostream& os, Colour c)
{
    return os << "&H" << std::hex << std::uppercase << c.bgr() << std::dec << std::nouppercase;
}

namespace Colours {
constexpr Colour White = 0xFFFFFF;
constexpr Colour LightGreen = 0x80FF80;
constexpr Colour PaleGreen = 0xC0FFC0;
constexpr Colour LightOrange = 0xC0E0FF;
constexpr Colour LightRed = 0xC0C0FF;
constexpr Colour Grey = 0xC0C0C0;
constexpr Colour Red = 0xFF;
constexpr Colour Yellow = 0xFFFF;
} // namespace Colours

} // namespace zt
