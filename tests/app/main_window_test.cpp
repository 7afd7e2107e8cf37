// The main window driven with real messages under Wine: start-up state, painting and the Copy
// item, the drag, the arrow keys, the scroll bar and sizing, with the repaints each one asks for.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "hex_color.h"
#include "lens_window.h"

namespace {

ColorRef screenPixel(int x, int y)
{
    const HDC screen = GetWindowDC(GetDesktopWindow());
    const ColorRef color = GetPixel(screen, x, y);
    ReleaseDC(GetDesktopWindow(), screen);
    return color;
}

using MainWindow = LensWindow;

TEST_F(MainWindow, StartsTopmostAtItsSizeWithTheScrollBarAtZoom5)
{
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 174);
    EXPECT_EQ(outer.bottom - outer.top, 161);
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & 0x00FF0000u, 0x00EC0000u);
    char title[32];
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Qen Color Picker");

    int low = 0, high = 0;
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 31);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), 5);

    EXPECT_EQ(appState.screenWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(appState.screenHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(appState.desktopWindow, GetDesktopWindow());
    EXPECT_NE(appState.valueFont, nullptr);
    // The first sample is the screen's top-left pixel as it was before the window appeared: once
    // the window is hidden and the desktop has repainted, the screen shows it again.
    ShowWindow(window, SW_HIDE);
    for (int waited = 0; waited < 2000 && screenPixel(0, 0) != appState.currentColor; waited += 20) {
        Sleep(20);
    }
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{screenPixel(0, 0)});
    EXPECT_TRUE(std::all_of(std::begin(appState.customColors), std::end(appState.customColors),
                            [](ColorRef c) { return c == 0xFFFFFFFF; }));
    EXPECT_STREQ(appState.valueText.chars, formatValueText(appState.currentColor, 0, {0, 0}, 5, MODE_HTML).chars);
}

TEST_F(MainWindow, PaintGreysCopyWhileTheValueTextIsEmpty)
{
    EXPECT_EQ(menuState(CMD_COPY_VALUE) & MF_GRAYED, 0u);
    appState.displayMode = 0;  // no notation: an empty text
    paint();
    EXPECT_STREQ(appState.valueText.chars, "");
    EXPECT_NE(menuState(CMD_COPY_VALUE) & MF_GRAYED, 0u);
    appState.displayMode = MODE_RGB;
    paint();
    EXPECT_EQ(menuState(CMD_COPY_VALUE) & MF_GRAYED, 0u);
}

TEST_F(MainWindow, DragFollowsTheCursorOverTheWholeScreen)
{
    placeClientAt(300, 200);
    appState.currentColor = 0x00563412;
    validate();

    send(WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    EXPECT_EQ(GetCapture(), window);
    EXPECT_EQ(appState.pickPoint, (Point{0, 0})) << "a press changes nothing";
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412});
    EXPECT_FALSE(repaintRequested());

    struct Move {
        int clientX, clientY;
        Point expected;
    };
    const Move moves[] = {
        {20, 30, {320, 230}},
        {-5, 16, {295, 216}},   // left of the client area
        {10, -1, {310, 199}},   // above it
        {-350, 16, {65486, 216}},  // left of the primary screen
    };
    for (const Move& move : moves) {
        send(WM_MOUSEMOVE, MK_LBUTTON, at(move.clientX, move.clientY));
        EXPECT_EQ(appState.pickPoint, move.expected) << move.clientX << ", " << move.clientY;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{screenPixel(move.expected.x, move.expected.y)});
        EXPECT_TRUE(repaintRequested());
        validate();
    }

    send(WM_LBUTTONUP, 0, at(-350, 16));  // released outside the window
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(repaintRequested());
    send(WM_MOUSEMOVE, 0, at(20, 30));
    EXPECT_EQ(appState.pickPoint, (Point{65486, 216})) << "moves after the release are ignored";
    EXPECT_FALSE(repaintRequested());
}

TEST_F(MainWindow, PressesOutsideTheClientAreaAndLostCaptureStartNoDrag)
{
    for (LPARAM outside : {at(-5, 10), at(10, -5), at(10000, 10)}) {
        send(WM_LBUTTONDOWN, MK_LBUTTON, outside);
        EXPECT_EQ(GetCapture(), nullptr);
    }
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    ReleaseCapture();  // taken away by the system
    validate();
    send(WM_MOUSEMOVE, MK_LBUTTON, at(20, 30));
    send(WM_LBUTTONUP, 0, at(20, 30));
    EXPECT_EQ(appState.pickPoint, (Point{0, 0}));
    EXPECT_FALSE(repaintRequested());
}

