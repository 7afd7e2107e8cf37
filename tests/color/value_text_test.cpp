// The five notations byte for byte (an inverted one the journeys copy), and the worked HSB rows whose
// last digits depend on each double operation: ties between channels and halves. 0x00563412 has no two
// bytes alike.
#include "color/value_text.h"

#include <gtest/gtest.h>

TEST(FormatValueText, PrintsEachNotationByteForByte)
{
    struct Case { ColorRef color; DisplayMode mode; const char* text; };
    const Case cases[] = {
        {0x00563412, DisplayMode::ScreenCoords, "X:-100 Y:200 [x5]"},
        {0x00563412, DisplayMode::ColorRefHex, "0x563412"},
        {0x00563412, DisplayMode::Html, "#123456"},
        {0x00563412, DisplayMode::Rgb, "R:18 G:52 B:86"},
        {0x00563412, DisplayMode::Hsb, "H:210 S:79 B:34"},
        // HSB: ties between channels, and hues and percentages on either side of a half.
        {0x0000FFFF, DisplayMode::Hsb, "H:60 S:100 B:100"},   // red and green tie: the red formula
        {0x00FF00FF, DisplayMode::Hsb, "H:300 S:100 B:100"},  // red and blue tie: -60, turned by 360
        {0x00010078, DisplayMode::Hsb, "H:360 S:100 B:47"},   // exactly 359.5
        {0x00252525, DisplayMode::Hsb, "H:0 S:0 B:15"},       // grey: no hue; brightness 14.5098
        {0x007F7FFE, DisplayMode::Hsb, "H:0 S:50 B:100"},     // saturation 0.5: 50.5 truncates to 50
        {0x00483900, DisplayMode::Hsb, "H:193 S:100 B:28"},   // exactly 192.5
        {0x00214800, DisplayMode::Hsb, "H:147 S:100 B:28"},   // 147.49999999999997, not 147.5
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(formatValueText(c.color, 0, -100, 200, 5, c.mode).chars, c.text)
            << std::hex << std::showbase << c.color << " in mode " << static_cast<int>(c.mode);
    }
}
