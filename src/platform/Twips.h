#pragma once

namespace zt {

// Window geometry is given in twips; 15 twips make one pixel.
constexpr int TwipsPerPixel = 15;
constexpr int toPixels(int twips) { return twips / TwipsPerPixel; }
constexpr int toTwips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace zt
