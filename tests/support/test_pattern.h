// The test pattern that the oracle and the journeys show over every display and the pick benchmark reads:
// each pixel's colour names its own place, so that every pixel copied or sampled can be traced.
#pragma once

#include <windows.h>

#include <vector>

#include "color/color.h"

// red = x & 0xFF, green = y & 0xFF, blue = the high nibbles of x (low) and y (high): distinct for every
// point of a screen up to 4096 x 4096, negative coordinates included, with all three bytes in play.
constexpr ColorRef patternColorAt(int x, int y)
{
    return static_cast<ColorRef>((x & 0xFF) | (y & 0xFF) << 8 | ((x >> 8 & 0x0F) | (y >> 8 & 0x0F) << 4) << 16);
}

// A borderless window over the whole virtual screen showing the pattern as a static control's bitmap: no
// window class or painting of its own. The caller's thread keeps it painted.
inline HWND showTestPattern()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);  // 0x00RRGGBB, rows top-down
    for (int i = 0; i < width * height; ++i) {
        const ColorRef color = patternColorAt(left + i % width, top + i / width);
        pixels[i] = redOf(color) << 16 | greenOf(color) << 8 | blueOf(color);
    }
    const HWND window = CreateWindowExA(0, "Static", "Test pattern", WS_POPUP | WS_VISIBLE | SS_BITMAP, left, top,
                                        width, height, nullptr, nullptr, nullptr, nullptr);
    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, pixels.data());
    SendMessageA(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    return window;
}
