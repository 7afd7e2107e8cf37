// The small value types of the rules, in place of the platform's POINT and RECT, with the same widths
// and meaning; the Win32 shell converts them at its edge.
#pragma once

#include <cstdint>

// A point in pixels; coordinates are signed 32-bit, as the platform's.
struct Point {
    std::int32_t x;
    std::int32_t y;
};

// A rectangle in pixels: left and top inclusive, right and bottom exclusive.
struct Rect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};
