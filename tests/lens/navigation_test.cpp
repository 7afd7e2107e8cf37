// Tests of the lens state and its navigation rules on the raster's 1024 x 768 screen, whose pixels
// encode their coordinates, so that every resample can be traced to its point.
#include "lens/navigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>

#include "hex_color.h"
#include "raster_screen.h"
#include "lens/app_state.h"

std::ostream& operator<<(std::ostream& out, Point p) { return out << '(' << p.x << ", " << p.y << ')'; }

std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

using Navigation = RasterScreen;

bool allZero(const void* bytes, std::size_t size)
{
    const auto* byte = static_cast<const unsigned char*>(bytes);
    return std::all_of(byte, byte + size, [](unsigned char b) { return b == 0; });
}

TEST(AppStateStart, OnlyTheFourStoredValuesAreNonZero)
{
    const AppState fresh;
    EXPECT_EQ(fresh.zoom, 5);
    EXPECT_EQ(fresh.zoomMax, 31);
    EXPECT_EQ(fresh.displayMode, MODE_HTML);
    EXPECT_EQ(fresh.alwaysOnTop, 1);
    EXPECT_EQ(fresh.invert, 0);
    EXPECT_EQ(fresh.screenWidth | fresh.screenHeight, 0);
    EXPECT_EQ(fresh.pickPoint, (Point{0, 0}));
    EXPECT_EQ(HexColor{fresh.currentColor | fresh.chartColor}, HexColor{0});
    EXPECT_TRUE(allZero(fresh.valueText.chars, sizeof fresh.valueText.chars));
    EXPECT_TRUE(allZero(fresh.customColors, sizeof fresh.customColors));
    EXPECT_TRUE(fresh.desktopWindow == nullptr && fresh.valueFont == nullptr && fresh.instance == nullptr);
    EXPECT_TRUE(allZero(fresh.windowTitle, sizeof fresh.windowTitle));
    EXPECT_TRUE(allZero(fresh.windowClassName, sizeof fresh.windowClassName));
}

TEST_F(Navigation, SamplePixelReadsTheDesktopAndReleasesIt)
{
    EXPECT_EQ(HexColor{samplePixel({500, 400})}, HexColor{patternColorAt(500, 400)});
    EXPECT_EQ(HexColor{samplePixel({65000, 10})}, HexColor{0xFFFFFFFF});
    EXPECT_EQ(counted.pixelReads, 2);
}

struct StepCase {
    Point start;
    ArrowKey key;
    Point expected;
};

TEST_F(Navigation, StepPickPointMovesOnePixelBoundedOnTheSideItMoves)
{
    const StepCase cases[] = {
        {{5, 5}, ArrowKey::Left, {4, 5}},
        {{1, 5}, ArrowKey::Left, {0, 5}},
        {{0, 5}, ArrowKey::Left, {0, 5}},
        {{5, 1}, ArrowKey::Up, {5, 0}},
        {{5, 0}, ArrowKey::Up, {5, 0}},
        {{1022, 5}, ArrowKey::Right, {1023, 5}},
        {{1023, 5}, ArrowKey::Right, {1023, 5}},
        {{5, 766}, ArrowKey::Down, {5, 767}},
        {{5, 767}, ArrowKey::Down, {5, 767}},
        // Beyond the screen after a drag: the bound jumps back, the opposite key walks.
        {{65000, 10}, ArrowKey::Right, {1023, 10}},
        {{65000, 10}, ArrowKey::Left, {64999, 10}},
        {{10, 65000}, ArrowKey::Down, {10, 767}},
        {{10, 65000}, ArrowKey::Up, {10, 64999}},
        // The other coordinate is left alone, even when it is off the screen.
        {{65000, 10}, ArrowKey::Down, {65000, 11}},
    };
    for (const StepCase& c : cases) {
        appState.pickPoint = c.start;
        appState.currentColor = 0x00ABCDEF;
        const int readsBefore = counted.pixelReads;
        stepPickPoint(c.key);
        EXPECT_EQ(appState.pickPoint, c.expected) << "from " << c.start;
        EXPECT_EQ(counted.pixelReads, readsBefore + 1) << "no resample from " << c.start;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{samplePixel(c.expected)});
    }
}

struct CursorCase {
    std::uint16_t cursorX, cursorY;
    Point clientOrigin;
    Point expected;
};

