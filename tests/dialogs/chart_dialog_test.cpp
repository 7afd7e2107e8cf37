// The colour chart opened from the real window under Wine, from a picker in the screen's bottom-right
// corner: it stays on the work area, shows the cell under the pointer, and Cancel keeps the colour.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "hex_color.h"
#include "lens_window.h"

namespace {

using ColorChart = LensWindow;

TEST_F(ColorChart, StaysOnTheWorkAreaShowsTheHoveredCellAndCancelKeepsTheColour)
{
    appState.lens.currentColor = 0x00563412;
    RECT work, outer{}, onWork;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window, nullptr, work.right - 60, work.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::string shown;
    whenDialogOpens([&](HWND dialog) {
        GetWindowRect(dialog, &outer);
        SendMessageA(dialog, WM_MOUSEMOVE, 0, at(135 + 15, 119));  // red 1, green 2, blue 4
        char rgb[32] = {}, html[32] = {};
        GetDlgItemTextA(dialog, CTL_CHART_RGB, rgb, sizeof rgb);
        GetDlgItemTextA(dialog, CTL_CHART_HTML, html, sizeof html);
        shown = std::string(rgb) + " " + html;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    command(CMD_COLOR_CHART);
    IntersectRect(&onWork, &outer, &work);
    EXPECT_TRUE(EqualRect(&onWork, &outer)) << "reaches past the work area to " << outer.right << ", " << outer.bottom;
    EXPECT_EQ(shown, "R:56, G:104, B:200 #3868C8");
    EXPECT_EQ(HexColor{appState.lens.currentColor}, HexColor{0x00563412});
}

}  // namespace
