// A colour for assertions, so that a failing comparison prints it as 0x00BBGGRR:
// EXPECT_EQ(HexColor{actual}, HexColor{expected}).
#pragma once

#include <cstdint>
#include <iomanip>
#include <ostream>

struct HexColor {
    std::uint32_t value;
    bool operator==(HexColor other) const { return value == other.value; }
};

inline std::ostream& operator<<(std::ostream& out, HexColor color)
{
    return out << "0x" << std::hex << std::uppercase << std::setfill('0') << std::setw(8) << color.value << std::dec;
}