TEST_F(Navigation, PickPointFromCursorIsTheScreenPositionModulo65536)
{
    const CursorCase cases[] = {
        {0, 0, {0, 0}, {0, 0}},
        {50, 60, {300, 200}, {350, 260}},
        {0xFFFB, 0x0010, {300, 200}, {295, 216}},  // 5 pixels left of the client area
        {0x0010, 0xFFFF, {300, 200}, {316, 199}},  // 1 pixel above it
        {50, 60, {-100, 0}, {65486, 60}},          // a display left of the primary one
        {10, 0, {65530, 0}, {4, 0}},               // past 65535 the coordinate wraps
        {0xFFFF, 0xFFFF, {0x7FFFFFFF, 0x7FFFFFFF}, {0xFFFE, 0xFFFE}},  // no signed overflow
    };
    for (const CursorCase& c : cases) {
        pickPointFromCursor(c.cursorX, c.cursorY, c.clientOrigin);
        EXPECT_EQ(appState.pickPoint, c.expected)
            << "cursor " << c.cursorX << ", " << c.cursorY << " origin " << c.clientOrigin;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{samplePixel(c.expected)});
    }
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0xFFFFFFFF});  // the last point is on no display
}

struct ScrollCase {
    std::int32_t zoomMax, zoom;
    std::uint16_t code, thumb;
    std::int32_t expected;
};

TEST_F(Navigation, ZoomForScrollStepsOrTakesTheThumbThenClamps)
{
    const ScrollCase cases[] = {
        {31, 1, 0, 0, 1},       // SB_LINEUP at the top
        {31, 2, 0, 0, 1},
        {31, 31, 1, 0, 31},     // SB_LINEDOWN at the bottom
        {31, 30, 1, 0, 31},
        {31, 5, 2, 0, 4},       // SB_PAGEUP is one step
        {31, 5, 3, 0, 6},       // SB_PAGEDOWN is one step
        {31, 5, 4, 17, 17},     // SB_THUMBPOSITION
        {31, 5, 4, 40, 31},
        {31, 5, 5, 0, 1},       // SB_THUMBTRACK
        {31, 5, 5, 1, 1},
        {31, 5, 5, 0xFFFF, 31},
        {31, 7, 6, 3, 7},       // SB_TOP, SB_BOTTOM, SB_ENDSCROLL and unknown codes keep the zoom
        {31, 7, 7, 3, 7},
        {31, 7, 8, 3, 7},
        {31, 7, 9, 3, 7},
        {31, 7, 0xFFFF, 3, 7},
        // After a shrink to a ceiling of 20 every code brings the zoom back within range.
        {20, 25, 8, 0, 20},
        {20, 25, 0, 0, 20},     // 24, then clamped
        {20, 25, 1, 0, 20},
        {20, 21, 0, 0, 20},
        {1, 5, 1, 0, 1},
    };
    for (const ScrollCase& c : cases) {
        appState.zoomMax = c.zoomMax;
        appState.zoom = c.zoom;
        zoomForScroll(c.code, c.thumb);
        EXPECT_EQ(appState.zoom, c.expected)
            << "code " << c.code << " thumb " << c.thumb << " at zoom " << c.zoom << " of " << c.zoomMax;
    }
    EXPECT_EQ(counted.pixelReads, 0) << "a zoom change must not resample";
}

TEST(ZoomCeilingFor, IsTheShorterClientSideWithin1To31)
{
    const std::int32_t cases[][3] = {
        {0, 100, 1}, {100, 0, 1}, {-5, 100, 1}, {1, 1, 1}, {2, 1, 1},
        {20, 100, 20}, {100, 20, 20}, {30, 30, 30}, {31, 40, 31},
        {32, 500, 31}, {500, 32, 31}, {5000, 5000, 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zoomCeilingFor(c[0], c[1]), c[2]) << c[0] << " x " << c[1];
    }
}

struct FitCase {
    Rect client;
    std::int32_t zoom;
    std::int32_t growX, growY;
};

TEST_F(Navigation, FitWindowToZoomGrowsToWholeCellsAndKeepsTheCorner)
{
    const FitCase cases[] = {
        {{0, 0, 150, 120}, 7, 4, 6},
        {{0, 0, 140, 119}, 7, 0, 0},
        {{0, 0, 141, 113}, 7, 6, 6},
        {{0, 0, 150, 120}, 1, 0, 0},
        {{0, 0, 0, 0}, 7, 0, 0},
        {{0, 0, 2, 2}, 31, 29, 29},
    };
    const Rect outer = {10, 20, 184, 181};
    for (const FitCase& c : cases) {
        const Rect client = {outer.left + 4, outer.top + 30, outer.left + 4 + c.client.right,
                             outer.top + 30 + c.client.bottom};
        const WindowHandle window = raster.createWindow(client, outer);
        appState.zoom = c.zoom;
        const int movesBefore = counted.moves;
        fitWindowToZoom(window);
        EXPECT_EQ(counted.moves, movesBefore + 1) << "MoveWindow is called even when nothing grows";
        const Rect expected = {outer.left, outer.top, outer.right + c.growX, outer.bottom + c.growY};
        EXPECT_EQ(counted.movedTo, expected) << "client " << c.client << " at zoom " << c.zoom;
        EXPECT_TRUE(counted.movedWithRepaint);
    }
}

}  // namespace
