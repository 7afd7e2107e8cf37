// The frame's layout at 96 DPI, scaled to a DPI: a 16-pixel swatch at (6, 4), the value text right of
// it with a one-pixel outline, the error text below it, and a 13-pixel font.
#include "lens/lens_layout.h"

#include "lens/dpi.h"

namespace {

constexpr Rect SWATCH_AT_96_DPI = {6, 4, 22, 20};
constexpr Point VALUE_TEXT_AT_96_DPI = {24, 4};
constexpr std::int32_t OUTLINE_AT_96_DPI = 1;
constexpr Point ERROR_TEXT_AT_96_DPI = {7, 24};
constexpr std::int32_t FONT_HEIGHT_AT_96_DPI = 13;

}  // namespace

LensLayout lensLayoutFor(std::int32_t dpi)
{
    const auto scaled = [dpi](std::int32_t pixelsAt96Dpi) { return scaledToDpi(pixelsAt96Dpi, dpi); };
    const auto scaledPoint = [&](Point p) { return Point{scaled(p.x), scaled(p.y)}; };
    const Rect& swatch = SWATCH_AT_96_DPI;
    return {{scaled(swatch.left), scaled(swatch.top), scaled(swatch.right), scaled(swatch.bottom)},
            scaledPoint(VALUE_TEXT_AT_96_DPI), scaled(OUTLINE_AT_96_DPI), scaledPoint(ERROR_TEXT_AT_96_DPI),
            scaled(FONT_HEIGHT_AT_96_DPI)};
}
