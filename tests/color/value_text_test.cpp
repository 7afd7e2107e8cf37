// Tests of the five value notations, byte for byte, with and without inversion,
// and of the F3 order through them.
#include "color/value_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

constexpr ColorRef SAMPLE = 0x00563412;  // red 0x12, green 0x34, blue 0x56

struct FormatCase {
    ColorRef color;
    std::int32_t invert;
    Point point;
    std::int32_t zoom;
    DisplayMode mode;
    const char* text;
};

const FormatCase FORMAT_CASES[] = {
    // The notation table, inversion off.
    {SAMPLE, 0, {100, 200}, 5, MODE_SCREEN_COORDS, "X:100 Y:200 [x5]"},
    {SAMPLE, 0, {100, 200}, 5, MODE_COLORREF, "0x563412"},
    {SAMPLE, 0, {100, 200}, 5, MODE_HTML, "#123456"},
    {SAMPLE, 0, {100, 200}, 5, MODE_RGB, "R:18 G:52 B:86"},
    {SAMPLE, 0, {100, 200}, 5, MODE_HSB, "H:210 S:79 B:34"},
    // Inverted: the value formatted is 0xFFA9CBED; the coordinates do not change.
    {SAMPLE, 1, {100, 200}, 5, MODE_SCREEN_COORDS, "X:100 Y:200 [x5]"},
    {SAMPLE, 1, {100, 200}, 5, MODE_COLORREF, "0xA9CBED"},
    {SAMPLE, 1, {100, 200}, 5, MODE_HTML, "#EDCBA9"},
    {SAMPLE, 1, {100, 200}, 5, MODE_RGB, "R:237 G:203 B:169"},
    {SAMPLE, 1, {100, 200}, 5, MODE_HSB, "H:30 S:29 B:93"},
    {SAMPLE, -7, {0, 0}, 1, MODE_HTML, "#EDCBA9"},  // any non-zero flag inverts
    // Pure red: COLORREF order is blue first, HTML order red first.
    {0x000000FF, 0, {0, 0}, 1, MODE_COLORREF, "0x0000FF"},
    {0x000000FF, 0, {0, 0}, 1, MODE_HTML, "#FF0000"},
    // The failed-read value, plain and inverted; the top byte is never printed.
    {0xFFFFFFFF, 0, {0, 0}, 1, MODE_COLORREF, "0xFFFFFF"},
    {0xFFFFFFFF, 0, {0, 0}, 1, MODE_HTML, "#FFFFFF"},
    {0xFFFFFFFF, 0, {0, 0}, 1, MODE_RGB, "R:255 G:255 B:255"},
    {0xFFFFFFFF, 0, {0, 0}, 1, MODE_HSB, "H:0 S:0 B:100"},
    {0xFFFFFFFF, 1, {0, 0}, 1, MODE_COLORREF, "0x000000"},
    {0xFFFFFFFF, 1, {0, 0}, 1, MODE_HTML, "#000000"},
    {0xFFFFFFFF, 1, {0, 0}, 1, MODE_RGB, "R:0 G:0 B:0"},
    {0xFFFFFFFF, 1, {0, 0}, 1, MODE_HSB, "H:0 S:0 B:0"},
    {0x7F000001, 0, {0, 0}, 1, MODE_COLORREF, "0x000001"},
    // Decimal without leading zeros or blanks, at both ends of the 32-bit range.
    {SAMPLE, 0, {0, 0}, 31, MODE_SCREEN_COORDS, "X:0 Y:0 [x31]"},
    {SAMPLE, 0, {65535, 65535}, 1, MODE_SCREEN_COORDS, "X:65535 Y:65535 [x1]"},
    {SAMPLE, 0, {INT_MIN, INT_MIN}, INT_MIN, MODE_SCREEN_COORDS,
     "X:-2147483648 Y:-2147483648 [x-2147483648]"},
    {SAMPLE, 0, {INT_MAX, -1}, INT_MAX, MODE_SCREEN_COORDS, "X:2147483647 Y:-1 [x2147483647]"},
    // Modes outside 2001-2005 give the empty text.
    {SAMPLE, 0, {1, 2}, 5, MODE_SCREEN_COORDS - 1, ""},
    {SAMPLE, 0, {1, 2}, 5, MODE_HSB + 1, ""},
    {SAMPLE, 0, {1, 2}, 5, 0, ""},
    {SAMPLE, 0, {1, 2}, 5, INT_MIN, ""},
};

TEST(FormatValueText, PrintsEachNotationByteForByte)
{
    for (const FormatCase& c : FORMAT_CASES) {
        const ValueText text = formatValueText(c.color, c.invert, c.point, c.zoom, c.mode);
        ASSERT_NE(std::memchr(text.chars, '\0', VALUE_TEXT_SIZE), nullptr);
        EXPECT_STREQ(text.chars, c.text) << "mode " << c.mode << ", invert " << c.invert;
    }
}

TEST(FormatValueText, LongestTextFitsWithItsTerminator)
{
    const ValueText text =
        formatValueText(SAMPLE, 0, {INT_MIN, INT_MIN}, INT_MIN, MODE_SCREEN_COORDS);
    EXPECT_EQ(std::strlen(text.chars), 42u);
}

TEST(NextDisplayMode, CyclesThroughTheFiveNotations)
{
    const DisplayMode cases[][2] = {
        {MODE_SCREEN_COORDS, MODE_COLORREF},
        {MODE_COLORREF, MODE_HTML},
        {MODE_HTML, MODE_RGB},
        {MODE_RGB, MODE_HSB},
        {MODE_HSB, MODE_SCREEN_COORDS},
        {INT_MAX, MODE_SCREEN_COORDS},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextDisplayMode(c[0]), c[1]) << "from " << c[0];
    }
}

}  // namespace
