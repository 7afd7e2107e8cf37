// Sizes given in pixels at 96 DPI, scaled to a display's DPI so that they keep their size on it. Names
// of such sizes end in AT_96_DPI; the lens's cells are device pixels at any DPI and never scale.
#pragma once

#include <cstdint>

inline constexpr std::int32_t DEFAULT_DPI = 96;

// pixels at 96 DPI scaled to dpi, rounded to the nearest pixel (halves up).
constexpr std::int32_t scaledToDpi(std::int32_t pixelsAt96Dpi, std::int32_t dpi)
{
    return (pixelsAt96Dpi * dpi + DEFAULT_DPI / 2) / DEFAULT_DPI;
}
