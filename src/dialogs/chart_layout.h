// Where the colour chart's 216 cells lie and which colour each one has: six blocks of 6 x 6 cells
// of 16 x 16 pixels, the blue level picking the block, green rising rightwards and red downwards.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "lens/plain_types.h"

inline constexpr std::uint8_t chartLevels[6] = {0, 56, 104, 152, 200, 255};
inline constexpr Rect chartRect = {7, 7, 295, 199};  // exactly the cells; the hover and click area
inline constexpr std::int32_t CHART_CELL_SIZE = 16;

// The cell of red, green and blue level indices (each 0-5), in dialog client pixels.
constexpr Rect chartCellRect(int red, int green, int blue)
{
    const std::int32_t left = chartRect.left + CHART_CELL_SIZE * (green + 6 * (blue % 3));
    const std::int32_t top = chartRect.top + CHART_CELL_SIZE * (red + 6 * (blue / 3));
    return {left, top, left + CHART_CELL_SIZE, top + CHART_CELL_SIZE};
}

constexpr ColorRef chartCellColor(int red, int green, int blue)
{
    return chartLevels[red] | chartLevels[green] << 8 | static_cast<ColorRef>(chartLevels[blue]) << 16;
}
