// The navigation rules over plain integers: scroll requests and the zoom's clamps, the zoom ceiling of
// a client area, and the window grown to whole cells.
#include "lens/navigation.h"

#include <gtest/gtest.h>

#include "lens/app_state.h"

namespace {

TEST(ZoomForScroll, StepsOrTakesTheThumbThenClamps)
{
    struct ScrollCase { std::int32_t zoomMax, zoom; ScrollRequest code; std::uint16_t thumb; std::int32_t expected; };
    const ScrollCase cases[] = {
        {31, 1, ScrollRequest::LineUp, 0, 1},
        {31, 2, ScrollRequest::LineUp, 0, 1},
        {31, 30, ScrollRequest::LineDown, 0, 31},
        {31, 31, ScrollRequest::LineDown, 0, 31},
        {31, 5, ScrollRequest::PageUp, 0, 4},
        {31, 5, ScrollRequest::PageDown, 0, 6},
        {31, 5, ScrollRequest::ThumbPosition, 17, 17},
        {31, 5, ScrollRequest::ThumbTrack, 0, 1},
        {31, 5, ScrollRequest::ThumbTrack, 0xFFFF, 31},
        {31, 7, ScrollRequest{6}, 3, 7},  // SB_TOP
        {20, 25, ScrollRequest{8}, 0, 20},  // SB_ENDSCROLL after a shrink: every request clamps
        {20, 25, ScrollRequest::LineUp, 0, 20},
    };
    for (const ScrollCase& c : cases) {
        appState.zoomMax = c.zoomMax;
        appState.zoom = c.zoom;
        zoomForScroll(static_cast<std::uint16_t>(c.code), c.thumb);
        EXPECT_EQ(appState.zoom, c.expected) << "request " << static_cast<int>(c.code) << " at zoom " << c.zoom;
    }
}

TEST(ZoomCeilingFor, IsTheShorterClientSideWithin1To31)
{
    const std::int32_t cases[][3] = {  // width, height, ceiling
        {0, 100, 1},
        {1, 1, 1},
        {2, 1, 1},
        {100, 20, 20},
        {31, 40, 31},
        {500, 32, 31},
    };
    for (const auto& [width, height, ceiling] : cases) {
        EXPECT_EQ(zoomCeilingFor(width, height), ceiling) << width << " x " << height;
    }
}

TEST(FittedWindowRect, GrowsToWholeCellsAndKeepsTheCorner)
{
    const std::int32_t cases[][5] = {  // client width, height and zoom; growth in width and height
        {150, 120, 7, 4, 6},
        {140, 119, 7, 0, 0},
        {141, 113, 7, 6, 6},
        {150, 120, 1, 0, 0},
    };
    for (const auto& [width, height, zoom, growX, growY] : cases) {
        const Rect outer = fittedWindowRect({13, 50, 13 + width, 50 + height}, {10, 20, 184, 181}, zoom);
        EXPECT_EQ(outer, (Rect{10, 20, 184 + growX, 181 + growY})) << width << " x " << height << " at " << zoom;
    }
}

}  // namespace
