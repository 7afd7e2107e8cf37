// The screens, layouts and lens frames the tests compose, each frame with the geometry it must have:
// the native tests check the geometry, the Windows tests the pixels real GDI draws from them.
#pragma once

#include <ostream>
#include <utility>

#include "color/value_text.h"
#include "lens/lens_frame.h"

inline constexpr std::int32_t SCREEN_WIDTH = 1024;
inline constexpr std::int32_t SCREEN_HEIGHT = 768;
inline constexpr Rect PRIMARY = {0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
// A second display of 640 x 480 left of the primary and 120 pixels higher: the virtual screen around
// the two also holds places on no display, below the left one and above the primary.
inline constexpr Rect TWO_DISPLAYS = {-640, -120, SCREEN_WIDTH, SCREEN_HEIGHT};

// The layout in pixels at 96 DPI, and scaled at higher ones: the swatch, the value text's origin and
// outline, the error text's origin and the value font's character height.
inline const std::pair<std::int32_t, LensLayout> LAYOUTS[] = {
    {96, {{6, 4, 22, 20}, {24, 4}, 1, {7, 24}, 13}},
    {120, {{8, 5, 28, 25}, {30, 5}, 1, {9, 30}, 16}},
    {144, {{9, 6, 33, 30}, {36, 6}, 2, {11, 36}, 20}},
    {192, {{12, 8, 44, 40}, {48, 8}, 2, {14, 48}, 26}},
};

struct FrameCase {
    std::int32_t clientWidth, clientHeight, zoom;
    Point pick;
    std::int32_t invert;
    DisplayMode mode;
    ColorRef color;
    bool copyFails;
    LensGeometry geometry;  // cellsX, cellsY, frameWidth, frameHeight, sourceX, sourceY, crossX, crossY
};

// Frames on the primary display alone. Neighbouring rows differ in one or two settings; boundaries
// sit next to each other.
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

// Frames on TWO_DISPLAYS, whose copy reaches the left display and places on no display.
inline constexpr FrameCase TWO_DISPLAY_CASES[] = {
    {150, 100, 5, {-640, -120}, 0, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, -640, -120, 2, 2}},
    {150, 100, 5, {-20, 350}, 1, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, -35, 340, 77, 52}},
    {150, 100, 5, {1023, 767}, 0, MODE_SCREEN_COORDS, 0x00563412, false, {30, 20, 150, 100, 994, 748, 147, 97}},
    {1700, 60, 1, {0, 0}, 0, MODE_HTML, 0x00563412, false, {1700, 60, 1700, 60, -676, -30, 676, 30}},
};

inline std::ostream& operator<<(std::ostream& out, const FrameCase& c)
{
    return out << c.clientWidth << " x " << c.clientHeight << " at zoom " << c.zoom << ", pick " << c.pick.x << ", "
               << c.pick.y << ", invert " << c.invert << ", mode " << c.mode << (c.copyFails ? ", failed copy" : "");
}
