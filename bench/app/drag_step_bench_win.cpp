// Cost of one drag step in the real program under Wine: a mouse move that resamples the pick
// point, then the paint it asks for, at the default window and at a 1920 x 1080 client area.
#include <windows.h>

#include "seconds_now_win.h"

#include <cstdio>

#include "app/app_state.h"
#include "app/main_window.h"
#include "resource_ids.h"

namespace {

void setClientSize(HWND window, int width, int height)
{
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    MoveWindow(window, 0, 0, outer.right - outer.left - client.right + width,
               outer.bottom - outer.top - client.bottom + height, TRUE);
}

// Mean microseconds per step over about a second of steps along a diagonal of the screen.
double microsecondsPerDragStep(HWND window)
{
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    int steps = 0;
    const double start = secondsNow();
    double elapsed = 0;
    while (elapsed < 1.0 || steps < 10) {
        const int offset = steps % 400;
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(offset, offset / 2));
        UpdateWindow(window);
        ++steps;
        elapsed = secondsNow() - start;
    }
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    return elapsed * 1e6 / steps;
}

}  // namespace

int main()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    LoadStringA(instance, STR_WINDOW_TITLE, appState.windowTitle, WINDOW_TEXT_SIZE);
    LoadStringA(instance, STR_WINDOW_CLASS, appState.windowClassName, WINDOW_TEXT_SIZE);
    registerMainWindowClass(instance);
    const HWND window = createMainWindow(instance);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);

    RECT client;
    GetClientRect(window, &client);
    std::printf("drag step, client %ldx%ld zoom %d: %.1f us\n", client.right, client.bottom, appState.lens.zoom,
                microsecondsPerDragStep(window));
    setClientSize(window, 1920, 1080);
    GetClientRect(window, &client);
    std::printf("drag step, client %ldx%ld zoom %d: %.1f us\n", client.right, client.bottom, appState.lens.zoom,
                microsecondsPerDragStep(window));
    DestroyWindow(window);
    return 0;
}
