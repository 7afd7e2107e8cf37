// A colour wrapper for assertions, so that a failing comparison prints colours as 0x00BBGGRR.
// Write EXPECT_EQ(HexColor{actual}, HexColor{expected}).
#pragma once

#include <cstdint>
#include <cstdio>
#include <ostream>

struct HexColor {
    std::uint32_t value;
};

inline bool operator==(HexColor a, HexColor b) { return a.value == b.value; }
inline bool operator!=(HexColor a, HexColor b) { return a.value != b.value; }

inline std::ostream& operator<<(std::ostream& out, HexColor color)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color.value));
    return out << text;
}
