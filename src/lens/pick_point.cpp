// The arrow keys' step: the moving coordinate goes one pixel and stops at the virtual screen's edge on
// the side it moves towards; the other coordinate is left alone.
#include "lens/pick_point.h"

#include <algorithm>

Point stepPickPoint(Point p, ArrowKey key, const Rect& screen)
{
    switch (key) {
    case ArrowKey::Left: p.x = std::max(p.x - 1, screen.left); break;
    case ArrowKey::Up: p.y = std::max(p.y - 1, screen.top); break;
    case ArrowKey::Right: p.x = std::min(p.x + 1, screen.right - 1); break;
    case ArrowKey::Down: p.y = std::min(p.y + 1, screen.bottom - 1); break;
    }
    return p;
}
