// A sweep over all 16,777,216 colours whose counts are exact only if every double operation is rounded
// as written; the Windows builds run it under Wine too.
#include "color/hsb.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(RgbToHsb, SweepOverEveryColourGivesTheKnownCounts)
{
    long printsHue360 = 0;
    long differsWhenDividedBy255 = 0;  // scaling by the double nearest 1/255 is not dividing by 255
    for (ColorRef color = 0; color < (1u << 24); ++color) {
        const HsbDisplayValues shown = hsbDisplayValues(rgbToHsb(color));
        printsHue360 += shown.hue == 360;
        const HsbDisplayValues divided = hsbDisplayValues(
            hsbFromChannels(redOf(color) / 255.0, greenOf(color) / 255.0, blueOf(color) / 255.0));
        differsWhenDividedBy255 += std::memcmp(&divided, &shown, sizeof shown) != 0;
    }
    EXPECT_EQ(printsHue360, 9452);
    EXPECT_EQ(differsWhenDividedBy255, 18667);
}
