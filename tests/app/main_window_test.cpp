// The main window driven with real messages under Wine: its first state, the drag, the arrow keys
// and the scroll bar with the repaints each asks for, sizing, and the Copy item.
#include <gtest/gtest.h>

#include <windows.h>

#include "hex_color.h"
#include "lens_window.h"

namespace {

// The pixel the real screen shows now, read as the picker reads it.
ColorRef readScreenPixel(Point at)
{
    const HDC screen = GetWindowDC(GetDesktopWindow());
    const ColorRef color = GetPixel(screen, at.x, at.y);
    ReleaseDC(GetDesktopWindow(), screen);
    return color;
}

Rect virtualScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

using MainWindow = LensWindow;

TEST_F(MainWindow, StartsTopmostAtItsSizeAtZoom5WithTheFirstPixelSampled)
{
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ((Point{outer.right - outer.left, outer.bottom - outer.top}), (Point{174, 161}));
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & 0x00FF0000, 0x00EC0000);  // caption, menu, frame, scroll bar
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    int low = 0, high = 0;
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ((Point{low, high}), (Point{1, 31}));
    EXPECT_EQ(GetScrollPos(window, SB_VERT), 5);
    EXPECT_EQ(HexColor{appState.customColors[15]}, HexColor{0xFFFFFFFF});
    EXPECT_EQ(appState.dpi, 96);
    EXPECT_EQ(appState.screen, virtualScreen());
    // The first sample is the screen's top-left pixel from before the window appeared, which the
    // screen shows again once the window is hidden and the desktop has repainted.
    ShowWindow(window, SW_HIDE);
    for (int waited = 0; waited < 2000 && readScreenPixel({0, 0}) != appState.currentColor; waited += 20) {
        Sleep(20);
    }
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{readScreenPixel({0, 0})});
}

// The window's procedure, counting the erasures it is asked for.
int erasures = 0;
LRESULT CALLBACK countingErasures(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    erasures += message == WM_ERASEBKGND;
    return mainWindowProc(window, message, wParam, lParam);
}

struct Step {
    const char* what;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Point pick;
    std::int32_t zoom;
    bool repaints, dragging;
};

TEST_F(MainWindow, DragKeysAndScrollBarMoveTheLensAndRepaintItWithoutErasing)
{
    placeClient(300, 200, 149, 115);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingErasures));
    const Step steps[] = {
        {"a press changes nothing", WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10), {0, 0}, 5, false, true},
        {"a drag step", WM_MOUSEMOVE, MK_LBUTTON, at(20, 30), {320, 230}, 5, true, true},
        {"left of the client area", WM_MOUSEMOVE, MK_LBUTTON, at(-5, 16), {295, 216}, 5, true, true},
        {"above it", WM_MOUSEMOVE, MK_LBUTTON, at(10, -1), {310, 199}, 5, true, true},
        {"left of the screen", WM_MOUSEMOVE, MK_LBUTTON, at(-350, 16), {-50, 216}, 5, true, true},
        {"released outside", WM_LBUTTONUP, 0, at(-350, 16), {-50, 216}, 5, false, false},
        {"moves after the release", WM_MOUSEMOVE, 0, at(20, 30), {-50, 216}, 5, false, false},
        {"a press left of the lens", WM_LBUTTONDOWN, MK_LBUTTON, at(-5, 10), {-50, 216}, 5, false, false},
        {"a press below it", WM_LBUTTONDOWN, MK_LBUTTON, at(10, 115), {-50, 216}, 5, false, false},
        {"Home is no arrow", WM_KEYDOWN, VK_HOME, 1, {-50, 216}, 5, false, false},
        {"back to the screen's edge", WM_KEYDOWN, VK_LEFT, 1, {0, 216}, 5, true, false},
        {"one pixel right, whatever the repeat count", WM_KEYDOWN, VK_RIGHT, 0x00050001, {1, 216}, 5, true, false},
        {"one pixel down", WM_KEYDOWN, VK_DOWN, 1, {1, 217}, 5, true, false},
        {"Select is no arrow", WM_KEYDOWN, VK_SELECT, 1, {1, 217}, 5, false, false},
        {"a line down", WM_VSCROLL, SB_LINEDOWN, 0, {1, 217}, 6, true, false},
        {"the thumb dragged", WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 9), 0, {1, 217}, 9, true, false},
        {"and released where it was", WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9), 0, {1, 217}, 9, false, false},
        {"a line up", WM_VSCROLL, SB_LINEUP, 0, {1, 217}, 8, true, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        validate();
        const Point before = appState.pickPoint;
        EXPECT_EQ(send(step.message, step.wParam, step.lParam), 0);
        EXPECT_EQ(appState.pickPoint, step.pick);
        EXPECT_EQ(appState.zoom, step.zoom);
        EXPECT_EQ(GetScrollPos(window, SB_VERT), step.zoom);
        EXPECT_EQ(repaintRequested(), step.repaints);
        EXPECT_EQ(GetCapture() == window, step.dragging);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, step.dragging ? IDC_CROSS : IDC_ARROW));
        if (!(appState.pickPoint == before)) {
            EXPECT_EQ(HexColor{appState.currentColor}, HexColor{readScreenPixel(step.pick)});
        }
        erasures = 0;
        UpdateWindow(window);
        EXPECT_EQ(erasures, 0) << "an erasure flashes the lens";
    }
}

