// Screens of known pixels for the tests: each pixel's colour encodes its own coordinates,
// with all three bytes in play, so that any copied or sampled pixel can be traced to its place.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "lens/raster/raster_platform.h"

// Distinct for every point of a screen up to 4096 x 4096.
inline ColorRef patternColorAt(std::int32_t x, std::int32_t y)
{
    return static_cast<ColorRef>((x & 0xFFF) | (y & 0xFFF) << 12) ^ 0x00563412;
}

inline RasterImage patternScreen(std::int32_t width, std::int32_t height)
{
    RasterImage screen(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            screen.at(x, y) = patternColorAt(x, y);
        }
    }
    return screen;
}
