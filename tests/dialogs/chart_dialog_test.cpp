// The colour chart opened from the real window under Wine: its texts, the cells read back from
// the screen while hovering, clicks inside and outside the chart, OK, Cancel and the hidden OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "dialogs/chart_layout.h"
#include "hex_color.h"
#include "lens_window.h"

namespace {

using ColorChart = LensWindow;

struct ChartTexts {
    std::string rgb, html;
};

ChartTexts textsOf(HWND dialog)
{
    char rgb[64] = {}, html[64] = {};
    GetDlgItemTextA(dialog, CTL_CHART_RGB, rgb, sizeof rgb);
    GetDlgItemTextA(dialog, CTL_CHART_HTML, html, sizeof html);
    return {rgb, html};
}

LPARAM centreOf(const Rect& cell) { return at((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2); }

TEST(ChartLayout, CellsCoverTheChartRectangleExactly)
{
    EXPECT_EQ(chartCellRect(0, 0, 0), (Rect{7, 7, 23, 23}));
    EXPECT_EQ(chartCellRect(5, 5, 5), (Rect{279, 183, 295, 199}));
    EXPECT_EQ(chartCellRect(1, 2, 4), (Rect{135, 119, 151, 135}));
    EXPECT_EQ(HexColor{chartCellColor(1, 2, 4)}, HexColor{0x00C86838});
    EXPECT_EQ(HexColor{chartCellColor(5, 5, 5)}, HexColor{0x00FFFFFF});
}

TEST_F(ColorChart, FirstOpeningShowsBlackAndCancelKeepsTheColour)
{
    appState.currentColor = 0x00563412;
    ChartTexts shown;
    whenDialogOpens([&](HWND dialog) {
        shown = textsOf(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    validate();
    command(CMD_COLOR_CHART);
    EXPECT_EQ(shown.rgb, "R:0, G:0, B:0");
    EXPECT_EQ(shown.html, "#000000");
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412});
    EXPECT_TRUE(repaintRequested());
}

struct HoverCase {
    int red, green, blue;
    const char* rgb;
    const char* html;
};

TEST_F(ColorChart, HoverShowsTheCellUnderThePointerAndAClickTakesIt)
{
    const HoverCase cases[] = {
        {0, 0, 0, "R:0, G:0, B:0", "#000000"},
        {1, 2, 4, "R:56, G:104, B:200", "#3868C8"},
        {5, 5, 5, "R:255, G:255, B:255", "#FFFFFF"},
        {5, 0, 2, "R:255, G:0, B:104", "#FF0068"},
    };
    for (const HoverCase& c : cases) {
        ChartTexts shown;
        whenDialogOpens([&](HWND dialog) {
            const LPARAM point = centreOf(chartCellRect(c.red, c.green, c.blue));
            SendMessageA(dialog, WM_MOUSEMOVE, 0, point);
            shown = textsOf(dialog);
            SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, point);
        });
        command(CMD_COLOR_CHART);
        EXPECT_EQ(shown.rgb, c.rgb);
        EXPECT_EQ(shown.html, c.html);
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{chartCellColor(c.red, c.green, c.blue)});
    }
}

TEST_F(ColorChart, PointsJustOutsideTheChartChangeNothing)
{
    bool stillOpen = false;
    ChartTexts shown;
    whenDialogOpens([&](HWND dialog) {
        for (LPARAM outside : {at(295, 100), at(100, 199), at(6, 100), at(100, 6)}) {
            SendMessageA(dialog, WM_MOUSEMOVE, 0, outside);
            SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, outside);
        }
        shown = textsOf(dialog);
        MSG posted;
        stillOpen = PeekMessageA(&posted, dialog, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) == FALSE;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    command(CMD_COLOR_CHART);
    EXPECT_TRUE(stillOpen) << "a click outside the chart asked to close it";
    EXPECT_EQ(shown.html, "#000000");
}

TEST_F(ColorChart, CancelledHoverIsShownNextTimeAndTheHiddenOkTakesIt)
{
    appState.currentColor = 0x00563412;
    whenDialogOpens([](HWND dialog) {
        SendMessageA(dialog, WM_MOUSEMOVE, 0, centreOf(chartCellRect(1, 2, 4)));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    command(CMD_COLOR_CHART);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412});
    EXPECT_EQ(HexColor{appState.chartColor}, HexColor{0x00C86838});

    ChartTexts shown;
    bool okHidden = false;
    whenDialogOpens([&](HWND dialog) {
        shown = textsOf(dialog);
        okHidden = !IsWindowVisible(GetDlgItem(dialog, IDOK));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    command(CMD_COLOR_CHART);
    EXPECT_EQ(shown.rgb, "R:56, G:104, B:200");
    EXPECT_EQ(shown.html, "#3868C8");
    EXPECT_TRUE(okHidden);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00C86838});
}

}  // namespace
