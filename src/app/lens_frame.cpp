// Composition of one lens frame, step by step in drawing order, on GDI. Every object the frame creates
// or borrows is released by its guard before the frame returns.
#include "app/lens_frame.h"

#include <cstring>

#include "lens/lens_geometry.h"
#include "lens/lens_layout.h"
#include "win32/fill_solid_rect.h"
#include "win32/gdi_guards.h"

namespace {

constexpr COLORREF ERROR_TEXT_COLOR = RGB(255, 0, 0);

// The system's message for error, in red on one line.
void drawErrorText(HDC surface, const LensLayout& layout, DWORD error)
{
    if (error == ERROR_SUCCESS) {
        return;  // the copy failed without saying why: the message for 0 would say that it succeeded
    }
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0, nullptr);
    if (length == 0 || text == nullptr) {
        return;  // the system has no text for this code: nothing to draw and nothing to free
    }
    const bool endsWithBreak = length >= 2 && text[length - 2] == '\r' && text[length - 1] == '\n';
    const ScopedSelectObject font(surface, GetStockObject(SYSTEM_FONT));
    SetTextColor(surface, ERROR_TEXT_COLOR);
    const int shown = static_cast<int>(endsWithBreak ? length - 2 : length);
    TextOutA(surface, layout.errorText.x, layout.errorText.y, text, shown);
    LocalFree(text);
}

// Copies the screen around the pick point, enlarged and optionally inverted. A failed copy writes its
// reason into the frame. The block copy does not promise to set an error code, so the code is cleared
// first: a stale one would give a wrong reason.
void copyScreenImage(HDC memory, HDC screen, const LensGeometry& g, const LensLayout& layout, std::int32_t invert)
{
    SetLastError(ERROR_SUCCESS);
    if (!StretchBlt(memory, 0, 0, g.frameWidth, g.frameHeight, screen, g.sourceX, g.sourceY, g.cellsX, g.cellsY,
                    invert != 0 ? NOTSRCCOPY : SRCCOPY)) {
        drawErrorText(memory, layout, GetLastError());
    }
}

// Inverts one row and one column across the whole frame; their crossing, inverted twice, keeps the
// colour of the pick point's cell.
void drawCrossHair(HDC memory, const LensGeometry& g)
{
    SetROP2(memory, R2_NOTXORPEN);
    MoveToEx(memory, 0, g.crossY, nullptr);
    LineTo(memory, g.frameWidth, g.crossY);
    MoveToEx(memory, g.crossX, 0, nullptr);
    LineTo(memory, g.crossX, g.frameHeight);
}

// The swatch square of color (of its inverse when invert is non-zero), ringed in black. A failed read's
// 0xFFFFFFFF is no colour GDI can fill with: it shows as the white its text names.
void drawSwatch(HDC surface, const LensLayout& layout, COLORREF color, std::int32_t invert)
{
    fillSolidRect(surface, layout.swatch, invert != 0 ? inverseRgb(color) : color & 0x00FFFFFF);
    const RECT ring = toRECT(layout.swatch);
    FrameRect(surface, &ring, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// text in black with a white outline towards each diagonal.
void drawValueText(HDC surface, const LensLayout& layout, const char* text)
{
    const int length = static_cast<int>(std::strlen(text));
    const int x = layout.valueText.x;
    const int y = layout.valueText.y;
    const int outline = layout.outline;
    SetBkMode(surface, TRANSPARENT);
    SetTextColor(surface, RGB(255, 255, 255));
    const POINT outlineOffsets[] = {{-outline, -outline}, {-outline, outline}, {outline, -outline}, {outline, outline}};
    for (const POINT& offset : outlineOffsets) {
        TextOutA(surface, x + offset.x, y + offset.y, text, length);
    }
    SetTextColor(surface, RGB(0, 0, 0));
    TextOutA(surface, x, y, text, length);
}

}  // namespace

void composeLensFrame(HWND window, HDC paint, HDC screen, const LensState& lens, HFONT valueFont)
{
    RECT client;
    GetClientRect(window, &client);
    const LensGeometry g = computeLensGeometry(client.right, client.bottom, lens.zoom, lens.pickPoint, lens.screen);
    const LensLayout layout = lensLayoutFor(lens.dpi);

    const ScopedGdiObject bitmap(CreateCompatibleBitmap(paint, g.frameWidth, g.frameHeight));
    const ScopedMemoryDC memory(CreateCompatibleDC(paint));
    const ScopedSelectObject frame(memory, bitmap);
    const ScopedSelectObject font(memory, valueFont);
    copyScreenImage(memory, screen, g, layout, lens.invert);
    drawCrossHair(memory, g);
    drawSwatch(memory, layout, lens.currentColor, lens.invert);
    drawValueText(memory, layout, lensValueText(lens).chars);
    // The border follows the client area, which a frame of partly visible cells overhangs.
    FrameRect(memory, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    BitBlt(paint, 0, 0, g.frameWidth, g.frameHeight, memory, 0, 0, SRCCOPY);
}

HFONT createValueFont(std::int32_t dpi)
{
    LOGFONTA font{};
    font.lfHeight = -lensLayoutFor(dpi).fontHeight;  // negative: the character height, not the cell's
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_STRING_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = DRAFT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynA(font.lfFaceName, "System", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}
