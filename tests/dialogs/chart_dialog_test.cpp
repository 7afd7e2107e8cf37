// The colour chart opened from the real window under Wine: its texts, the cells read back from the
// screen while hovering, clicks inside and just outside the chart, Cancel and the hidden OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "hex_color.h"
#include "lens_window.h"

namespace {

using ColorChart = LensWindow;

std::string textsOf(HWND dialog)
{
    char rgb[32] = {}, html[32] = {};
    GetDlgItemTextA(dialog, CTL_CHART_RGB, rgb, sizeof rgb);
    GetDlgItemTextA(dialog, CTL_CHART_HTML, html, sizeof html);
    return std::string(rgb) + " " + html;
}

// Opened from a picker in the screen's bottom-right corner, it stays on the work area.
TEST_F(ColorChart, OpensOnTheWorkAreaShowingBlackAndIgnoresPointsJustOutside)
{
    appState.currentColor = 0x00563412;
    RECT work, outer{}, onWork{}, client{}, laidOut = {0, 0, 173, 175};  // the template's size in dialog units
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window, nullptr, work.right - 60, work.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::string shown;
    bool closing = true;
    whenDialogOpens([&](HWND dialog) {
        GetWindowRect(dialog, &outer);
        IntersectRect(&onWork, &outer, &work);
        GetClientRect(dialog, &client);
        MapDialogRect(dialog, &laidOut);
        for (const LPARAM outside : {at(295, 100), at(100, 199), at(6, 100), at(100, 6)}) {
            SendMessageA(dialog, WM_MOUSEMOVE, 0, outside);
            SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, outside);
        }
        shown = textsOf(dialog);
        MSG posted;
        closing = PeekMessageA(&posted, dialog, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    validate();
    command(CMD_COLOR_CHART);
    EXPECT_EQ(shown, "R:0, G:0, B:0 #000000");
    // Grown where its font leaves it too small for the 288 x 192 chart and a margin of 7 all round.
    const Point holdingTheChart = {std::max(laidOut.right, 302L), std::max(laidOut.bottom, 206L)};
    EXPECT_EQ((Point{client.right, client.bottom}), holdingTheChart);
    EXPECT_TRUE(EqualRect(&onWork, &outer)) << "reaches past the work area to " << outer.right << ", " << outer.bottom;
    EXPECT_FALSE(closing) << "a click outside the chart asked to close it";
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412});
    EXPECT_TRUE(repaintRequested());
}

TEST_F(ColorChart, HoverShowsTheCellUnderThePointerAndAClickTakesIt)
{
    struct Cell { LPARAM point; const char* texts; ColorRef color; };
    const Cell cells[] = {
        {at(7, 7), "R:0, G:0, B:0 #000000", 0x00000000},  // the upper-left cell's corner
        {at(135 + 15, 119), "R:56, G:104, B:200 #3868C8", 0x00C86838},  // red 1, green 2, blue 4
        {at(294, 198), "R:255, G:255, B:255 #FFFFFF", 0x00FFFFFF},  // the lower-right cell's corner
        {at(7 + 16 * 12, 7 + 16 * 5), "R:255, G:0, B:104 #FF0068", 0x006800FF},
    };
    for (const Cell& cell : cells) {
        std::string shown;
        whenDialogOpens([&](HWND dialog) {
            SendMessageA(dialog, WM_MOUSEMOVE, 0, cell.point);
            shown = textsOf(dialog);
            SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, cell.point);
        });
        command(CMD_COLOR_CHART);
        EXPECT_EQ(shown, cell.texts);
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{cell.color});
    }
}

TEST_F(ColorChart, CancelledHoverIsShownNextTimeAndTheHiddenOkTakesIt)
{
    appState.currentColor = 0x00563412;
    whenDialogOpens([](HWND dialog) {
        SendMessageA(dialog, WM_MOUSEMOVE, 0, at(140, 125));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    command(CMD_COLOR_CHART);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412});
    std::string shown;
    bool okHidden = false;
    whenDialogOpens([&](HWND dialog) {
        shown = textsOf(dialog);
        okHidden = !IsWindowVisible(GetDlgItem(dialog, IDOK));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    command(CMD_COLOR_CHART);
    EXPECT_EQ(shown, "R:56, G:104, B:200 #3868C8");
    EXPECT_TRUE(okHidden);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00C86838});
}

}  // namespace
