// The test pattern that the journeys show over every display and the pick benchmark reads: each pixel's
// colour names its own place, so that every pixel copied or sampled can be traced.
#pragma once

#include "color/color.h"

// red = x & 0xFF, green = y & 0xFF, blue = the high nibbles of x (low) and y (high): distinct for every
// point of a screen up to 4096 x 4096, negative coordinates included, with all three bytes in play.
constexpr ColorRef patternColorAt(int x, int y)
{
    return static_cast<ColorRef>((x & 0xFF) | (y & 0xFF) << 8 | ((x >> 8 & 0x0F) | (y >> 8 & 0x0F) << 4) << 16);
}
