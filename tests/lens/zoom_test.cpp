// The zoom never leaves 1..ceiling, whatever the scroll bar asks: no zoom 0 below 1, none beyond a
// ceiling that a smaller window lowered.
#include "lens/zoom.h"

#include <gtest/gtest.h>

namespace {

TEST(ZoomForScroll, StepsOrTakesTheThumbWithinOneAndTheCeiling)
{
    struct Case { std::int32_t zoom, ceiling; ScrollRequest request; std::uint16_t thumb; std::int32_t expected; };
    const Case cases[] = {
        {1, 31, ScrollRequest::LineUp, 0, 1},
        {5, 31, ScrollRequest::PageUp, 0, 4},
        {5, 31, ScrollRequest::LineDown, 0, 6},
        {5, 31, ScrollRequest::ThumbTrack, 17, 17},
        {25, 20, ScrollRequest{8}, 0, 20},  // SB_ENDSCROLL after a shrink: every request clamps
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zoomForScroll(c.zoom, c.ceiling, static_cast<std::uint16_t>(c.request), c.thumb), c.expected)
            << "request " << static_cast<int>(c.request) << " at zoom " << c.zoom;
    }
}

}  // namespace
