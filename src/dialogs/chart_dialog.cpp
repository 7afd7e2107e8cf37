// Colour chart dialog procedure: paints the cells, follows the pointer by reading back the pixel
// actually shown, and hands the last colour hovered to the lens on OK.
#include "dialogs/chart_dialog.h"

#include "dialogs/chart_layout.h"
#include "lens/app_state.h"
#include "lens/lens_frame.h"
#include "lens/platform_win.h"
#include "resource_ids.h"

namespace {

POINT pointOf(LPARAM lParam) { return {LOWORD(lParam), HIWORD(lParam)}; }

bool inChart(POINT point)
{
    const RECT chart = {chartRect.left, chartRect.top, chartRect.right, chartRect.bottom};
    return PtInRect(&chart, point) != FALSE;
}

void paintChart(HWND dialog)
{
    PAINTSTRUCT paint;
    const HDC surface = BeginPaint(dialog, &paint);
    for (int red = 0; red < 6; ++red) {
        for (int green = 0; green < 6; ++green) {
            for (int blue = 0; blue < 6; ++blue) {
                fillSolidRect(handleOf(surface), chartCellRect(red, green, blue), chartCellColor(red, green, blue));
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
    if (!inChart(point)) {
        return;
    }
    const HDC surface = GetDC(dialog);
    appState.chartColor = GetPixel(surface, point.x, point.y);
    showChartColor(dialog, appState.chartColor);
    ReleaseDC(dialog, surface);
}

// A click only asks for OK; the colour taken is the one hovered last when the command arrives.
void clickChart(HWND dialog, LPARAM lParam)
{
    if (inChart(pointOf(lParam))) {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }
}

INT_PTR onChartCommand(HWND dialog, WORD command)
{
    switch (command) {
    case IDOK:
        appState.currentColor = appState.chartColor;
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK chartDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: showChartColor(dialog, appState.chartColor); return TRUE;
    case WM_PAINT: paintChart(dialog); return FALSE;
    case WM_MOUSEMOVE: hoverChart(dialog, lParam); return FALSE;
    case WM_LBUTTONDOWN: clickChart(dialog, lParam); return FALSE;
    case WM_COMMAND: return onChartCommand(dialog, LOWORD(wParam));
    default: return FALSE;
    }
}

void showChartColor(HWND dialog, ColorRef color)
{
    char text[32];
    wsprintfA(text, "R:%u, G:%u, B:%u", redOf(color), greenOf(color), blueOf(color));
    SetDlgItemTextA(dialog, CTL_CHART_RGB, text);
    wsprintfA(text, "#%02X%02X%02X", redOf(color), greenOf(color), blueOf(color));
    SetDlgItemTextA(dialog, CTL_CHART_HTML, text);
}
