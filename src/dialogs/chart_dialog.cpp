// Colour chart dialog procedure: paints the cells, follows the pointer by reading back the pixel
// actually shown into its caller's colour slot, and ends with OK or Cancel.
#include "dialogs/chart_dialog.h"

#include <windowsx.h>

#include <algorithm>

#include "lens/chart_layout.h"
#include "resource_ids.h"
#include "win32/fill_solid_rect.h"
#include "win32/gdi_guards.h"
#include "win32/window_dpi.h"

namespace {

// Shows color as "R:r, G:g, B:b" and "#RRGGBB" in the dialog's two texts.
void showChartColor(HWND dialog, COLORREF color)
{
    char text[32];
    wsprintfA(text, "R:%u, G:%u, B:%u", redOf(color), greenOf(color), blueOf(color));
    SetDlgItemTextA(dialog, CTL_CHART_RGB, text);
    wsprintfA(text, "#%02X%02X%02X", redOf(color), greenOf(color), blueOf(color));
    SetDlgItemTextA(dialog, CTL_CHART_HTML, text);
}

POINT pointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// The cells' area at the dialog's DPI, in its client pixels.
RECT chartArea(HWND dialog)
{
    const std::int32_t dpi = windowDpi(dialog);
    return toRECT(chartRect(dpi));
}

bool inChart(HWND dialog, POINT point)
{
    const RECT chart = chartArea(dialog);
    return PtInRect(&chart, point) != FALSE;
}

// The cells are placed in pixels and the dialog is sized in dialog units, which follow its font:
// where the font leaves it too small for the chart and its margin, the dialog grows just enough,
// its controls staying where the template puts them. The dialog manager fitted the template into the
// work area before it grew, so the grown dialog is moved back onto its monitor's work area: opened
// from a picker in a corner it would reach past the screen. (Wine ignores DM_REPOSITION.) It is fitted
// again at every new size: at a new DPI the dialog manager lays it out again, and its font and the cells
// need not scale alike.
void fitChart(HWND dialog)
{
    const RECT chart = chartArea(dialog);
    RECT client, outer;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &outer);
    const LONG width = outer.right - outer.left + std::max(0L, chart.right + chart.left - client.right);
    const LONG height = outer.bottom - outer.top + std::max(0L, chart.bottom + chart.top - client.bottom);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG left = std::max(work.left, std::min(outer.left, work.right - width));
    const LONG top = std::max(work.top, std::min(outer.top, work.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The caller's colour slot, handed over with WM_INITDIALOG: the colour shown as the chart opens, then
// the last one hovered.
COLORREF& hoveredColor(HWND dialog) { return *reinterpret_cast<COLORREF*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

INT_PTR initChart(HWND dialog, LPARAM colorSlot)
{
    SetWindowLongPtrW(dialog, DWLP_USER, colorSlot);
    fitChart(dialog);
    showChartColor(dialog, hoveredColor(dialog));
    return TRUE;
}

void paintChart(HWND dialog)
{
    const std::int32_t dpi = windowDpi(dialog);
    PAINTSTRUCT paint;
    const HDC surface = BeginPaint(dialog, &paint);
    for (int red = 0; red < 6; ++red) {
        for (int green = 0; green < 6; ++green) {
            for (int blue = 0; blue < 6; ++blue) {
                fillSolidRect(surface, chartCellRect(red, green, blue, dpi), chartCellColor(red, green, blue));
            }
        }
    }
    EndPaint(dialog, &paint);
}

// The colour shown is what the display has there, which on a display of few colours may differ
// from the cell's own.
void hoverChart(HWND dialog, LPARAM lParam)
{
    const POINT point = pointOf(lParam);
    if (!inChart(dialog, point)) {
        return;
    }
    const ScopedDC surface(dialog, GetDC(dialog));
    COLORREF& hovered = hoveredColor(dialog);
    hovered = GetPixel(surface, point.x, point.y);
    showChartColor(dialog, hovered);
}

// A click only asks for OK; the colour taken is the one hovered last when the command arrives.
void clickChart(HWND dialog, LPARAM lParam)
{
    if (inChart(dialog, pointOf(lParam))) {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }
}

INT_PTR onChartCommand(HWND dialog, WORD command)
{
    switch (command) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, command);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK chartDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return initChart(dialog, lParam);
    case WM_PAINT: paintChart(dialog); return FALSE;
    case WM_MOUSEMOVE: hoverChart(dialog, lParam); return FALSE;
    case WM_LBUTTONDOWN: clickChart(dialog, lParam); return FALSE;
    case WM_COMMAND: return onChartCommand(dialog, LOWORD(wParam));
    case WM_SIZE: fitChart(dialog); return FALSE;
    case WM_DPICHANGED: InvalidateRect(dialog, nullptr, TRUE); return FALSE;  // the cells at the new scale
    default: return FALSE;
    }
}
