// The main window: class registration, creation and its window procedure, whose handlers turn messages
// into the lens rules and decide when the lens is repainted.
#pragma once

#include <windows.h>

bool registerMainWindowClass(HINSTANCE instance);
HWND createMainWindow(HINSTANCE instance);
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Asks for the whole lens to be repainted, without erasing: the frame covers the client area.
inline void invalidateLens(HWND window) { InvalidateRect(window, nullptr, FALSE); }
