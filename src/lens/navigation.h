// The rules that move the pick point and change the zoom, over AppState and plain integers.
// The shell feeds them key codes, cursor words, scroll requests and client sizes.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "lens/plain_types.h"

// The arrow keys, numbered as the platform's virtual-key codes VK_LEFT .. VK_DOWN.
enum class ArrowKey : std::uint32_t { Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28 };

// The vertical scroll requests that move the zoom, numbered as the platform's SB_ codes; every
// other code (SB_TOP, SB_BOTTOM, SB_ENDSCROLL and unknown ones) only clamps it.
enum class ScrollRequest : std::uint16_t {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
};

// The screen pixel at a point, read through the desktop window's device context. A point on no
// display gives 0xFFFFFFFF, which is returned like any colour.
ColorRef samplePixel(Point at);

// Moves the pick point one pixel, bounded by the virtual screen only on the side it moves towards,
// and resamples.
void stepPickPoint(ArrowKey key);

// Sets the pick point to the cursor's true screen position, from a mouse message's words (signed
// 16-bit client coordinates) and the client origin on the screen, and resamples.
void pickPointFromCursor(std::uint16_t cursorX, std::uint16_t cursorY, Point clientOrigin);

// Applies a vertical scroll request (SB_LINEUP 0 .. SB_ENDSCROLL 8, or any other code) to the zoom,
// then clamps the zoom to 1..zoomMax.
void zoomForScroll(std::uint16_t code, std::uint16_t thumbPosition);

// The zoom ceiling for a client area: its shorter side, within 1..31.
std::int32_t zoomCeilingFor(std::int32_t clientWidth, std::int32_t clientHeight);

// The outer rectangle that grows a window so that its client area is a whole number of zoom cells
// each way; it keeps its top-left corner and never shrinks.
Rect fittedWindowRect(Rect client, Rect outer, std::int32_t zoom);

// Resizes the window to fittedWindowRect of its current rectangles and the zoom, repainting it.
void fitWindowToZoom(WindowHandle window);
