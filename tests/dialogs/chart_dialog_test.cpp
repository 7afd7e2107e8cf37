// The colour chart on a change of DPI, which the dialog manager answers by laying it out again at the
// new scale: the cells must then be repainted at that scale, and held whole by the dialog again.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/window_dpi.h"
#include "dialogs/chart_dialog.h"
#include "dialogs/chart_layout.h"
#include "resource_ids.h"

// A change of DPI repaints the cells; a size too small for them each way, in the work area's bottom-right
// corner, grows back to hold them without leaving the work area.
TEST(ColorChart, ADpiChangeRepaintsItAndNoNewSizeCutsItsCells)
{
    const HWND chart = CreateDialogParamW(nullptr, MAKEINTRESOURCEW(DLG_COLOR_CHART), nullptr, chartDialogProc, 0);
    RECT place, client, work;
    GetWindowRect(chart, &place);
    ShowWindow(chart, SW_SHOWNOACTIVATE);
    ValidateRect(chart, nullptr);
    SendMessageW(chart, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&place));
    EXPECT_TRUE(GetUpdateRect(chart, nullptr, FALSE)) << "the cells were left at the old scale";
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(chart, nullptr, work.right - 100, work.bottom - 100, 100, 100, SWP_NOZORDER);
    GetWindowRect(chart, &place);
    GetClientRect(chart, &client);
    const Rect cells = chartRect(windowDpi(chart));
    EXPECT_TRUE(client.right >= cells.right + cells.left && client.bottom >= cells.bottom + cells.top)
        << "a client area of " << client.right << " x " << client.bottom << " cuts the cells";
    EXPECT_TRUE(place.right <= work.right && place.bottom <= work.bottom) << "it grew off the work area";
    DestroyWindow(chart);
}
