// The journeys' helper inside the Wine desktop, where xdotool cannot see the picker's windows: it shows
// the test pattern, or reports a window of a class as shell assignments, which the journeys eval.
#include <windows.h>

#include <cstdio>
#include <string>

#include "test_pattern.h"

// "pattern": the test pattern over the whole desktop, kept painted until the prefix ends.
// CLASS: the first window of CLASS in z-order as shown=1 if it is visible (else 0), its client area's
// top-left on the screen as x= and y=, and its outer size as size=WxH.
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
    // No line end, which the C runtime would write as CR LF.
    std::printf("shown=%d x=%ld y=%ld size=%ldx%ld", IsWindowVisible(window), place.rcClient.left, place.rcClient.top,
                place.rcWindow.right - place.rcWindow.left, place.rcWindow.bottom - place.rcWindow.top);
}
