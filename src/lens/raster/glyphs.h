// A tiny built-in 5x7 bitmap font, so the software raster can draw text without any font files.
// Tests render labels and messages with it and compare pixels deterministically.
#pragma once
#include <cstdint>
inline constexpr int GLYPH_WIDTH = 5;   // pixels per glyph row
inline constexpr int GLYPH_HEIGHT = 7;  // rows per glyph
// The rows of the glyph for one single-byte character, top row first; bit 4 of a row is the
// leftmost pixel, bit 0 the rightmost. Lower-case letters share the upper-case shapes; any
// character without a shape of its own (including bytes 0x80-0xFF) gets a hollow box.
const std::uint8_t* glyphRows(unsigned char character);
