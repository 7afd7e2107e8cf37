// The journeys' eyes inside the Wine desktop: reports where the picker's windows are and what
// they show, and drives the soak. Each command prints "key value..." lines on standard output.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "resource_ids.h"

namespace {

BOOL CALLBACK collectLens(HWND window, LPARAM found)
{
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "ORMELIN") == 0) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> lensWindows()
{
    std::vector<HWND> found;
    EnumWindows(collectLens, reinterpret_cast<LPARAM>(&found));
    return found;
}

// "lens": the first picker window, its client area in screen pixels, style and scroll bar.
int reportLens()
{
    const std::vector<HWND> windows = lensWindows();
    std::printf("count %u\n", static_cast<unsigned>(windows.size()));
    if (windows.empty()) {
        return 0;
    }
    const HWND window = windows.front();
    char title[128] = {};
    GetWindowTextA(window, title, sizeof title);
    std::printf("title %s\n", title);
    std::printf("topmost %d\n", (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    std::printf("outer %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("menubar %ld\n", origin.y - GetSystemMetrics(SM_CYMENU) / 2);
    std::printf("scrollbar %d\n", GetSystemMetrics(SM_CXVSCROLL));
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    GetScrollInfo(window, SB_VERT, &scroll);
    std::printf("scroll %d %d %d\n", scroll.nPos, scroll.nMin, scroll.nMax);
    const HMENU menu = GetMenu(window);
    std::printf("checked");
    for (UINT item : {MODE_SCREEN_COORDS, MODE_COLORREF, MODE_HTML, MODE_RGB, MODE_HSB, CMD_INVERT, CMD_ALWAYS_ON_TOP}) {
        if ((GetMenuState(menu, item, MF_BYCOMMAND) & MF_CHECKED) != 0) {
            std::printf(" %u", item);
        }
    }
    std::printf("\n");
    return 0;
}

// "window CLASS": the client area of the first visible window of that class, or "none".
int reportWindow(const char* className)
{
    const HWND window = FindWindowA(className, nullptr);
    if (window == nullptr || !IsWindowVisible(window)) {
        std::printf("none\n");
        return 0;
    }
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    char utf8[256] = {};
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("outer %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
    std::printf("title %s\n", utf8);
    return 0;
}

// "soak STEPS": drag steps and scroll changes sent to the first lens window, each followed by
// its paint; then whether the window still answers.
int soak(int steps)
{
    const std::vector<HWND> windows = lensWindows();
    if (windows.empty()) {
        std::printf("none\n");
        return 1;
    }
    const HWND window = windows.front();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    for (int step = 0; step < steps; ++step) {
        if (step % 10 == 9) {
            SendMessageA(window, WM_VSCROLL, MAKEWPARAM(step % 20 == 9 ? SB_LINEDOWN : SB_LINEUP, 0), 0);
        } else {
            const int x = (step * 37) % 1200 - 100;
            const int y = (step * 23) % 900 - 100;
            SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
        }
        SendMessageA(window, WM_PAINT, 0, 0);
    }
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    DWORD_PTR answer = 0;
    const bool answers = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
    std::printf("answers %d\n", answers);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "lens") == 0) {
        return reportLens();
    }
    if (argc >= 3 && std::strcmp(argv[1], "window") == 0) {
        return reportWindow(argv[2]);
    }
    if (argc >= 3 && std::strcmp(argv[1], "soak") == 0) {
        return soak(std::atoi(argv[2]));
    }
    std::fprintf(stderr, "usage: probe lens | window CLASS | soak STEPS\n");
    return 2;
}
