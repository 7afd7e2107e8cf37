// The main window: its class registration, creation and window procedure.
// The lens grows into it handler by handler; for now it opens, paints its frame and closes.
#pragma once

#include <windows.h>

bool registerMainWindowClass(HINSTANCE instance);
HWND createMainWindow(HINSTANCE instance);
