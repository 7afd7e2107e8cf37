// The window's rules driven with real messages under Wine: a drag picks only while the button is held,
// the scroll bar zooms, a resize repaints the whole lens, and a display or DPI change reaches it.
#include <gtest/gtest.h>

#include <windows.h>

#include "lens_window.h"

namespace {

using MainWindow = LensWindow;

// After the drag, a line down on the scroll bar zooms in and repaints, the thumb following.
TEST_F(MainWindow, PicksWhileTheButtonIsHeldNotAfterItsReleaseAndTheScrollBarZooms)
{
    POINT cursor = {-5, 30};  // left of the client area: a negative word
    ClientToScreen(window, &cursor);
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    send(WM_MOUSEMOVE, MK_LBUTTON, at(-5, 30));
    EXPECT_EQ(appState.lens.pickPoint, (Point{cursor.x, cursor.y}));
    send(WM_LBUTTONUP, 0, at(-5, 30));
    validate();
    send(WM_MOUSEMOVE, 0, at(20, 40));
    EXPECT_EQ(appState.lens.pickPoint, (Point{cursor.x, cursor.y})) << "a move after the release picked";
    EXPECT_FALSE(repaintRequested());
    send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), 6) << "the thumb follows the zoom";
    EXPECT_TRUE(repaintRequested());
}

TEST_F(MainWindow, AResizeRepaintsTheWholeLensAndSetsTheZoomCeiling)
{
    validate();
    MoveWindow(window, 0, 0, 400, 70, TRUE);  // wide enough for the menu bar on one line
    RECT update, client;
    GetUpdateRect(window, &update, FALSE);
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << "a resize must repaint the whole lens";
    EXPECT_EQ(appState.lens.zoomMax, client.bottom) << "the ceiling is the client's shorter side, below 31";
}

// A display added, moved or resized: the lens reads the virtual screen again. Moved to a display of
// another DPI, it takes that DPI and the place the system suggests, if it suggests one.
TEST_F(MainWindow, ADisplayOrDpiChangeReachesTheLens)
{
    appState.lens.screen = {0, 0, 1, 1};
    validate();
    send(WM_DISPLAYCHANGE);
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    EXPECT_EQ(appState.lens.screen, (Rect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)}));
    EXPECT_TRUE(repaintRequested());
    RECT suggested = {40, 50, 300, 290}, before, after;
    for (const auto& [dpi, place] : {std::pair{144, &suggested}, std::pair{120, static_cast<RECT*>(nullptr)}}) {
        GetWindowRect(window, &before);
        send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(place));
        EXPECT_EQ(appState.lens.dpi, dpi);
        GetWindowRect(window, &after);
        EXPECT_TRUE(EqualRect(&after, place != nullptr ? place : &before)) << "at " << dpi << " DPI";
    }
}

}  // namespace
