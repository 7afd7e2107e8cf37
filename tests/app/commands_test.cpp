// The commands on the real window under Wine: the notations' and invert's check marks, and always on
// top, which must not drop the window below the ones it covered.
#include <gtest/gtest.h>

#include <windows.h>

#include "lens_window.h"

namespace {

using Commands = LensWindow;

TEST_F(Commands, NotationsAndInvertMoveTheirCheckMarksAndRepaint)
{
    struct Change { UINT command, checkedMode; bool inverted; };
    const Change changes[] = {
        {MODE_HSB, MODE_HSB, false},
        {CMD_NEXT_MODE, MODE_SCREEN_COORDS, false},  // F3: after the last, the first
        {MODE_COLORREF, MODE_COLORREF, false},
        {MODE_COLORREF, MODE_COLORREF, false},  // the mode in force stays checked
        {CMD_INVERT, MODE_COLORREF, true},
    };
    const HMENU menu = GetMenu(window);
    const auto checked = [menu](UINT item) { return (GetMenuState(menu, item, MF_BYCOMMAND) & MF_CHECKED) != 0; };
    for (const Change& change : changes) {
        validate();
        command(change.command);
        for (UINT mode = MODE_SCREEN_COORDS; mode <= MODE_HSB; ++mode) {
            EXPECT_EQ(checked(mode), mode == change.checkedMode) << "item " << mode << " after " << change.command;
        }
        EXPECT_EQ(checked(CMD_INVERT), change.inverted);
        EXPECT_TRUE(repaintRequested());
    }
}

TEST_F(Commands, AlwaysOnTopOffLeavesTheTopmostBandButStaysAboveTheWindowBelow)
{
    const HWND below = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                       nullptr, nullptr);
    command(CMD_ALWAYS_ON_TOP);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    HWND next = window;
    while (next != nullptr && next != below) {
        next = GetWindow(next, GW_HWNDNEXT);
    }
    EXPECT_EQ(next, below) << "the window dropped below the one it covered";
    DestroyWindow(below);
}

}  // namespace
