// The five value notations byte for byte, with and without inversion, the worked HSB examples whose last
// digits depend on each double operation, and the F3 order. The sample 0x00563412 has no two bytes alike.
#include "color/value_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr ColorRef SAMPLE = 0x00563412;

struct FormatCase {
    ColorRef color;
    std::int32_t invert;
    Point point;
    std::int32_t zoom;
    DisplayMode mode;
    const char* text;
};

const FormatCase FORMAT_CASES[] = {
    {SAMPLE, 0, {100, 200}, 5, MODE_SCREEN_COORDS, "X:100 Y:200 [x5]"},
    {SAMPLE, 0, {100, 200}, 5, MODE_COLORREF, "0x563412"},
    {SAMPLE, 0, {100, 200}, 5, MODE_HTML, "#123456"},
    {SAMPLE, 0, {100, 200}, 5, MODE_RGB, "R:18 G:52 B:86"},
    {SAMPLE, 0, {100, 200}, 5, MODE_HSB, "H:210 S:79 B:34"},
    // Inverted, the value formatted is 0xFFA9CBED; the coordinates do not change.
    {SAMPLE, 1, {100, 200}, 5, MODE_SCREEN_COORDS, "X:100 Y:200 [x5]"},
    {SAMPLE, 1, {100, 200}, 5, MODE_COLORREF, "0xA9CBED"},
    {SAMPLE, 1, {100, 200}, 5, MODE_HSB, "H:30 S:29 B:93"},
    {SAMPLE, -7, {0, 0}, 1, MODE_HTML, "#EDCBA9"},  // any non-zero flag inverts
    // The failed-read value, plain and inverted; the top byte is never printed.
    {0xFFFFFFFF, 0, {0, 0}, 1, MODE_COLORREF, "0xFFFFFF"},
    {0xFFFFFFFF, 1, {0, 0}, 1, MODE_HTML, "#000000"},
    // Decimal without padding, up to the longest text of 42 characters.
    {SAMPLE, 0, {INT_MIN, -1}, INT_MAX, MODE_SCREEN_COORDS, "X:-2147483648 Y:-1 [x2147483647]"},
    {SAMPLE, 0, {INT_MIN, INT_MIN}, INT_MIN, MODE_SCREEN_COORDS, "X:-2147483648 Y:-2147483648 [x-2147483648]"},
    // The worked HSB examples: ties between channels, greys, and hues on either side of a half.
    {0x0000FF00, 0, {0, 0}, 1, MODE_HSB, "H:120 S:100 B:100"},
    {0x00FF0000, 0, {0, 0}, 1, MODE_HSB, "H:240 S:100 B:100"},
    {0x0000FFFF, 0, {0, 0}, 1, MODE_HSB, "H:60 S:100 B:100"},    // red and green tie: the red formula
    {0x00FF00FF, 0, {0, 0}, 1, MODE_HSB, "H:300 S:100 B:100"},   // red and blue tie: -60, turned by 360
    {0x00000000, 0, {0, 0}, 1, MODE_HSB, "H:0 S:0 B:0"},         // black: no division
    {0x00808080, 0, {0, 0}, 1, MODE_HSB, "H:0 S:0 B:50"},        // grey: no hue
    {0x000100FF, 0, {0, 0}, 1, MODE_HSB, "H:360 S:100 B:100"},   // 359.76 rounds up to 360
    {0x00010078, 0, {0, 0}, 1, MODE_HSB, "H:360 S:100 B:47"},    // exactly 359.5
    {0x007F7FFE, 0, {0, 0}, 1, MODE_HSB, "H:0 S:50 B:100"},      // saturation 0.5: 50.5 truncates to 50
    {0x00483900, 0, {0, 0}, 1, MODE_HSB, "H:193 S:100 B:28"},    // exactly 192.5
    {0x00214800, 0, {0, 0}, 1, MODE_HSB, "H:147 S:100 B:28"},    // 147.49999999999997, not 147.5
    // Modes outside 2001-2005 give the empty text.
    {SAMPLE, 0, {1, 2}, 5, MODE_SCREEN_COORDS - 1, ""},
    {SAMPLE, 0, {1, 2}, 5, MODE_HSB + 1, ""},
};

TEST(FormatValueText, PrintsEachNotationByteForByte)
{
    for (const FormatCase& c : FORMAT_CASES) {
        EXPECT_STREQ(formatValueText(c.color, c.invert, c.point, c.zoom, c.mode).chars, c.text)
            << "mode " << c.mode << ", invert " << c.invert;
    }
}

TEST(NextDisplayMode, CyclesThroughTheFiveNotations)
{
    const DisplayMode cases[][2] = {
        {MODE_SCREEN_COORDS, MODE_COLORREF},
        {MODE_HSB, MODE_SCREEN_COORDS},
        {INT_MAX, MODE_SCREEN_COORDS},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextDisplayMode(c[0]), c[1]) << "from " << c[0];
    }
}

}  // namespace
