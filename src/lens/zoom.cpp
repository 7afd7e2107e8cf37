// The zoom rules: scroll steps and the thumb, clamped to the ceiling; the ceiling from the client's
// shorter side; the growth to whole cells. Each follows the platform's signed integer conventions.
#include "lens/zoom.h"

#include <algorithm>

std::int32_t zoomForScroll(std::int32_t zoom, std::int32_t zoomMax, std::uint16_t code, std::uint16_t thumbPosition)
{
    switch (static_cast<ScrollRequest>(code)) {
    case ScrollRequest::LineUp:
    case ScrollRequest::PageUp: zoom = zoom - 1; break;
    case ScrollRequest::LineDown:
    case ScrollRequest::PageDown: zoom = zoom + 1; break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack: zoom = thumbPosition; break;
    default: break;  // SB_TOP, SB_BOTTOM and SB_ENDSCROLL only clamp
    }
    return std::max(1, std::min(zoom, zoomMax));
}

std::int32_t zoomCeilingFor(std::int32_t clientWidth, std::int32_t clientHeight)
{
    return std::max(1, std::min({clientWidth, clientHeight, ZOOM_LIMIT}));
}

Rect fittedWindowRect(Rect client, Rect outer, std::int32_t zoom)
{
    const std::int32_t lackX = (client.right - client.left) % zoom;
    const std::int32_t lackY = (client.bottom - client.top) % zoom;
    const std::int32_t growX = lackX != 0 ? zoom - lackX : 0;
    const std::int32_t growY = lackY != 0 ? zoom - lackY : 0;
    return {outer.left, outer.top, outer.right + growX, outer.bottom + growY};
}
