// Tests of the lens geometry on a 1024 x 768 screen: cell counts, frame size, the clamped
// source origin and the cross-hair, with each boundary next to its neighbour.
#include <gtest/gtest.h>

#include "lens/lens_frame.h"

namespace {

struct GeometryCase {
    const char* name;
    std::int32_t clientWidth, clientHeight, zoom;
    Point pick;
    LensGeometry expected;  // cellsX, cellsY, frameWidth, frameHeight, sourceX, sourceY, crossX, crossY
};

const GeometryCase GEOMETRY_CASES[] = {
    {"default window", 150, 100, 5, {500, 400}, {30, 20, 150, 100, 485, 390, 77, 52}},
    {"partial last cells", 152, 103, 5, {500, 400}, {31, 21, 155, 105, 485, 390, 77, 52}},
    {"odd zoom, partial cells", 100, 100, 7, {500, 400}, {15, 15, 105, 105, 493, 393, 52, 52}},
    {"zoom 1: the pixel itself", 150, 100, 1, {500, 400}, {150, 100, 150, 100, 425, 350, 75, 50}},
    {"even zoom: past the middle", 150, 100, 4, {500, 400}, {38, 25, 152, 100, 481, 388, 78, 50}},
    {"top-left corner", 150, 100, 5, {0, 0}, {30, 20, 150, 100, 0, 0, 2, 2}},
    {"near the top-left", 150, 100, 5, {10, 5}, {30, 20, 150, 100, 0, 0, 52, 27}},
    {"first point not clamped left", 150, 100, 5, {15, 10}, {30, 20, 150, 100, 0, 0, 77, 52}},
    {"first point moved off the left edge", 150, 100, 5, {16, 11}, {30, 20, 150, 100, 1, 1, 77, 52}},
    {"ends exactly at the right edge", 150, 100, 5, {1009, 758}, {30, 20, 150, 100, 994, 748, 77, 52}},
    {"one past the right edge", 150, 100, 5, {1010, 759}, {30, 20, 150, 100, 994, 748, 82, 57}},
    {"bottom-right corner", 150, 100, 5, {1023, 767}, {30, 20, 150, 100, 994, 748, 147, 97}},
    {"beyond the right edge", 150, 100, 5, {1500, 400}, {30, 20, 150, 100, 994, 390, 2532, 52}},
    {"farthest pick point", 150, 100, 31, {65535, 65535},
     {5, 4, 155, 124, 1019, 764, 2000011, 2007916}},
    {"screen narrower than the cells", 1100, 100, 1, {0, 400}, {1100, 100, 1100, 100, -76, 350, 76, 50}},
    {"narrower screen, pick at its right", 1100, 100, 1, {1023, 400}, {1100, 100, 1100, 100, -76, 350, 1099, 50}},
    {"screen shorter than the cells", 100, 800, 1, {500, 0}, {100, 800, 100, 800, 450, -32, 50, 32}},
    {"one cell at zoom 31", 2, 2, 31, {500, 400}, {1, 1, 31, 31, 500, 400, 15, 15}},
    {"zero width", 0, 100, 5, {500, 400}, {0, 20, 0, 100, 500, 390, 2, 52}},
    {"zero size", 0, 0, 5, {500, 400}, {0, 0, 0, 0, 500, 400, 2, 2}},
};

TEST(ComputeLensGeometry, CellsSourceAndCrossHair)
{
    for (const GeometryCase& c : GEOMETRY_CASES) {
        const LensGeometry g = computeLensGeometry(c.clientWidth, c.clientHeight, c.zoom, c.pick, 1024, 768);
        const LensGeometry& e = c.expected;
        SCOPED_TRACE(c.name);
        EXPECT_EQ(g.cellsX, e.cellsX);
        EXPECT_EQ(g.cellsY, e.cellsY);
        EXPECT_EQ(g.frameWidth, e.frameWidth);
        EXPECT_EQ(g.frameHeight, e.frameHeight);
        EXPECT_EQ(g.sourceX, e.sourceX);
        EXPECT_EQ(g.sourceY, e.sourceY);
        EXPECT_EQ(g.crossX, e.crossX);
        EXPECT_EQ(g.crossY, e.crossY);
    }
}

}  // namespace
