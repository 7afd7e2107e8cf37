// The window's rules driven with real messages under Wine: a drag picks only while the button is held,
// the scroll bar zooms, a resize repaints the whole lens, a DPI change reaches it, and its paint writes
// why a screen copy failed.
#include <gtest/gtest.h>

#include "app/lens_frame.h"
#include "lens/lens_layout.h"
#include "lens_window.h"

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
    send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), 6) << "the thumb follows the zoom";
    EXPECT_TRUE(repaintRequested());
}

// The scroll range ends at the new ceiling, the thumb staying at the zoom, 5; Fit Size then grows the
// client area to whole cells of it from the same corner.
TEST_F(MainWindow, AResizeRepaintsTheWholeLensAndSetsTheZoomRangeAndFitSizeTakesWholeCells)
{
    validate();
    MoveWindow(window, 10, 20, 401, 70, TRUE);  // one menu bar line, and no whole cells either way
    RECT update, client, place;
    GetUpdateRect(window, &update, FALSE);
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << "a resize must repaint the whole lens";
    int low, high;
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ(std::tuple(low, high, GetScrollPos(window, SB_VERT)), std::tuple(1, static_cast<int>(client.bottom), 5))
        << "the range ends at the client's shorter side, the thumb at the zoom";
    command(CMD_FIT_SIZE);
    GetClientRect(window, &client);
    GetWindowRect(window, &place);
    EXPECT_EQ((Point{client.right % 5, client.bottom % 5}), (Point{0, 0})) << client.right << " x " << client.bottom;
    EXPECT_EQ((Point{place.left, place.top}), (Point{10, 20}));
}

// Moved to a display of another DPI, the lens takes that DPI and the place the system suggests, if it
// suggests one.
TEST_F(MainWindow, ADpiChangeReachesTheLens)
{
    RECT suggested = {40, 50, 300, 290}, before, after;
    for (const auto& [dpi, place] : {std::pair{144, &suggested}, std::pair{120, static_cast<RECT*>(nullptr)}}) {
        GetWindowRect(window, &before);
        send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(place));
        EXPECT_EQ(appState.lens.dpi, dpi);
        GetWindowRect(window, &after);
        EXPECT_TRUE(EqualRect(&after, place != nullptr ? place : &before)) << "at " << dpi << " DPI";
    }
}

// A screen copy that fails writes the system's reason in red, and nothing when the system gives none:
// no stale reason from an earlier call, and never the message for success. A metafile cannot be copied
// from (ERROR_INVALID_HANDLE); a deleted context fails without a code.
TEST_F(MainWindow, AFailedCopyWritesItsReasonInRedOnlyWhenTheSystemGivesOne)
{
    const HDC metafile = CreateMetaFileA(nullptr);
    const HDC deleted = CreateCompatibleDC(nullptr);
    DeleteDC(deleted);
    const HDC paint = GetDC(window);
    const Point reason = lensLayoutFor(appState.lens.dpi).errorText;
    for (const auto& [screen, written] : {std::pair{metafile, true}, std::pair{deleted, false}}) {
        SetLastError(ERROR_ACCESS_DENIED);  // left by an earlier call
        composeLensFrame(window, paint, screen, appState.lens, appState.valueFont);
        int red = 0;
        for (int y = reason.y; y < reason.y + 12; ++y) {
            for (int x = reason.x; x < 140; ++x) {
                red += GetPixel(paint, x, y) == RGB(255, 0, 0);
            }
        }
        EXPECT_EQ(red > 0, written) << red << " red pixels where the reason is written";
    }
    ReleaseDC(window, paint);
    DeleteMetaFile(CloseMetaFile(metafile));
}
