// The DPI of the display a window is on, which the lens's layout and the chart's cells follow: the
// window's own where the system tells it (Windows 10 from 1607 on), the system's elsewhere.
#pragma once

#include <windows.h>

#include <cstdint>

std::int32_t windowDpi(HWND window);
