// Where one lens frame's screen copy and cross-hair lie: the fewest whole cells covering the client area,
// centred on the pick point as far as the virtual screen allows.
#pragma once

#include <cstdint>

#include "lens/plain_types.h"

// In frame pixels unless named as screen coordinates.
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

// zoom >= 1 and client sizes >= 0. The copied rectangle stays on the virtual screen, which has its
// origin where the leftmost and topmost displays put it, negative coordinates included.
LensGeometry computeLensGeometry(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t zoom,
                                 Point pickPoint, const Rect& screen);
