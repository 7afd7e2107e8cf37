// The main window's commands, raised alike by the menu and the accelerators: the low 16 bits of wParam
// name the command, and anything that is not one of them goes to DefWindowProcA.
#pragma once

#include <windows.h>

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam);
