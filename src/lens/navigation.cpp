// Navigation rules of the lens: pick point, zoom and its ceiling, window fitting.
// Each follows the platform's integer conventions: signed comparisons, 16-bit cursor words.
#include "lens/navigation.h"

#include <algorithm>

#include "lens/app_state.h"
#include "lens/platform.h"

namespace {

void resample() { appState.currentColor = samplePixel(appState.pickPoint); }

}  // namespace

ColorRef samplePixel(Point at)
{
    Platform& platform = installedPlatform();
    const SurfaceHandle surface = platform.GetWindowDC(appState.desktopWindow);
    const ColorRef color = platform.GetPixel(surface, at.x, at.y);
    platform.ReleaseDC(appState.desktopWindow, surface);
    return color;
}

void stepPickPoint(ArrowKey key)
{
    Point& p = appState.pickPoint;
    switch (key) {
    case ArrowKey::Left:
        p.x = std::max(p.x - 1, appState.screen.left);
        break;
    case ArrowKey::Up:
        p.y = std::max(p.y - 1, appState.screen.top);
        break;
    case ArrowKey::Right:
        p.x = std::min(p.x + 1, appState.screen.right - 1);
        break;
    case ArrowKey::Down:
        p.y = std::min(p.y + 1, appState.screen.bottom - 1);
        break;
    }
    resample();  // even when an edge stopped the step
}

void pickPointFromCursor(std::uint16_t cursorX, std::uint16_t cursorY, Point clientOrigin)
{
    // The words are signed client coordinates: negative left of and above the client area.
    appState.pickPoint = {clientOrigin.x + static_cast<std::int16_t>(cursorX),
                          clientOrigin.y + static_cast<std::int16_t>(cursorY)};
    resample();
}

void zoomForScroll(std::uint16_t code, std::uint16_t thumbPosition)
{
    std::int32_t& zoom = appState.zoom;
    switch (static_cast<ScrollRequest>(code)) {
    case ScrollRequest::LineUp:
    case ScrollRequest::PageUp:
        zoom = zoom - 1;
        break;
    case ScrollRequest::LineDown:
    case ScrollRequest::PageDown:
        zoom = zoom + 1;
        break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack:
        zoom = thumbPosition;
        break;
    default:
        break;  // SB_TOP, SB_BOTTOM, SB_ENDSCROLL and unknown codes only clamp
    }
    if (std::min(zoom, appState.zoomMax) < 1) {
        zoom = 1;
    } else if (zoom >= appState.zoomMax) {
        zoom = appState.zoomMax;
    }
}

std::int32_t zoomCeilingFor(std::int32_t clientWidth, std::int32_t clientHeight)
{
    const std::int32_t shorter = std::min(clientWidth, clientHeight);
    if (shorter <= 0) {
        return 1;
    }
    return std::min(shorter, ZOOM_LIMIT);
}

Rect fittedWindowRect(Rect client, Rect outer, std::int32_t zoom)
{
    const std::int32_t lackX = (client.right - client.left) % zoom;
    const std::int32_t lackY = (client.bottom - client.top) % zoom;
    const std::int32_t growX = lackX != 0 ? zoom - lackX : 0;
    const std::int32_t growY = lackY != 0 ? zoom - lackY : 0;
    return {outer.left, outer.top, outer.right + growX, outer.bottom + growY};
}

void fitWindowToZoom(WindowHandle window)
{
    Platform& platform = installedPlatform();
    const Rect fitted =
        fittedWindowRect(platform.GetClientRect(window), platform.GetWindowRect(window), appState.zoom);
    platform.MoveWindow(window, fitted.left, fitted.top, fitted.right - fitted.left,
                       fitted.bottom - fitted.top, true);
}
