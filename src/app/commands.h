// The main window's commands, raised alike by the menu and the accelerators, and the small services
// they need: the colour dialog and the z-order switch.
#pragma once

#include <windows.h>

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam);

// The colour the user composes in the system colour dialog, or color when it is cancelled.
COLORREF chooseColor(HWND owner, COLORREF color);

// Puts the window into the topmost band, or out of it to the top of the ordinary windows, in place.
void setAlwaysOnTop(HWND window, bool onTop);
