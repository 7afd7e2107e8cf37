// The window's rules driven with real messages under Wine: a drag picks only while the button is held,
// the scroll bar zooms, a resize repaints the whole lens, and a display or DPI change reaches it.
#include <gtest/gtest.h>

#include <windows.h>

#include "lens/lens_layout.h"
#include "lens_window.h"

namespace {

using MainWindow = LensWindow;

// After the drag, a line down on the scroll bar zooms in and repaints, the thumb following.
TEST_F(MainWindow, PicksWhileTheButtonIsHeldNotAfterItsReleaseAndTheScrollBarZooms)
{
    placeClient(300, 200, 149, 115);
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    send(WM_MOUSEMOVE, MK_LBUTTON, at(-5, 30));  // left of the client area: a negative word
    EXPECT_EQ(appState.lens.pickPoint, (Point{295, 230}));
    send(WM_LBUTTONUP, 0, at(-5, 30));
    validate();
    send(WM_MOUSEMOVE, 0, at(20, 40));
    EXPECT_EQ(appState.lens.pickPoint, (Point{295, 230})) << "a move after the release picked";
    EXPECT_FALSE(repaintRequested());
    send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), 6) << "the thumb follows the zoom";
    EXPECT_TRUE(repaintRequested());
}

TEST_F(MainWindow, AResizeRepaintsTheWholeLensAndSetsTheZoomCeiling)
{
    validate();
    placeClient(300, 200, 300, 20);  // wide enough for the menu bar on one line
    RECT update, client;
    GetUpdateRect(window, &update, FALSE);
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << "a resize must repaint the whole lens";
    EXPECT_EQ(appState.lens.zoomMax, 20);
}

TEST_F(MainWindow, ADisplayChangeReadsTheVirtualScreenAgain)
{
    appState.lens.screen = {0, 0, 1, 1};
    validate();
    send(WM_DISPLAYCHANGE);
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    EXPECT_EQ(appState.lens.screen, (Rect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)}));
    EXPECT_TRUE(repaintRequested());
}

// A move to a display of another DPI scales the value font; the window takes the place the system
// suggests, and stays put when the message brings none.
TEST_F(MainWindow, ADpiChangeScalesTheFontAndMovesOnlyToASuggestedPlace)
{
    RECT suggested = {40, 50, 300, 290}, before, after;
    for (const auto& [dpi, place] : {std::pair{144, &suggested}, std::pair{120, static_cast<RECT*>(nullptr)}}) {
        GetWindowRect(window, &before);
        send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(place));
        LOGFONTA font{};
        GetObjectA(appState.valueFont, sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -lensLayoutFor(dpi).fontHeight) << "at " << dpi << " DPI";
        GetWindowRect(window, &after);
        EXPECT_TRUE(EqualRect(&after, place != nullptr ? place : &before)) << "at " << dpi << " DPI";
    }
}

}  // namespace
