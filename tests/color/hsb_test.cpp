// Tests of the HSB conversion and its display rounding: the worked examples, whose last digits
// depend on each double operation being rounded as written, and the channel scale constant.
#include "color/hsb.h"

#include <gtest/gtest.h>

#include <cstring>

#include "color/value_text.h"

namespace {

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

ColorRef rgb(unsigned red, unsigned green, unsigned blue) { return red | green << 8 | blue << 16; }

std::string hsbText(ColorRef color)
{
    return formatValueText(color, 0, {0, 0}, 1, MODE_HSB).chars;
}

TEST(ChannelScale, IsTheDoubleNearestToOne255th)
{
    EXPECT_EQ(bitsOf(CHANNEL_SCALE), 0x3F70101010101010u);
    EXPECT_EQ(255 * CHANNEL_SCALE, 1.0);
}

TEST(ChannelScale, DiffersFromDividingBy255ForTwentyFourBytesFirst33)
{
    int differing = 0;
    int first = -1;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte * CHANNEL_SCALE != byte / 255.0) {
            ++differing;
            first = first < 0 ? byte : first;
        }
    }
    EXPECT_EQ(differing, 24);
    EXPECT_EQ(first, 33);
}

struct WorkedExample {
    unsigned red, green, blue;
    const char* text;
};

// Every row of the worked-example table, with the text the HSB notation prints.
const WorkedExample WORKED_EXAMPLES[] = {
    {255, 0, 0, "H:0 S:100 B:100"},      {0, 255, 0, "H:120 S:100 B:100"},
    {0, 0, 255, "H:240 S:100 B:100"},    {255, 255, 0, "H:60 S:100 B:100"},
    {255, 0, 255, "H:300 S:100 B:100"},  {0, 0, 0, "H:0 S:0 B:0"},
    {128, 128, 128, "H:0 S:0 B:50"},     {255, 255, 255, "H:0 S:0 B:100"},
    {255, 0, 128, "H:330 S:100 B:100"},  {255, 0, 1, "H:360 S:100 B:100"},
    {254, 127, 127, "H:0 S:50 B:100"},   {18, 52, 86, "H:210 S:79 B:34"},
    {237, 203, 169, "H:30 S:29 B:93"},   {0, 57, 72, "H:193 S:100 B:28"},
    {0, 72, 33, "H:147 S:100 B:28"},     {120, 0, 1, "H:360 S:100 B:47"},
};

TEST(RgbToHsb, WorkedExamplesPrintTheirTexts)
{
    for (const WorkedExample& example : WORKED_EXAMPLES) {
        EXPECT_EQ(hsbText(rgb(example.red, example.green, example.blue)), example.text)
            << "red " << example.red << ", green " << example.green << ", blue " << example.blue;
    }
}

struct ExactHsb {
    unsigned red, green, blue;
    double hue;
    double saturation;  // NOT_CHECKED where the table gives no exact value
};

constexpr double NOT_CHECKED = -1.0;

// Rows whose doubles are known to the last bit; the hues just below .5 decide the printed digit.
const ExactHsb EXACT_VALUES[] = {
    {255, 255, 0, 60.0, 1.0},                  // red and green tie: the red formula
    {255, 0, 255, 300.0, 1.0},                 // -60 before the turn by 360
    {128, 128, 128, 0.0, 0.0},                 // grey: no hue
    {254, 127, 127, 0.0, 0.5},                 // half saturation prints 50, not 51
    {237, 203, 169, 29.999999999999986, NOT_CHECKED},
    {0, 57, 72, 192.5, 1.0},
    {0, 72, 33, 147.49999999999997, 1.0},      // 147.5 in exact arithmetic
    {120, 0, 1, 359.5, 1.0},                   // -0.5 before the turn: prints 360
};

TEST(RgbToHsb, HuesAndSaturationsAreExactToTheLastBit)
{
    for (const ExactHsb& row : EXACT_VALUES) {
        const HsbColor hsb = rgbToHsb(rgb(row.red, row.green, row.blue));
        EXPECT_EQ(hsb.hue, row.hue) << "for " << row.red << ", " << row.green << ", " << row.blue;
        if (row.saturation != NOT_CHECKED) {
            EXPECT_EQ(hsb.saturation, row.saturation);
        }
    }
}

TEST(HsbDisplayValues, RoundsHalvesUpOnTheDoubleSum)
{
    struct Case {
        HsbColor hsb;
        int hue, saturation, brightness;
    };
    const Case cases[] = {
        {{359.49999999999994, 0.0, 0.0}, 359, 0, 0},
        {{359.5, 0.0, 0.0}, 360, 0, 0},
        {{0.0, 0.5, 1.0}, 0, 50, 100},
        {{0.0, 0.0, 0.005}, 0, 0, 1},
    };
    for (const Case& c : cases) {
        const HsbDisplayValues values = hsbDisplayValues(c.hsb);
        EXPECT_EQ(values.hue, c.hue) << "hue " << c.hsb.hue;
        EXPECT_EQ(values.saturation, c.saturation) << "saturation " << c.hsb.saturation;
        EXPECT_EQ(values.brightness, c.brightness) << "brightness " << c.hsb.brightness;
    }
}

}  // namespace
