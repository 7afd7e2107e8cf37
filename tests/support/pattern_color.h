// The test pattern of every screen the tests use: each pixel's colour names its own place, with all
// three bytes in play: red = x & 0xFF, green = y & 0xFF, blue = the high nibbles of x (low) and y (high).
#pragma once

#include "color/color.h"

// Distinct for every point of a screen up to 4096 x 4096, negative coordinates included.
constexpr ColorRef patternColorAt(int x, int y)
{
    return static_cast<ColorRef>((x & 0xFF) | (y & 0xFF) << 8 | ((x >> 8 & 0x0F) | (y >> 8 & 0x0F) << 4) << 16);
}
