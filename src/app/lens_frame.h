// One lens frame on GDI: the enlarged screen around the pick point, the inverting cross-hair, the
// swatch, the value text and the border, composed off-screen and copied to the window in one block.
#pragma once

#include <windows.h>

#include <cstdint>

#include "lens/lens_state.h"

// Composes the frame for window from lens into paint, the window's paint device context, copying the
// screen from screen, the screen's device context.
void composeLensFrame(HWND window, HDC paint, HDC screen, const LensState& lens, HFONT valueFont);

// The bold value font at dpi's layout; the caller owns it.
HFONT createValueFont(std::int32_t dpi);
