// The value text: the one line the lens writes over its image and the Copy command copies, in one of
// five notations chosen by the display mode.
#pragma once

#include <cstddef>
#include <cstdint>

#include "color/color.h"

// The notations in their F3 order; the commands map them to their menu items.
enum class DisplayMode { ScreenCoords, ColorRefHex, Html, Rgb, Hsb };

// 64 bytes, zero-terminated. The longest text, screen coordinates with three 11-character numbers,
// has 42 characters.
inline constexpr std::size_t VALUE_TEXT_SIZE = 64;

struct ValueText {
    char chars[VALUE_TEXT_SIZE];
};

// Formats color (its bitwise inverse when invert is non-zero), or for the screen coordinates the point
// (x, y) and the zoom, in the notation of mode.
ValueText formatValueText(ColorRef color, std::int32_t invert, std::int32_t x, std::int32_t y, std::int32_t zoom,
                          DisplayMode mode);

// The F3 order: each notation's successor, the last followed by the first.
DisplayMode nextDisplayMode(DisplayMode mode);