struct KeyCase {
    Point start;
    WPARAM key;
    Point expected;
    bool repaints;
};

TEST_F(MainWindow, ArrowKeysStepOnePixelWithinTheScreenAndRepaint)
{
    const int right = appState.screenWidth - 1;
    const int bottom = appState.screenHeight - 1;
    const KeyCase cases[] = {
        {{5, 5}, VK_LEFT, {4, 5}, true},
        {{0, 5}, VK_LEFT, {0, 5}, true},  // at the edge: no step, still resampled and repainted
        {{5, 0}, VK_UP, {5, 0}, true},
        {{right, 5}, VK_RIGHT, {right, 5}, true},
        {{5, bottom}, VK_DOWN, {5, bottom}, true},
        {{right - 1, bottom - 1}, VK_DOWN, {right - 1, bottom}, true},
        {{65000, 10}, VK_RIGHT, {right, 10}, true},
        {{65000, 10}, VK_LEFT, {64999, 10}, true},
        {{5, 5}, VK_SPACE, {5, 5}, false},
        {{5, 5}, VK_HOME, {5, 5}, false},
    };
    for (const KeyCase& c : cases) {
        appState.pickPoint = c.start;
        appState.currentColor = 0x00563412;
        validate();
        EXPECT_EQ(send(WM_KEYDOWN, c.key, 0x00010001), 0);
        EXPECT_EQ(appState.pickPoint, c.expected) << "key " << c.key;
        EXPECT_EQ(repaintRequested(), c.repaints) << "key " << c.key;
        const ColorRef expected = c.repaints ? screenPixel(c.expected.x, c.expected.y) : 0x00563412;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{expected}) << "key " << c.key;
    }
}

struct ScrollCase {
    int zoom;
    WORD code, thumb;
    int expectedZoom;
    bool repaints;
};

TEST_F(MainWindow, ScrollBarChangesTheZoomAndRepaintsOnlyWhenItMoves)
{
    const ScrollCase cases[] = {
        {1, SB_LINEUP, 0, 1, false},
        {5, SB_LINEUP, 0, 4, true},
        {31, SB_LINEDOWN, 0, 31, false},
        {5, SB_PAGEDOWN, 0, 6, true},
        {5, SB_THUMBTRACK, 9, 9, true},
        {9, SB_THUMBPOSITION, 9, 9, false},  // the drag that ended where it was tracked
        {9, SB_ENDSCROLL, 0, 9, false},
        {7, SB_TOP, 0, 7, false},
        {7, SB_BOTTOM, 0, 7, false},
        {5, SB_THUMBTRACK, 0, 1, true},
        {5, SB_THUMBPOSITION, 40, 31, true},
    };
    for (const ScrollCase& c : cases) {
        appState.zoom = c.zoom;
        SetScrollPos(window, SB_VERT, c.zoom, FALSE);
        validate();
        send(WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), 0);
        EXPECT_EQ(appState.zoom, c.expectedZoom) << "code " << c.code << " at zoom " << c.zoom;
        EXPECT_EQ(GetScrollPos(window, SB_VERT), c.expectedZoom);
        EXPECT_EQ(repaintRequested(), c.repaints) << "code " << c.code << " at zoom " << c.zoom;
    }
}

TEST_F(MainWindow, ShrinkingLowersTheCeilingAndTheNextScrollClampsTheZoom)
{
    appState.zoom = 25;
    setClientSize(100, 20);
    EXPECT_EQ(appState.zoomMax, 20);
    EXPECT_EQ(appState.zoom, 25) << "a size change leaves the zoom alone";
    int low = 0, high = 0;
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ(high, 20);
    appState.displayMode = MODE_SCREEN_COORDS;
    paint();
    EXPECT_STREQ(appState.valueText.chars, "X:0 Y:0 [x25]") << "the lens goes on painting at zoom 25";

    send(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
    EXPECT_EQ(appState.zoom, 20);

    setClientSize(100, 0);
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ(appState.zoomMax, 1);
    EXPECT_EQ(high, 1);
}

TEST_F(MainWindow, HandledMessagesReturnZero)
{
    EXPECT_EQ(send(WM_KEYDOWN, 'A', 0), 0);
    EXPECT_EQ(send(WM_MOUSEMOVE, 0, 0), 0);
    EXPECT_EQ(send(WM_LBUTTONUP, 0, 0), 0);
    EXPECT_EQ(send(WM_VSCROLL, SB_ENDSCROLL, 0), 0);
    EXPECT_EQ(send(WM_SIZE, SIZE_RESTORED, 0), 0);
}

}  // namespace
