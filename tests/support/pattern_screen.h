// A fixture for the lens rules on real GDI under Wine: a window shows the test pattern over the whole
// screen, so that every pixel the rules copy or sample can be traced to its place.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "frame_cases.h"
#include "lens/app_state.h"
#include "lens/platform_win.h"
#include "pattern_color.h"

// What a pixel read gives at a point of the screen: the pattern, or 0xFFFFFFFF off the screen.
inline ColorRef screenPixel(Point at)
{
    const bool onScreen = at.x >= 0 && at.y >= 0 && at.x < SCREEN_WIDTH && at.y < SCREEN_HEIGHT;
    return onScreen ? patternColorAt(at.x, at.y) : 0xFFFFFFFF;
}

class PatternScreen : public testing::Test {
protected:
    // A static control over the whole screen shows the pattern, drawn into a DIB section.
    static void SetUpTestSuite()
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), SCREEN_WIDTH, -SCREEN_HEIGHT, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        std::uint32_t* pixels = nullptr;  // 0x00RRGGBB, rows top-down
        const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels),
                                                nullptr, 0);
        for (int i = 0; i < SCREEN_WIDTH * SCREEN_HEIGHT; ++i) {
            const ColorRef color = patternColorAt(i % SCREEN_WIDTH, i / SCREEN_WIDTH);
            pixels[i] = redOf(color) << 16 | greenOf(color) << 8 | blueOf(color);
        }
        pattern = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_BITMAP, 0, 0, SCREEN_WIDTH,
                                  SCREEN_HEIGHT, nullptr, nullptr, nullptr, nullptr);
        SendMessageA(pattern, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
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
