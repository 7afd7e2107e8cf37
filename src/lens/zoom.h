// The zoom rules over plain integers: a scroll request applied within the ceiling, the ceiling a client
// area allows, and the window grown so that its client area holds whole cells.
#pragma once

#include <cstdint>

#include "lens/plain_types.h"

inline constexpr std::int32_t ZOOM_LIMIT = 31;  // the highest zoom any client size allows

// The vertical scroll requests that move the zoom, numbered as the platform's SB_ codes; every other
// code (SB_TOP, SB_BOTTOM, SB_ENDSCROLL) only clamps it.
enum class ScrollRequest : std::uint16_t {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
};

// The zoom after a vertical scroll request (code, and the thumb's position for the thumb's requests),
// clamped to 1..zoomMax.
std::int32_t zoomForScroll(std::int32_t zoom, std::int32_t zoomMax, std::uint16_t code, std::uint16_t thumbPosition);

// The zoom ceiling for a client area: its shorter side, within 1..31.
std::int32_t zoomCeilingFor(std::int32_t clientWidth, std::int32_t clientHeight);

// The outer rectangle that grows a window so that its client area is a whole number of zoom cells each
// way; it keeps its top-left corner and never shrinks.
Rect fittedWindowRect(Rect client, Rect outer, std::int32_t zoom);
