// Exhaustive sweeps over all 16,777,216 colours that check the counts the HSB rounding must give.
// They are exact only if every double operation is rounded as written, so they also run under Wine.
#include <gtest/gtest.h>

#include <cstring>

#include "color/hsb.h"

namespace {

constexpr ColorRef COLOR_COUNT = 1u << 24;

bool sameBits(const HsbColor& a, const HsbColor& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool sameValues(const HsbDisplayValues& a, const HsbDisplayValues& b)
{
    return a.hue == b.hue && a.saturation == b.saturation && a.brightness == b.brightness;
}

TEST(ColorSweep, CountsAndRangesOverEveryColour)
{
    long printsHue360 = 0;
    long differsWhenDividedBy255 = 0;
    long hueOutOfRange = 0;
    long changedByTopByte = 0;
    for (ColorRef color = 0; color < COLOR_COUNT; ++color) {
        const HsbColor hsb = rgbToHsb(color);
        const HsbDisplayValues shown = hsbDisplayValues(hsb);
        printsHue360 += shown.hue == 360;
        hueOutOfRange += !(hsb.hue >= 0.0 && hsb.hue < 360.0);

        const HsbColor divided =
            hsbFromChannels(redOf(color) / 255.0, greenOf(color) / 255.0, blueOf(color) / 255.0);
        differsWhenDividedBy255 += !sameValues(hsbDisplayValues(divided), shown);

        // A top byte that varies from colour to colour and is never zero.
        const ColorRef topByte = ((color * 0x9E3779B1u) >> 24 | 1) << 24;
        changedByTopByte += !sameBits(rgbToHsb(color | topByte), hsb);
    }
    EXPECT_EQ(printsHue360, 9452);
    EXPECT_EQ(differsWhenDividedBy255, 18667);
    EXPECT_EQ(hueOutOfRange, 0);
    EXPECT_EQ(changedByTopByte, 0);
}

}  // namespace
