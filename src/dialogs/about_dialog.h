// The About box: product name, version and ownership notice from its template, and an OK button.
// It touches no state.
#pragma once

#include <windows.h>

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
