// The navigation rules on two displays of the test pattern, where every resample can be traced to its
// point: arrow steps, cursor positions, scroll requests, the zoom ceiling and fitting the window.
#include "lens/navigation.h"

#include <ostream>

#include "hex_color.h"
#include "raster_screen.h"

std::ostream& operator<<(std::ostream& out, Point p) { return out << '(' << p.x << ", " << p.y << ')'; }

namespace {

// On a display left of the primary one; every rule that reads the screen gives its context back.
class Navigation : public RasterScreen {
public:
    Navigation() : RasterScreen(TWO_DISPLAYS) {}

private:
    std::size_t objectsBefore = raster.liveObjectCount();
    void TearDown() override { EXPECT_EQ(raster.liveObjectCount(), objectsBefore) << "a screen context was kept"; }
};

TEST_F(Navigation, StepPickPointMovesOnePixelBoundedOnTheSideItMovesAndResamples)
{
    struct StepCase { Point start; ArrowKey key; Point expected; };
    const StepCase cases[] = {
        {{-639, 5}, ArrowKey::Left, {-640, 5}},
        {{-640, 5}, ArrowKey::Left, {-640, 5}},   // the virtual screen's left edge, on the left display
        {{-5, -120}, ArrowKey::Up, {-5, -120}},
        {{10, 65000}, ArrowKey::Up, {10, 64999}},
        {{10, 0}, ArrowKey::Up, {10, -1}},         // on no display: the failure value
        {{1021, 5}, ArrowKey::Right, {1022, 5}},
        {{1023, 5}, ArrowKey::Right, {1023, 5}},
        {{65000, 10}, ArrowKey::Right, {1023, 10}},  // beyond the screen after a drag: back to the edge,
        {{65000, 10}, ArrowKey::Left, {64999, 10}},  // while the opposite key walks
        {{5, 765}, ArrowKey::Down, {5, 766}},
        {{5, 767}, ArrowKey::Down, {5, 767}},
        {{65000, 10}, ArrowKey::Down, {65000, 11}},  // and the other coordinate is left alone
    };
    for (const StepCase& c : cases) {
        appState.pickPoint = c.start;
        appState.currentColor = 0x00ABCDEF;
        stepPickPoint(c.key);
        EXPECT_EQ(appState.pickPoint, c.expected) << "from " << c.start;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{screenPixel(c.expected, TWO_DISPLAYS)})
            << "from " << c.start;
    }
}

TEST_F(Navigation, PickPointFromCursorIsTheScreenPositionModulo65536)
{
    struct CursorCase { std::uint16_t cursorX, cursorY; Point clientOrigin, expected; };
    const CursorCase cases[] = {  // the words are signed 16-bit client coordinates
        {50, 60, {300, 200}, {350, 260}},
        {0xFFFB, 0x0010, {300, 200}, {295, 216}},  // left of the client area
        {0x0010, 0xFFFF, {300, 200}, {316, 199}},  // above it
        {0xFEA2, 0xFF38, {300, 200}, {-50, 0}},    // left of and above it, on the left display
        {50, 60, {-400, -100}, {-350, -40}},       // a window on the left display
        {0x8000, 0x7FFF, {0, 0}, {-32768, 32767}},
    };
    for (const CursorCase& c : cases) {
        pickPointFromCursor(c.cursorX, c.cursorY, c.clientOrigin);
        EXPECT_EQ(appState.pickPoint, c.expected) << "cursor " << c.cursorX << ", " << c.cursorY;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{screenPixel(c.expected, TWO_DISPLAYS)});
    }
}

TEST_F(Navigation, ZoomForScrollStepsOrTakesTheThumbThenClamps)
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

TEST_F(Navigation, FitWindowToZoomGrowsToWholeCellsAndKeepsTheCorner)
{
    const std::int32_t cases[][5] = {  // client width, height and zoom; growth in width and height
        {150, 120, 7, 4, 6},
        {140, 119, 7, 0, 0},
        {141, 113, 7, 6, 6},
        {150, 120, 1, 0, 0},
    };
    for (const auto& [width, height, zoom, growX, growY] : cases) {
        const WindowHandle window = raster.createWindow({14, 50, 14 + width, 50 + height}, {10, 20, 184, 181});
        appState.zoom = zoom;
        fitWindowToZoom(window);
        const Rect outer = raster.GetWindowRect(window);
        EXPECT_EQ((Point{outer.right, outer.bottom}), (Point{184 + growX, 181 + growY})) << width << " x " << height;
        EXPECT_EQ((Point{outer.left, outer.top}), (Point{10, 20}));
    }
}

}  // namespace
