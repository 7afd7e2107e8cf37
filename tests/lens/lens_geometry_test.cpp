// The lens's copy at each edge of a virtual screen whose origin lies left of and above the primary
// display, and at the smallest and largest zoom: whole cells, centred until an edge stops them.
#include "lens/lens_geometry.h"

#include <gtest/gtest.h>

#include <tuple>

auto fields(const LensGeometry& g)
{
    return std::tuple{g.cellsX, g.cellsY, g.frameWidth, g.frameHeight, g.sourceX, g.sourceY, g.crossX, g.crossY};
}

TEST(LensGeometry, CoversTheClientWithWholeCellsCentredOnThePickPointUntilAnEdge)
{
    const Rect screen = {-800, -20, 1024, 768};
    struct Case { std::int32_t width, height, zoom; Point pick; LensGeometry expected; };
    const Case cases[] = {
        // client, zoom, pick point: cells, frame size, source corner and cross-hair; each edge row is
        // centred along the other axis
        {150, 100, 5, {-797, 400}, {30, 20, 150, 100, -800, 390, 17, 52}},
        {150, 100, 5, {1022, 400}, {30, 20, 150, 100, 994, 390, 142, 52}},
        {150, 100, 5, {500, -18}, {30, 20, 150, 100, 485, -20, 77, 12}},
        {150, 100, 5, {500, 767}, {30, 20, 150, 100, 485, 748, 77, 97}},
        {150, 100, 1, {500, 400}, {150, 100, 150, 100, 425, 350, 75, 50}},
        {150, 100, 31, {500, 400}, {5, 4, 155, 124, 498, 398, 77, 77}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fields(computeLensGeometry(c.width, c.height, c.zoom, c.pick, screen)), fields(c.expected))
            << c.width << " x " << c.height << ", zoom " << c.zoom << ", pick " << c.pick.x << ", " << c.pick.y;
    }
}
