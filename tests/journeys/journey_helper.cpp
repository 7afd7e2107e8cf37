// The journeys' helper inside the Wine desktop: shows the test pattern full-screen, reports the
// picker's windows as shell assignments (the journeys eval them) and drives the soak.
#include <windows.h>

#include <cstdio>
#include <string>

#include "pattern_window.h"

namespace {

// "pattern": a borderless window over the whole virtual screen, every display included, whose every
// pixel encodes its own place.
void showPattern()
{
    createPatternWindow(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
}

// "lens" and "window CLASS": count=N, the visible top-level windows of the picker's class or of CLASS,
// and the first of them as NAME_* (NAME the mode): its title in the program's code page, whether it is
// topmost, its outer size NAME_outer_{w,h} and its client area in screen pixels NAME_{x,y,w,h}. Then
// the scroll bar's width, also the height of its arrows.
void report(const char* name, const char* className)
{
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
        if (IsWindowVisible(window) && count++ == 0) {
            char title[128] = {};
            GetWindowTextA(window, title, sizeof title);
            const bool topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            RECT outer, client;
            GetWindowRect(window, &outer);
            GetClientRect(window, &client);
            MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
            std::printf("%s_title='%s' %s_topmost=%d %s_outer_w=%ld %s_outer_h=%ld\n", name, title, name, topmost,
                        name, outer.right - outer.left, name, outer.bottom - outer.top);
            std::printf("%s_x=%ld %s_y=%ld %s_w=%ld %s_h=%ld\n", name, client.left, name, client.top, name,
                        client.right - client.left, name, client.bottom - client.top);
        }
    }
    std::printf("count=%d scroll_bar_w=%d\n", count, GetSystemMetrics(SM_CXVSCROLL));
}

// "soak STEPS": drag steps across the screen and beyond each of its edges, and scroll changes, sent to
// the first picker window, each followed by its paint; then answers=1 if it still answers within five
// seconds.
void soak(int steps)
{
    const HWND window = FindWindowA("ORMELIN", nullptr);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    for (int step = 0; step < steps; ++step) {
        if (step % 10 == 9) {
            SendMessageA(window, WM_VSCROLL, MAKEWPARAM(step % 20 == 9 ? SB_LINEDOWN : SB_LINEUP, 0), 0);
        } else {
            SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(step * 37 % 1200 - 100, step * 23 % 900 - 100));
        }
        SendMessageA(window, WM_PAINT, 0, 0);
    }
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    const bool answers = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr) != 0;
    std::printf("answers=%d\n", answers);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc >= 2 ? argv[1] : "";
    if (mode == "pattern") {
        showPattern();
    } else if (mode == "lens" || (mode == "window" && argc >= 3)) {
        report(argv[1], mode == "lens" ? "ORMELIN" : argv[2]);
    } else if (mode == "soak" && argc >= 3) {
        soak(std::stoi(argv[2]));
    } else {
        std::fprintf(stderr, "usage: journey_helper pattern | lens | window CLASS | soak STEPS\n");
        return 2;
    }
    return 0;
}
