// The colour word of the picker: 0x00BBGGRR, red in the low byte, as the platform's COLORREF.
// A failed screen read yields 0xFFFFFFFF, which is shown like any other colour.
#pragma once

#include <cstdint>

using ColorRef = std::uint32_t;

constexpr std::uint32_t redOf(ColorRef color) { return color & 0xFF; }
constexpr std::uint32_t greenOf(ColorRef color) { return (color >> 8) & 0xFF; }
constexpr std::uint32_t blueOf(ColorRef color) { return (color >> 16) & 0xFF; }

// Each of red, green and blue replaced by 255 minus itself, the top byte zero: how inverted
// pixels and the inverted swatch look.
constexpr ColorRef inverseRgb(ColorRef color) { return ~color & 0x00FFFFFF; }
