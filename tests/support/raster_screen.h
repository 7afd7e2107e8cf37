// A fixture whose platform is the software raster over a 1024 x 768 screen of the test pattern, so
// that every pixel the rules copy or sample can be traced to its place.
#pragma once

#include <gtest/gtest.h>

#include "lens/app_state.h"
#include "lens/raster/raster_platform.h"
#include "pattern_color.h"

inline constexpr std::int32_t SCREEN_WIDTH = 1024;
inline constexpr std::int32_t SCREEN_HEIGHT = 768;

inline RasterImage patternScreen(std::int32_t width, std::int32_t height)
{
    RasterImage screen(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            screen.at(x, y) = patternColorAt(x, y);
        }
    }
    return screen;
}

// What a pixel read gives at a screen point: the pattern, or 0xFFFFFFFF on no display.
inline ColorRef screenPixel(Point at)
{
    const bool onScreen = at.x >= 0 && at.y >= 0 && at.x < SCREEN_WIDTH && at.y < SCREEN_HEIGHT;
    return onScreen ? patternColorAt(at.x, at.y) : 0xFFFFFFFF;
}

class RasterScreen : public testing::Test {
protected:
    RasterPlatform raster{patternScreen(SCREEN_WIDTH, SCREEN_HEIGHT)};

    void SetUp() override
    {
        appState = AppState{};
        installPlatform(raster);
        appState.desktopWindow = raster.desktopWindow();
        appState.screenWidth = SCREEN_WIDTH;
        appState.screenHeight = SCREEN_HEIGHT;
    }
};
