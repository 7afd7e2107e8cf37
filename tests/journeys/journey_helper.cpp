// The journeys' helper inside the Wine desktop: shows the test pattern full-screen, reports the
// picker's windows as shell assignments (the journeys eval them), drives the soak and records what
// the shell is asked to open.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "pattern_color.h"

namespace {

// "pattern": a borderless window over the whole virtual screen, every display included, whose every
// pixel encodes its own place.
int showPattern()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    DWORD* pixels = nullptr;  // 0x00RRGGBB, rows top-down
    const HBITMAP bitmap =
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0);
    for (int i = 0; i < width * height; ++i) {
        const ColorRef color = patternColorAt(left + i % width, top + i / width);
        pixels[i] = redOf(color) << 16 | greenOf(color) << 8 | blueOf(color);
    }
    // A static control shows the bitmap: no window class or painting of our own.
    const HWND window = CreateWindowExA(0, "STATIC", "Test pattern", WS_POPUP | WS_VISIBLE | SS_BITMAP, left, top,
                                        width, height, nullptr, nullptr, nullptr, nullptr);
    SendMessageA(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}

// Prints NAME_title, NAME_topmost, the outer size NAME_outer_{w,h} and the client area in screen
// pixels NAME_{x,y,w,h}.
void describe(const char* name, HWND window)
{
    wchar_t title[128] = {};
    GetWindowTextW(window, title, 128);
    char utf8[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
    const bool topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    std::printf("%s_title='%s' %s_topmost=%d\n", name, utf8, name, topmost);
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("%s_outer_w=%ld %s_outer_h=%ld\n", name, outer.right - outer.left, name, outer.bottom - outer.top);
    std::printf("%s_x=%ld %s_y=%ld %s_w=%ld %s_h=%ld\n", name, client.left, name, client.top, name,
                client.right - client.left, name, client.bottom - client.top);
}

// "lens" and "window CLASS": count=N, the visible top-level windows of the class, and the first of
// them described as NAME_*.
int report(const char* name, const char* className)
{
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
        if (IsWindowVisible(window) && count++ == 0) {
            describe(name, window);
        }
    }
    std::printf("count=%d\n", count);
    return 0;
}

// "soak STEPS": drag steps and scroll changes sent to the first picker window, each followed by its
// paint; then answers=1 if the window still answers within five seconds.
int soak(int steps)
{
    const HWND window = FindWindowA("ORMELIN", nullptr);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    for (int step = 0; step < steps; ++step) {
        if (step % 10 == 9) {
            SendMessageA(window, WM_VSCROLL, MAKEWPARAM(step % 20 == 9 ? SB_LINEDOWN : SB_LINEUP, 0), 0);
        } else {
            const int x = step * 37 % 1200 - 100;  // across the screen and beyond each of its edges
            const int y = step * 23 % 900 - 100;
            SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
        }
        SendMessageA(window, WM_PAINT, 0, 0);
    }
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    DWORD_PTR answer = 0;
    const bool answers = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
    std::printf("answers=%d\n", answers);
    return 0;
}

// "record FILE WHAT": appends WHAT to FILE as a line of UTF-8, for the shell to call in place of a
// browser: what F1 and the home page ask the shell to open.
int record()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    char line[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, count > 3 ? arguments[3] : L"", -1, line, sizeof line - 1, nullptr, nullptr);
    FILE* file = _wfopen(count > 2 ? arguments[2] : L"", L"ab");
    if (file != nullptr) {
        std::fprintf(file, "%s\n", line);
        std::fclose(file);
    }
    LocalFree(arguments);
    return file != nullptr ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* mode = argc >= 2 ? argv[1] : "";
    if (std::strcmp(mode, "pattern") == 0) {
        return showPattern();
    }
    if (std::strcmp(mode, "lens") == 0) {
        // The scroll bar's width, also the height of its arrows.
        std::printf("scroll_bar_w=%d\n", GetSystemMetrics(SM_CXVSCROLL));
        return report("lens", "ORMELIN");
    }
    if (std::strcmp(mode, "window") == 0 && argc >= 3) {
        return report("window", argv[2]);
    }
    if (std::strcmp(mode, "soak") == 0 && argc >= 3) {
        return soak(std::atoi(argv[2]));
    }
    if (std::strcmp(mode, "record") == 0) {
        return record();
    }
    std::fprintf(stderr, "usage: journey_helper pattern | lens | window CLASS | soak STEPS | record FILE WHAT\n");
    return 2;
}
