// A platform of plain memory for the core tests: a screen whose every pixel encodes its own
// coordinates, one window with settable rectangles, and counts of what the rules asked of it.
#pragma once

#include <cstdint>

#include "lens/platform.h"

class FakePlatform final : public Platform {
public:
    std::int32_t screenWidth = 1024;
    std::int32_t screenHeight = 768;
    WindowHandle desktop = &desktopTag;
    Rect clientRect = {0, 0, 150, 100};
    Rect windowRect = {10, 20, 184, 181};

    int surfacesHeld = 0;  // window DCs obtained and not yet released
    int pixelReads = 0;
    int moves = 0;
    Rect movedTo = {};
    bool movedWithRepaint = false;

    // The colour of an on-screen pixel: distinct for every point, bytes all different.
    static ColorRef colorAt(std::int32_t x, std::int32_t y)
    {
        return static_cast<ColorRef>((x & 0xFFF) | (y & 0xFFF) << 12) ^ 0x00563412;
    }

    SurfaceHandle GetWindowDC(WindowHandle window) override
    {
        ++surfacesHeld;
        return window == desktop ? &screenTag : nullptr;
    }

    int ReleaseDC(WindowHandle window, SurfaceHandle surface) override
    {
        --surfacesHeld;
        return window == desktop && surface == &screenTag ? 1 : 0;
    }

    ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) override
    {
        ++pixelReads;
        const bool onScreen = x >= 0 && y >= 0 && x < screenWidth && y < screenHeight;
        return surface == &screenTag && onScreen ? colorAt(x, y) : 0xFFFFFFFF;
    }

    Rect GetClientRect(WindowHandle) override { return clientRect; }
    Rect GetWindowRect(WindowHandle) override { return windowRect; }

    void MoveWindow(WindowHandle, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, bool repaint) override
    {
        ++moves;
        movedTo = {x, y, x + width, y + height};
        movedWithRepaint = repaint;
    }

private:
    char desktopTag = 0;
    char screenTag = 0;
};
