// The layout at each DPI and the geometry of each lens frame, on one display and on two: the pure
// half of the lens frame, which the Windows tests then see drawn by real GDI.
#include "lens/lens_frame.h"

#include <gtest/gtest.h>

#include <cstring>

#include "frame_cases.h"

bool operator==(const LensGeometry& a, const LensGeometry& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool operator==(const LensLayout& a, const LensLayout& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::ostream& operator<<(std::ostream& out, const LensLayout& l)
{
    return out << "swatch " << l.swatch.left << ", " << l.swatch.top << ", " << l.swatch.right << ", "
               << l.swatch.bottom << ", text " << l.valueText.x << ", " << l.valueText.y << " outlined "
               << l.outline << ", error " << l.errorText.x << ", " << l.errorText.y << ", font " << l.fontHeight;
}

std::ostream& operator<<(std::ostream& out, const LensGeometry& g)
{
    return out << "cells " << g.cellsX << " x " << g.cellsY << ", frame " << g.frameWidth << " x " << g.frameHeight
               << ", source " << g.sourceX << ", " << g.sourceY << ", cross " << g.crossX << ", " << g.crossY;
}

namespace {

TEST(LensLayoutFor, Is96DpiPixelsScaledToTheDpi)
{
    for (const auto& [dpi, layout] : LAYOUTS) {
        EXPECT_EQ(lensLayoutFor(dpi), layout) << dpi << " DPI";
        EXPECT_EQ(valueFontFor(dpi).height, -layout.fontHeight) << "a negative height: the character height";
    }
}

TEST(ComputeLensGeometry, CellsSourceAndCrossHair)
{
    for (const FrameCase& c : FRAME_CASES) {
        EXPECT_EQ(computeLensGeometry(c.clientWidth, c.clientHeight, c.zoom, c.pick, PRIMARY), c.geometry) << c;
    }
    for (const FrameCase& c : TWO_DISPLAY_CASES) {
        EXPECT_EQ(computeLensGeometry(c.clientWidth, c.clientHeight, c.zoom, c.pick, TWO_DISPLAYS), c.geometry) << c;
    }
}

}  // namespace
