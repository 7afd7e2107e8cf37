// AppState: the one process-wide record of everything the picker knows, read and written in place
// on the GUI thread. Only zoom, zoomMax, displayMode, alwaysOnTop and dpi start non-zero.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "color/value_text.h"
#include "lens/plain_types.h"

inline constexpr std::int32_t ZOOM_LIMIT = 31;  // the highest zoom any client size allows
inline constexpr int CUSTOM_COLOR_COUNT = 16;
inline constexpr int WINDOW_TEXT_SIZE = 100;

struct AppState {
    std::int32_t zoom = 5;                 // each screen pixel is a zoom x zoom cell; >= 1
    std::int32_t zoomMax = ZOOM_LIMIT;     // ceiling of zoom and of the scroll range; 1..31
    DisplayMode displayMode = MODE_HTML;
    std::int32_t alwaysOnTop = 1;
    std::int32_t invert = 0;
    std::int32_t dpi = 96;                 // the window's dots per inch, which the frame's layout follows
    Rect screen = {};                      // the virtual screen, which holds every display; see below
    Point pickPoint = {0, 0};              // screen point under examination, in screen coordinates
    ColorRef currentColor = 0;             // sampled when the pick point moves, never when painting
    ValueText valueText = {};              // as the last frame formatted it
    ColorRef customColors[CUSTOM_COLOR_COUNT] = {};
    ColorRef chartColor = 0;
    WindowHandle desktopWindow = nullptr;  // source of every screen read; while NULL nothing paints
    GdiObject valueFont = nullptr;         // the bold font of the value text, owned by the window
    InstanceHandle instance = nullptr;
    char windowTitle[WINDOW_TEXT_SIZE] = {};
    char windowClassName[WINDOW_TEXT_SIZE] = {};
};

extern AppState appState;
