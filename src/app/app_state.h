// AppState: the one process-wide record of everything the picker knows, read and written in place on the
// GUI thread: what the lens shows, which the rules take, and the Win32 side's own handles and settings.
#pragma once

#include <windows.h>

#include <cstdint>

#include "lens/lens_state.h"

inline constexpr int CUSTOM_COLOR_COUNT = 16;
inline constexpr int WINDOW_TEXT_SIZE = 100;

struct AppState {
    LensState lens;
    std::int32_t alwaysOnTop = 1;
    COLORREF chartColor = 0;                        // the chart's colour under the pointer, taken on OK
    COLORREF customColors[CUSTOM_COLOR_COUNT] = {};  // the colour dialog's, kept for the process's life
    HFONT valueFont = nullptr;                      // the bold font of the value text, owned by the window
    HINSTANCE instance = nullptr;
    char windowTitle[WINDOW_TEXT_SIZE] = {};
    char windowClassName[WINDOW_TEXT_SIZE] = {};
};

extern AppState appState;
