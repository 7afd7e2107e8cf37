// The test pattern's colour at a screen point: red = x & 0xFF, green = y & 0xFF, blue = the high
// nibbles of x (low) and y (high), so that every pixel of a screen up to 4096 x 4096 names its place.
#pragma once

#include <cstdint>

struct PatternColor {
    std::uint8_t red, green, blue;
};

constexpr PatternColor patternColorAt(int x, int y)
{
    return {static_cast<std::uint8_t>(x & 0xFF), static_cast<std::uint8_t>(y & 0xFF),
            static_cast<std::uint8_t>(((x >> 8) & 0x0F) | ((y >> 8) & 0x0F) << 4)};
}
