#pragma once
#include "platform/Controls.h"
#include <QColor>
#include <gtest/gtest.h>

namespace zt::test {

// What a control shows, as far as a test can tell from its pixels inside the border.
struct Look {
    QColor background; // the most common colour
    int darkestInk = 255; // lightness of the darkest pixel that is not background
    int inkLines = 0; // bands of rows holding ink: the lines of a caption
    bool inkAtEdge = false; // ink reaches the left or right edge: a caption cut off

    // Grey text, as a disabled control shows it: nothing near black, which enabled text is.
    bool greyed() const { return darkestInk >= 64 && darkestInk < 255; }
};

Look lookOf(const Control& control);

// Whether a control shows its caption or text whole: a caption within the control's width, the
// text of a one-line box within the box, that of a multi-line box without scrolling.
::testing::AssertionResult fitsWhole(const Control& control);

} // namespace zt::test
