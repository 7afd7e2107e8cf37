// The journeys' helper inside the Wine desktop: shows the test pattern over every display and reports
// the picker's windows as shell assignments, which the journeys eval, since xdotool cannot see them.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_pattern.h"

// A window's text as the window itself gives it, also a control's of another process, in UTF-8 whatever
// the code page: through the wide API, which an ANSI dialog's "?" for lost characters reaches as such.
static std::string windowText(HWND window)
{
    wchar_t text[256] = {};
    char bytes[768] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

// "pattern": a borderless window over the whole virtual screen, every display included, showing the
// test pattern as a static control's bitmap: no window class or painting of its own.
static void showPattern()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);  // 0x00RRGGBB, rows top-down
    for (int i = 0; i < width * height; ++i) {
        const ColorRef color = patternColorAt(left + i % width, top + i / width);
        pixels[i] = redOf(color) << 16 | greenOf(color) << 8 | blueOf(color);
    }
    const HWND window = CreateWindowExA(0, "Static", "Test pattern", WS_POPUP | WS_VISIBLE | SS_BITMAP, left, top,
                                        width, height, nullptr, nullptr, nullptr, nullptr);
    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, pixels.data());
    SendMessageA(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
}

// "lens" and "window CLASS": count=N, the visible top-level windows of the picker's class or of CLASS,
// and the first of them as NAME_* (NAME the mode): its title, its controls' texts joined by "|" in their
// order, its client area in screen pixels NAME_{x,y,w,h}, and its outer size as NAME_size=WxH.
static void report(const char* name, const char* className)
{
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
        if (IsWindowVisible(window) && count++ == 0) {
            std::string texts;
            for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
                texts += (texts.empty() ? "" : "|") + windowText(control);
            }
            RECT client, outer;
            GetClientRect(window, &client);
            MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
            GetWindowRect(window, &outer);
            std::printf("%s_title='%s' %s_texts='%s' %s_x=%ld %s_y=%ld %s_w=%ld %s_h=%ld %s_size=%ldx%ld\n", name,
                        windowText(window).c_str(), name, texts.c_str(), name, client.left, name, client.top,
                        name, client.right - client.left, name, client.bottom - client.top, name,
                        outer.right - outer.left, outer.bottom - outer.top);
        }
    }
    std::printf("count=%d\n", count);
}

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "pattern") {
        showPattern();
    } else if (argc >= 2) {
        report(argv[1], argc >= 3 ? argv[2] : "ORMELIN");
    }
    return 0;
}
