// The journeys' helper inside the Wine desktop, where xdotool cannot see the picker's windows: it shows
// the test pattern, or reports a window of a class as shell assignments, which the journeys eval.
#include <windows.h>

#include <cstdio>
#include <string>

#include "test_pattern.h"

// "pattern": the test pattern over the whole desktop, kept painted until the prefix ends.
// CLASS: the first window of CLASS in z-order as shown=1 if it is visible (else 0), its client area's
// top-left on the screen as x= and y=, its outer size as size=WxH, and its title and its controls'
// texts in their order as texts='TITLE|TEXT|...'.
int main(int, char** argv)
{
    if (std::string(argv[1]) == "pattern") {
        showTestPattern();
        for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;) {
            DispatchMessageA(&message);
        }
        return 0;
    }
    const HWND window = FindWindowA(argv[1], nullptr);
    WINDOWINFO place = {};
    place.cbSize = sizeof place;
    GetWindowInfo(window, &place);
    // The texts as the windows themselves give them, also an ANSI dialog's "?" for a lost character, in
    // UTF-8 whatever the code page: through the wide API, which works across processes.
    std::string texts;
    for (HWND item = window; item; item = GetWindow(item, item == window ? GW_CHILD : GW_HWNDNEXT)) {
        wchar_t text[256] = {};
        char bytes[768] = {};
        SendMessageW(item, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
        texts += (item == window ? "" : "|") + std::string(bytes);
    }
    // No line end, which the C runtime would write as CR LF.
    std::printf("shown=%d x=%ld y=%ld size=%ldx%ld texts='%s'", IsWindowVisible(window), place.rcClient.left,
                place.rcClient.top, place.rcWindow.right - place.rcWindow.left,
                place.rcWindow.bottom - place.rcWindow.top, texts.c_str());
}