TEST_F(MainWindow, ResizingRepaintsTheWholeLensAndSetsTheZoomCeiling)
{
    appState.zoom = 25;
    appState.displayMode = MODE_SCREEN_COORDS;
    validate();
    placeClient(300, 200, 300, 20);  // wide enough for the menu bar on one line
    RECT update, client;
    GetUpdateRect(window, &update, FALSE);
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << "a resize must repaint the whole lens";
    int low = 0, high = 0;
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ(appState.zoomMax, 20);
    EXPECT_EQ(high, 20);
    UpdateWindow(window);
    EXPECT_STREQ(appState.valueText.chars, "X:0 Y:0 [x25]") << "the zoom waits for the next scroll";
    send(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(appState.zoom, 20);
    placeClient(300, 200, 300, 0);
    EXPECT_EQ(appState.zoomMax, 1);
}

TEST_F(MainWindow, DisplayChangesAndDpiChangesReachTheLens)
{
    // The virtual screen is read again on a display change, and as a drag or an arrow key begins.
    for (const UINT message : {WM_DISPLAYCHANGE, WM_LBUTTONDOWN, WM_KEYDOWN}) {
        appState.screen = {0, 0, 1, 1};
        validate();
        EXPECT_EQ(send(message, message == WM_KEYDOWN ? VK_UP : 0, at(10, 10)), 0);
        EXPECT_EQ(appState.screen, virtualScreen()) << "message " << message;
        EXPECT_EQ(repaintRequested(), message != WM_LBUTTONDOWN);
    }
    ReleaseCapture();
    validate();
    RECT suggested = {40, 50, 40 + 261, 50 + 242};
    EXPECT_EQ(send(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested)), 0);
    EXPECT_EQ(appState.dpi, 144);
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_TRUE(EqualRect(&outer, &suggested));
    LOGFONTA font{};
    GetObjectA(toObject(appState.valueFont), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -20);
    EXPECT_TRUE(repaintRequested());
}

TEST_F(MainWindow, DestroyingTheWindowReleasesTheFontAndQuitsWithZero)
{
    DestroyWindow(window);
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    EXPECT_EQ(appState.valueFont, nullptr);
}

TEST_F(MainWindow, PaintGreysCopyWhileTheValueTextIsEmpty)
{
    for (const DisplayMode mode : {0, MODE_RGB}) {
        appState.displayMode = mode;
        paint();
        const bool greyed = (GetMenuState(GetMenu(window), CMD_COPY_VALUE, MF_BYCOMMAND) & MF_GRAYED) != 0;
        EXPECT_EQ(greyed, mode == 0) << "mode " << mode;
    }
}

}  // namespace
