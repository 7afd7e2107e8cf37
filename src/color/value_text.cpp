// Formats the five notations of the value text with the printf conventions the platform's
// wsprintfA shares: upper-case zero-padded hex, decimal without padding.
#include "color/value_text.h"

#include <cstdio>

#include "color/hsb.h"

ValueText formatValueText(ColorRef color, std::int32_t invert, std::int32_t x, std::int32_t y, std::int32_t zoom,
                          DisplayMode mode)
{
    const ColorRef shown = invert != 0 ? ~color : color;
    const unsigned red = redOf(shown);
    const unsigned green = greenOf(shown);
    const unsigned blue = blueOf(shown);

    ValueText text{};
    char* const out = text.chars;
    switch (mode) {
    case DisplayMode::ScreenCoords:
        std::snprintf(out, VALUE_TEXT_SIZE, "X:%ld Y:%ld [x%ld]", static_cast<long>(x), static_cast<long>(y),
                      static_cast<long>(zoom));
        break;
    case DisplayMode::ColorRefHex:
        std::snprintf(out, VALUE_TEXT_SIZE, "0x%06X", static_cast<unsigned>(shown & 0xFFFFFF));
        break;
    case DisplayMode::Html:
        std::snprintf(out, VALUE_TEXT_SIZE, "#%02X%02X%02X", red, green, blue);
        break;
    case DisplayMode::Rgb:
        std::snprintf(out, VALUE_TEXT_SIZE, "R:%d G:%d B:%d", static_cast<int>(red),
                      static_cast<int>(green), static_cast<int>(blue));
        break;
    case DisplayMode::Hsb: {
        const HsbDisplayValues hsb = hsbDisplayValues(rgbToHsb(shown));
        std::snprintf(out, VALUE_TEXT_SIZE, "H:%d S:%d B:%d", hsb.hue, hsb.saturation,
                      hsb.brightness);
        break;
    }
    }
    return text;
}

DisplayMode nextDisplayMode(DisplayMode mode)
{
    return mode == DisplayMode::Hsb ? DisplayMode::ScreenCoords : static_cast<DisplayMode>(static_cast<int>(mode) + 1);
}
