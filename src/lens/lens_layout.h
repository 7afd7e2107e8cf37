// Where the frame's fixed parts lie at a window's DPI: the swatch, the value text and its font, and a
// failed copy's message. They are pixels at 96 DPI scaled to the DPI, so that they keep their size.
#pragma once

#include <cstdint>

#include "lens/plain_types.h"

struct LensLayout {
    Rect swatch;              // ringed in black, one pixel wide
    Point valueText;          // the value text's origin
    std::int32_t outline;     // how far the value text's white outline lies off it, each diagonal
    Point errorText;          // the origin of a failed copy's message
    std::int32_t fontHeight;  // the value font's character height
};

LensLayout lensLayoutFor(std::int32_t dpi);
