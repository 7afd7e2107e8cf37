// The window-system operations the lens rules need, under their Win32 names and with their effects.
// platform_win.cpp implements them with USER32 and GDI; tests substitute a screen of their own.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "lens/plain_types.h"

class Platform {
public:
    // The window device context of window; for the desktop window its pixels are the screen's.
    virtual SurfaceHandle GetWindowDC(WindowHandle window) = 0;
    virtual int ReleaseDC(WindowHandle window, SurfaceHandle surface) = 0;
    // The pixel at (x, y), or 0xFFFFFFFF where there is none (a point on no display).
    virtual ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) = 0;

    virtual Rect GetClientRect(WindowHandle window) = 0;  // left and top are 0
    virtual Rect GetWindowRect(WindowHandle window) = 0;  // the outer rectangle, in screen pixels
    virtual void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, bool repaint) = 0;

protected:
    ~Platform() = default;
};

// The platform in use. The Windows program installs its Win32 one at entry, before any window exists.
Platform& platform();
void usePlatform(Platform& installed);
