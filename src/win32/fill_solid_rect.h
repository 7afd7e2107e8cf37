// Solid fills on GDI, for the lens's swatch and the chart's cells, and the rules' rectangles as GDI's:
// both keep the right and bottom edges exclusive.
#pragma once

#include <windows.h>

#include "lens/plain_types.h"

inline RECT toRECT(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// Fills rect with color; the surface keeps color as its background colour.
inline void fillSolidRect(HDC surface, const Rect& rect, COLORREF color)
{
    const RECT area = toRECT(rect);
    SetBkColor(surface, color);
    ExtTextOutA(surface, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}
