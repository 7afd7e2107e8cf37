// The frame's geometry: cells covering the client, the source rectangle clamped to the virtual screen
// (its far edge winning on a screen smaller than the copy), and the cross-hair through the pick point.
#include "lens/lens_geometry.h"

namespace {

std::int32_t cellsCovering(std::int32_t length, std::int32_t zoom)
{
    return length / zoom + (length % zoom != 0 ? 1 : 0);
}

// The first of count cells centred on pick, moved onto [low, high) as far as it goes, high winning.
std::int32_t sourceStart(std::int32_t pick, std::int32_t count, std::int32_t low, std::int32_t high)
{
    std::int32_t start = pick - count / 2;
    if (start < low) {
        start = low;
    }
    if (start + count > high) {
        start = high - count;
    }
    return start;
}

}  // namespace

LensGeometry computeLensGeometry(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t zoom,
                                 Point pickPoint, const Rect& screen)
{
    LensGeometry g{};
    g.cellsX = cellsCovering(clientWidth, zoom);
    g.cellsY = cellsCovering(clientHeight, zoom);
    g.frameWidth = g.cellsX * zoom;
    g.frameHeight = g.cellsY * zoom;
    g.sourceX = sourceStart(pickPoint.x, g.cellsX, screen.left, screen.right);
    g.sourceY = sourceStart(pickPoint.y, g.cellsY, screen.top, screen.bottom);
    g.crossX = (pickPoint.x - g.sourceX) * zoom + zoom / 2;
    g.crossY = (pickPoint.y - g.sourceY) * zoom + zoom / 2;
    return g;
}
