// The colour chart: a modal dialog of 216 fixed colours that shows the colour under the pointer
// and, on a click, makes it the picked colour.
#pragma once

#include <windows.h>

#include "color/color.h"

INT_PTR CALLBACK chartDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows color as "R:r, G:g, B:b" and "#RRGGBB" in the dialog's two texts.
void showChartColor(HWND dialog, ColorRef color);
