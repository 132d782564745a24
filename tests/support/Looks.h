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

// Whether the control has room for the whole of its caption or text: a button's, option's, check
// box's or label's wrapped at its blanks into the control's height, a one-line box's or a frame's
// on one line, a multi-line box's without scrolling, and the control not cut off by a frame around it. Says what is cut where not.
::testing::AssertionResult showsWholeText(const Control& control);

} // namespace zt::test
