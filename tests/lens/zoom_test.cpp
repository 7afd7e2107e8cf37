// The zoom never leaves 1..ceiling, whatever the scroll bar asks: no zoom 0 below 1, none beyond a
// ceiling that a smaller window lowered, which is the client's shorter side.
#include "lens/zoom.h"

#include <gtest/gtest.h>

TEST(ZoomForScroll, StepsOrTakesTheThumbWithinOneAndTheCeiling)
{
    struct Case { std::int32_t zoom, ceiling; ScrollRequest request; std::uint16_t thumb; std::int32_t expected; };
    const Case cases[] = {
        {1, 31, ScrollRequest::LineUp, 0, 1},
        {5, 31, ScrollRequest::PageUp, 0, 4},
        {5, 31, ScrollRequest::ThumbTrack, 17, 17},
        {25, 20, ScrollRequest{8}, 0, 20},  // SB_ENDSCROLL after a shrink: every request clamps
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zoomForScroll(c.zoom, c.ceiling, static_cast<std::uint16_t>(c.request), c.thumb), c.expected)
            << "request " << static_cast<int>(c.request) << " at zoom " << c.zoom;
    }
}

TEST(ZoomCeiling, IsTheClientsShorterSideWithinOneAnd31)
{
    struct Case { std::int32_t width, height, expected; };
    const Case cases[] = {
        {0, 0, 1},  // an empty client area still allows zoom 1
        {12, 40, 12},
        {200, 32, 31},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zoomCeilingFor(c.width, c.height), c.expected) << c.width << " x " << c.height;
    }
}
