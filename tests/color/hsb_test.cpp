// The HSB rounding at its boundaries, and a sweep over all 16,777,216 colours whose counts are exact
// only if every double operation is rounded as written; the Windows build runs it under Wine too.
#include "color/hsb.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(HsbDisplayValues, RoundsHalvesUpOnTheDoubleSum)
{
    const HsbDisplayValues justBelow = hsbDisplayValues({359.49999999999994, 0.0, 0.0});
    const HsbDisplayValues half = hsbDisplayValues({359.5, 0.005, 0.005});
    EXPECT_EQ(justBelow.hue, 359);
    EXPECT_EQ(half.hue, 360);
    EXPECT_EQ(half.saturation, 1);
    EXPECT_EQ(half.brightness, 1);
}

TEST(RgbToHsb, SweepOverEveryColourGivesTheKnownCounts)
{
    long printsHue360 = 0;
    long differsWhenDividedBy255 = 0;
    long hueOutOfRange = 0;
    long changedByTopByte = 0;
    for (ColorRef color = 0; color < (1u << 24); ++color) {
        const HsbColor hsb = rgbToHsb(color);
        const HsbDisplayValues shown = hsbDisplayValues(hsb);
        printsHue360 += shown.hue == 360;
        hueOutOfRange += !(hsb.hue >= 0.0 && hsb.hue < 360.0);
        const HsbDisplayValues divided = hsbDisplayValues(
            hsbFromChannels(redOf(color) / 255.0, greenOf(color) / 255.0, blueOf(color) / 255.0));
        differsWhenDividedBy255 += std::memcmp(&divided, &shown, sizeof shown) != 0;
        const HsbColor topByteSet = rgbToHsb(color | ((color * 0x9E3779B1u) >> 24 | 1) << 24);
        changedByTopByte += std::memcmp(&topByteSet, &hsb, sizeof hsb) != 0;
    }
    EXPECT_EQ(printsHue360, 9452);
    EXPECT_EQ(differsWhenDividedBy255, 18667);
    EXPECT_EQ(hueOutOfRange, 0);
    EXPECT_EQ(changedByTopByte, 0);
}

}  // namespace
