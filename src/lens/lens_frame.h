// One lens frame: the enlarged screen around the pick point, the inverting cross-hair, the swatch,
// the value text and the border, composed off-screen and copied to the window in one block.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "lens/plain_types.h"
#include "lens/platform.h"

// Where a frame's parts lie, in frame pixels unless named as screen coordinates.
struct LensGeometry {
    std::int32_t cellsX;       // screen columns copied: the fewest whole cells covering the client width
    std::int32_t cellsY;       // screen rows copied
    std::int32_t frameWidth;   // cellsX * zoom: at least the client width, less than a cell more
    std::int32_t frameHeight;  // cellsY * zoom
    std::int32_t sourceX;      // screen x of the first column; left of the screen only when it is narrower
    std::int32_t sourceY;      // screen y of the first row; above the screen only when it is shorter
    std::int32_t crossX;       // frame column of the cross-hair's vertical line
    std::int32_t crossY;       // frame row of the cross-hair's horizontal line
};

// Where the frame's fixed parts lie at a window's DPI. They are pixels at 96 DPI and scale with the
// DPI, so that they keep their size on the display; the cells are device pixels at any DPI.
struct LensLayout {
    Rect swatch;              // ringed in black, one pixel wide
    Point valueText;          // the value text's origin
    std::int32_t outline;     // how far the value text's white outline lies off it, each diagonal
    Point errorText;          // the origin of a failed copy's message
    std::int32_t fontHeight;  // the value font's character height
};

inline constexpr std::int32_t DEFAULT_DPI = 96;
inline constexpr ColorRef ERROR_TEXT_COLOR = 0x000000FF;

// pixels at 96 DPI scaled to dpi, rounded to the nearest pixel (halves up).
constexpr std::int32_t scaledToDpi(std::int32_t pixels, std::int32_t dpi)
{
    return (pixels * dpi + DEFAULT_DPI / 2) / DEFAULT_DPI;
}

LensLayout lensLayoutFor(std::int32_t dpi);

// Pure: zoom >= 1 and client sizes >= 0. The copied rectangle stays on the virtual screen, which
// has its origin where the leftmost and topmost displays put it, negative coordinates included.
LensGeometry computeLensGeometry(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t zoom,
                                 Point pickPoint, const Rect& screen);

// Composes the frame for window from AppState into paintSurface (its paint device context) and
// rewrites appState.valueText. Needs appState.desktopWindow set and zoom >= 1.
void composeLensFrame(WindowHandle window, SurfaceHandle paintSurface);

// A line from (x1, y1) up to, not including, (x2, y2) in the surface's pen and mix mode.
void drawLine(SurfaceHandle surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// Fills rect with color; the surface keeps color as its background colour.
void fillSolidRect(SurfaceHandle surface, const Rect& rect, ColorRef color);

// The swatch square of color (of its inverse when invert is non-zero), ringed in black.
void drawSwatch(SurfaceHandle surface, const LensLayout& layout, ColorRef color, std::int32_t invert);

// text in black with a white outline towards each diagonal.
void drawValueText(SurfaceHandle surface, const LensLayout& layout, const char* text);

// The system's message for the last error, in red on one line; nothing when there is no message.
void drawLastErrorText(SurfaceHandle surface, const LensLayout& layout);

// The LOGFONTA of the bold value font at 96 DPI, a character height of 13 pixels; the window creates
// it at its own DPI with valueFontFor. platform_win.cpp checks the fields against their Win32 names.
inline constexpr FontSpec VALUE_FONT = {
    -13,   // lfHeight: negative, so the character height rather than the cell height
    700,   // lfWeight: FW_BOLD
    0,     // lfCharSet: ANSI_CHARSET
    1,     // lfOutPrecision: OUT_STRING_PRECIS
    2,     // lfClipPrecision: CLIP_STROKE_PRECIS
    1,     // lfQuality: DRAFT_QUALITY
    0x22,  // lfPitchAndFamily: VARIABLE_PITCH | FF_SWISS
    "System",
};

// VALUE_FONT with the character height of dpi's layout.
FontSpec valueFontFor(std::int32_t dpi);
