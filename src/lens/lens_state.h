// What the lens shows: the pick point and its colour, the zoom, the notation and the display it is on.
// The Win32 shell holds the one record and hands its fields to the rules, which take values.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "color/value_text.h"
#include "lens/dpi.h"
#include "lens/plain_types.h"
#include "lens/zoom.h"

struct LensState {
    std::int32_t zoom = 5;              // each screen pixel is a zoom x zoom cell; >= 1
    std::int32_t zoomMax = ZOOM_LIMIT;  // ceiling of zoom and of the scroll range; 1..31
    DisplayMode displayMode = DisplayMode::Html;
    std::int32_t invert = 0;            // lens, swatch and text show inverted colours
    std::int32_t dpi = DEFAULT_DPI;     // the window's dots per inch, which the frame's layout follows
    Rect screen = {};                   // the virtual screen, which holds every display
    Point pickPoint = {0, 0};           // screen point under examination, in screen coordinates
    ColorRef currentColor = 0;          // sampled when the pick point moves, never when painting
};

// The text the lens writes for its state, and so the one Copy copies.
inline ValueText lensValueText(const LensState& lens)
{
    return formatValueText(lens.currentColor, lens.invert, lens.pickPoint.x, lens.pickPoint.y, lens.zoom,
                           lens.displayMode);
}
