// The lens frames the tests compose, each with the geometry it must have on a 1024 x 768 screen: on the
// raster they are checked against a model of the layout, on real GDI against the raster.
#pragma once

#include <ostream>

#include "color/value_text.h"
#include "lens/lens_frame.h"

struct FrameCase {
    std::int32_t clientWidth, clientHeight, zoom;
    Point pick;
    std::int32_t invert;
    DisplayMode mode;
    ColorRef color;
    bool copyFails;
    LensGeometry geometry;  // cellsX, cellsY, frameWidth, frameHeight, sourceX, sourceY, crossX, crossY
};

// Neighbouring rows differ in one or two settings; boundaries sit next to each other.
inline constexpr FrameCase FRAME_CASES[] = {
    {150, 100, 5, {500, 400}, 0, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, 485, 390, 77, 52}},
    {150, 100, 5, {500, 400}, 1, MODE_HSB, 0x00563412, false, {30, 20, 150, 100, 485, 390, 77, 52}},
    {152, 103, 5, {500, 400}, 0, MODE_RGB, 0x000000FF, false, {31, 21, 155, 105, 485, 390, 77, 52}},
    {100, 100, 7, {500, 400}, 1, MODE_COLORREF, 0x000000FF, false, {15, 15, 105, 105, 493, 393, 52, 52}},
    {150, 100, 4, {500, 400}, 0, MODE_SCREEN_COORDS, 0x00FFFFFF, false, {38, 25, 152, 100, 481, 388, 78, 50}},
    {150, 100, 1, {500, 400}, 0, MODE_HTML, 0x00000000, false, {150, 100, 150, 100, 425, 350, 75, 50}},
    {150, 100, 5, {10, 2}, 0, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, 0, 0, 52, 12}},  // row under the text
    {150, 100, 5, {16, 11}, 0, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, 1, 1, 77, 52}},
    {150, 100, 5, {1010, 759}, 1, MODE_HTML, 0xFFFFFFFF, false, {30, 20, 150, 100, 994, 748, 82, 57}},
    {150, 100, 5, {1500, 400}, 0, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, 994, 390, 2532, 52}},
    {150, 100, 31, {65535, 65535}, 0, MODE_HTML, 0x00563412, false, {5, 4, 155, 124, 1019, 764, 2000011, 2007916}},
    {1100, 60, 1, {1023, 30}, 1, MODE_HTML, 0x00563412, false, {1100, 60, 1100, 60, -76, 0, 1099, 30}},
    {60, 800, 1, {500, 0}, 0, MODE_HTML, 0x00563412, false, {60, 800, 60, 800, 470, -32, 30, 32}},
    {2, 2, 31, {500, 400}, 0, MODE_HTML, 0x00563412, false, {1, 1, 31, 31, 500, 400, 15, 15}},
    {150, 100, 5, {0, 5}, 0, MODE_HTML, 0x00563412, true, {30, 20, 150, 100, 0, 0, 2, 27}},  // failed copy
    {150, 100, 5, {0, 5}, 0, 0, 0x00563412, true, {30, 20, 150, 100, 0, 0, 2, 27}},  // and no value text
};

inline std::ostream& operator<<(std::ostream& out, const FrameCase& c)
{
    return out << c.clientWidth << " x " << c.clientHeight << " at zoom " << c.zoom << ", pick " << c.pick.x << ", "
               << c.pick.y << ", invert " << c.invert << ", mode " << c.mode << (c.copyFails ? ", failed copy" : "");
}
