// The value text: the one line the lens writes over its image and the Copy command copies,
// in one of five notations chosen by the display mode.
#pragma once

#include <cstddef>
#include <cstdint>

#include "color/color.h"
#include "lens/plain_types.h"
#include "resource_ids.h"

// One of MODE_SCREEN_COORDS .. MODE_HSB (2001-2005), which are also the commands that select them.
using DisplayMode = std::int32_t;

// 64 bytes, zero-terminated. The longest text, screen coordinates with three 11-character
// numbers, has 42 characters.
inline constexpr std::size_t VALUE_TEXT_SIZE = 64;

struct ValueText {
    char chars[VALUE_TEXT_SIZE];
};

// Formats color (its bitwise inverse when invert is non-zero), or for MODE_SCREEN_COORDS the point
// and the zoom, in the notation of mode; any other mode gives the empty text.
ValueText formatValueText(ColorRef color, std::int32_t invert, Point point, std::int32_t zoom,
                          DisplayMode mode);

// The F3 order: 2001 -> 2002 -> 2003 -> 2004 -> 2005 -> 2001.
DisplayMode nextDisplayMode(DisplayMode mode);
