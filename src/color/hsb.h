// Conversion of a colour to hue, saturation and brightness, and their rounding for display.
// The results must match to the last printed digit, so every step is IEEE double in a fixed order.
#pragma once

#include <cstdint>

#include "color/color.h"

// Hue in degrees [0, 360); saturation and brightness in [0, 1].
struct HsbColor {
    double hue;
    double saturation;
    double brightness;
};

// The three integers the HSB notation prints: degrees and two percentages.
struct HsbDisplayValues {
    std::int16_t hue;
    std::int16_t saturation;
    std::int16_t brightness;
};

// The double nearest to 1/255 (bits 0x3F70101010101010). Channels are multiplied by it, never
// divided by 255: the two differ in the last bit for 24 of the 256 byte values.
inline constexpr double CHANNEL_SCALE = 0x1.0101010101010p-8;

// Converts bits 0-23 of color; bits 24-31 are ignored.
HsbColor rgbToHsb(ColorRef color);

// The conversion from channels already scaled to [0, 1]; rgbToHsb scales by CHANNEL_SCALE first.
HsbColor hsbFromChannels(double red, double green, double blue);

// Rounds half up on the double sums, then truncates toward zero: hue 0-360, percentages 0-100.
HsbDisplayValues hsbDisplayValues(const HsbColor& hsb);
