// Where the colour chart's 216 cells lie and which colour each one has: six blocks of 6 x 6 cells,
// the blue level picking the block, green rising rightwards and red downwards.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "lens/dpi.h"
#include "lens/plain_types.h"

inline constexpr std::uint8_t chartLevels[6] = {0, 56, 104, 152, 200, 255};

// The cells are placed in pixels: 16 x 16 from (7, 7) at 96 DPI, scaled with the dialog's DPI.
inline constexpr std::int32_t CHART_CELL_SIZE_AT_96_DPI = 16;
inline constexpr std::int32_t CHART_MARGIN_AT_96_DPI = 7;
constexpr std::int32_t chartCellSize(std::int32_t dpi) { return scaledToDpi(CHART_CELL_SIZE_AT_96_DPI, dpi); }
constexpr std::int32_t chartMargin(std::int32_t dpi) { return scaledToDpi(CHART_MARGIN_AT_96_DPI, dpi); }

// Exactly the cells, 18 across and 12 down: the hover and click area.
constexpr Rect chartRect(std::int32_t dpi)
{
    return {chartMargin(dpi), chartMargin(dpi), chartMargin(dpi) + 18 * chartCellSize(dpi),
            chartMargin(dpi) + 12 * chartCellSize(dpi)};
}

// The cell of red, green and blue level indices (each 0-5), in dialog client pixels.
constexpr Rect chartCellRect(int red, int green, int blue, std::int32_t dpi)
{
    const std::int32_t left = chartMargin(dpi) + chartCellSize(dpi) * (green + 6 * (blue % 3));
    const std::int32_t top = chartMargin(dpi) + chartCellSize(dpi) * (red + 6 * (blue / 3));
    return {left, top, left + chartCellSize(dpi), top + chartCellSize(dpi)};
}

constexpr ColorRef chartCellColor(int red, int green, int blue)
{
    return chartLevels[red] | chartLevels[green] << 8 | static_cast<ColorRef>(chartLevels[blue]) << 16;
}
