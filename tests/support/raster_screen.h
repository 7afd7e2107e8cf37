// Fixtures whose platform is the software raster over screens of the test pattern, so that every
// pixel the rules copy or sample can be traced to its place: one display, or two side by side.
#pragma once

#include <gtest/gtest.h>

#include "lens/app_state.h"
#include "lens/raster/raster_platform.h"
#include "pattern_color.h"

inline constexpr std::int32_t SCREEN_WIDTH = 1024;
inline constexpr std::int32_t SCREEN_HEIGHT = 768;
inline constexpr Rect PRIMARY = {0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
// A second display left of the primary and 120 pixels higher. The virtual screen around the two also
// holds places on no display: below the left one and above the primary.
inline constexpr Rect LEFT_DISPLAY = {-640, -120, 0, 360};
inline constexpr Rect TWO_DISPLAYS = {-640, -120, SCREEN_WIDTH, SCREEN_HEIGHT};

inline bool inside(const Rect& rect, Point at)
{
    return at.x >= rect.left && at.y >= rect.top && at.x < rect.right && at.y < rect.bottom;
}

// What a pixel read gives at a point of the virtual screen PRIMARY or TWO_DISPLAYS: the pattern on a
// display, 0xFFFFFFFF on none.
inline ColorRef screenPixel(Point at, const Rect& screen = PRIMARY)
{
    const bool onLeftDisplay = screen == TWO_DISPLAYS && inside(LEFT_DISPLAY, at);
    return inside(PRIMARY, at) || onLeftDisplay ? patternColorAt(at.x, at.y) : 0xFFFFFFFF;
}

inline RasterImage screenImage(const Rect& screen)
{
    RasterImage image(screen.right - screen.left, screen.bottom - screen.top);
    for (std::int32_t y = 0; y < image.height; ++y) {
        for (std::int32_t x = 0; x < image.width; ++x) {
            image.at(x, y) = screenPixel({screen.left + x, screen.top + y}, screen);
        }
    }
    return image;
}

// The raster over a virtual screen, installed as the platform, and the lens's state on it.
class RasterScreen : public testing::Test {
protected:
    explicit RasterScreen(const Rect& screen = PRIMARY)
        : raster(screenImage(screen), {screen.left, screen.top}), screen(screen)
    {
    }

    void SetUp() override
    {
        appState = AppState{};
        installPlatform(raster);
        appState.desktopWindow = raster.desktopWindow();
        appState.screen = screen;
    }

    RasterPlatform raster;
    const Rect screen;
};
