// The colour chart: a modal dialog of 216 fixed colours that shows the colour under the pointer
// and, on a click, makes it the picked colour.
#pragma once

#include <windows.h>

// DialogBoxParam's last argument is a COLORREF* that the chart shows as it opens and sets to each colour
// hovered; the dialog ends with IDOK when that colour is taken.
INT_PTR CALLBACK chartDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
