// RGB to HSB in exactly the order of operations that the printed values depend on.
// Compiled with SSE2 maths and no contraction, so each operation is rounded to double once.
#include "color/hsb.h"

#include <cfloat>

static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not be carried in extended precision");

HsbColor rgbToHsb(ColorRef color)
{
    return hsbFromChannels(redOf(color) * CHANNEL_SCALE, greenOf(color) * CHANNEL_SCALE,
                           blueOf(color) * CHANNEL_SCALE);
}

HsbColor hsbFromChannels(double r, double g, double b)
{
    const double m = r < g ? g : r;
    const double max = b > m ? b : m;
    const double n = r > g ? g : r;
    const double min = b < n ? b : n;
    const double delta = max - min;

    HsbColor hsb{0.0, 0.0, max};
    hsb.saturation = max == 0.0 ? 0.0 : delta / max;
    if (hsb.saturation == 0.0) {
        return hsb;  // black and the greys: no hue, and no division by a zero delta
    }
    // The first channel, in red, green, blue order, that holds the maximum picks the formula.
    if (r == max) {
        hsb.hue = (g - b) / delta;
    } else if (g == max) {
        hsb.hue = (b - r) / delta + 2.0;
    } else {
        hsb.hue = (r - g) / delta + 4.0;
    }
    hsb.hue = hsb.hue * 60.0;
    if (hsb.hue < 0.0) {
        hsb.hue = hsb.hue + 360.0;
    }
    return hsb;
}

HsbDisplayValues hsbDisplayValues(const HsbColor& hsb)
{
    return {static_cast<std::int16_t>(hsb.hue + 0.5),
            static_cast<std::int16_t>(hsb.saturation * 100.0 + 0.5),
            static_cast<std::int16_t>(hsb.brightness * 100.0 + 0.5)};
}
