// The colour chart: a modal dialog of 216 fixed colours that shows the colour under the pointer
// and, on a click, makes it the picked colour.
#pragma once

#include <windows.h>

INT_PTR CALLBACK chartDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
