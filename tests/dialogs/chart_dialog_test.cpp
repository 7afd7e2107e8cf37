// The colour chart on a change of DPI: the dialog manager lays it out again at the new scale, smaller
// than the cells when the font shrinks, and the chart must then hold its cells again on the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/window_dpi.h"
#include "dialogs/chart_dialog.h"
#include "dialogs/chart_layout.h"
#include "resource_ids.h"

namespace {

// The DPI changes while the chart is open: the cells repaint at the new scale, and a chart left too
// small in the screen's bottom-right corner grows in both dimensions to hold its cells and their
// margin, staying on the work area.
TEST(ColorChart, ADpiChangeRepaintsItAndFitsItToItsCellsOnTheWorkArea)
{
    const HWND chart = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(DLG_COLOR_CHART), nullptr,
                                          chartDialogProc, 0);
    RECT work, outer, client;
    const auto changeDpi = [&] {
        GetWindowRect(chart, &outer);
        ValidateRect(chart, nullptr);
        SendMessageW(chart, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&outer));
        MSG message;  // what the chart posts itself, but not the paint it asks for
        while (PeekMessageW(&message, chart, WM_PAINT + 1, 0xFFFF, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    };
    ShowWindow(chart, SW_SHOWNOACTIVATE);
    changeDpi();
    EXPECT_TRUE(GetUpdateRect(chart, nullptr, FALSE)) << "the cells were left at the old scale";
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(chart, nullptr, work.right - 60, work.bottom - 60, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    changeDpi();
    const Rect cells = chartRect(windowDpi(chart));
    GetWindowRect(chart, &outer);
    GetClientRect(chart, &client);
    EXPECT_GE(client.right, cells.right + cells.left);
    EXPECT_GE(client.bottom, cells.bottom + cells.top);
    EXPECT_TRUE(outer.left >= work.left && outer.top >= work.top && outer.right <= work.right &&
                outer.bottom <= work.bottom);
    DestroyWindow(chart);
}

}  // namespace
