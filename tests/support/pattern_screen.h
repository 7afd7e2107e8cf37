// A fixture for the lens rules on real GDI under Wine: a window shows the test pattern over the whole
// screen, so that every pixel the rules copy or sample can be traced to its place.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "frame_cases.h"
#include "lens/app_state.h"
#include "lens/platform_win.h"
#include "pattern_window.h"

// What a pixel read gives at a point of the screen: the pattern, or 0xFFFFFFFF off the screen.
inline ColorRef screenPixel(Point at)
{
    const bool onScreen = at.x >= 0 && at.y >= 0 && at.x < SCREEN_WIDTH && at.y < SCREEN_HEIGHT;
    return onScreen ? patternColorAt(at.x, at.y) : 0xFFFFFFFF;
}

class PatternScreen : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pattern = createPatternWindow(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, WS_EX_TOPMOST);
        UpdateWindow(pattern);
    }

    static void TearDownTestSuite() { DestroyWindow(pattern); }

    void SetUp() override
    {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), SCREEN_WIDTH);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), SCREEN_HEIGHT);
        appState = AppState{};
        installPlatform(win32Platform());
        appState.desktopWindow = handleOf(GetDesktopWindow());
        appState.screen = PRIMARY;
    }

    static inline HWND pattern = nullptr;
};
