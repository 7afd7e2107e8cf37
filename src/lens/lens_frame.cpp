// Composition of one lens frame, step by step in drawing order, against the platform seam.
// Every object the frame creates or borrows is released before it returns.
#include "lens/lens_frame.h"

#include <cstring>

#include "color/value_text.h"
#include "lens/app_state.h"

namespace {

// The length of a system message without its closing CR LF, when it really ends with one.
std::int32_t lengthWithoutLineBreak(const char* text)
{
    const std::size_t length = std::strlen(text);
    const bool endsWithBreak = length >= 2 && text[length - 2] == '\r' && text[length - 1] == '\n';
    return static_cast<std::int32_t>(endsWithBreak ? length - 2 : length);
}

// Copies the screen around the pick point, enlarged and optionally inverted; the screen's
// context is held only for the copy. A failed copy writes its reason into the frame.
void copyScreenImage(SurfaceHandle memory, const LensGeometry& geometry)
{
    Platform& gdi = platform();
    const SurfaceHandle screen = gdi.GetWindowDC(appState.desktopWindow);
    const std::uint32_t rop = appState.invert != 0 ? gdi::NOT_SOURCE_COPY : gdi::SOURCE_COPY;
    if (!gdi.StretchBlt(memory, 0, 0, geometry.frameWidth, geometry.frameHeight, screen,
                        geometry.sourceX, geometry.sourceY, geometry.cellsX, geometry.cellsY, rop)) {
        drawLastErrorText(memory);
    }
    gdi.ReleaseDC(appState.desktopWindow, screen);
}

// Inverts one row and one column across the whole frame; their crossing, inverted twice,
// keeps the colour of the pick point's cell.
void drawCrossHair(SurfaceHandle memory, const LensGeometry& geometry)
{
    Platform& gdi = platform();
    const int previousMode = gdi.SetROP2(memory, gdi::MIX_NOT_XOR_PEN);
    drawLine(memory, 0, geometry.crossY, geometry.frameWidth, geometry.crossY);
    drawLine(memory, geometry.crossX, 0, geometry.crossX, geometry.frameHeight);
    gdi.SetROP2(memory, previousMode);
}

std::int32_t cellsCovering(std::int32_t length, std::int32_t zoom)
{
    return length / zoom + (length % zoom != 0 ? 1 : 0);
}

}  // namespace

LensGeometry computeLensGeometry(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t zoom,
                                 Point pickPoint, std::int32_t screenWidth, std::int32_t screenHeight)
{
    LensGeometry g{};
    g.cellsX = cellsCovering(clientWidth, zoom);
    g.cellsY = cellsCovering(clientHeight, zoom);
    g.frameWidth = g.cellsX * zoom;
    g.frameHeight = g.cellsY * zoom;
    g.sourceX = pickPoint.x - g.cellsX / 2;
    g.sourceY = pickPoint.y - g.cellsY / 2;
    // The upper bound comes second and wins: on a screen smaller than the cell count the copy
    // ends at the screen's edge and starts before it.
    if (g.sourceX < 0) {
        g.sourceX = 0;
    }
    if (g.sourceX + g.cellsX > screenWidth) {
        g.sourceX = screenWidth - g.cellsX;
    }
    if (g.sourceY < 0) {
        g.sourceY = 0;
    }
    if (g.sourceY + g.cellsY > screenHeight) {
        g.sourceY = screenHeight - g.cellsY;
    }
    g.crossX = (pickPoint.x - g.sourceX) * zoom + zoom / 2;
    g.crossY = (pickPoint.y - g.sourceY) * zoom + zoom / 2;
    return g;
}

void composeLensFrame(WindowHandle window, SurfaceHandle paintSurface)
{
    Platform& gdi = platform();
    const Rect client = gdi.GetClientRect(window);
    const LensGeometry geometry =
        computeLensGeometry(client.right - client.left, client.bottom - client.top, appState.zoom,
                            appState.pickPoint, appState.screenWidth, appState.screenHeight);

    const GdiObject bitmap = gdi.CreateCompatibleBitmap(paintSurface, geometry.frameWidth, geometry.frameHeight);
    const SurfaceHandle memory = gdi.CreateCompatibleDC(paintSurface);
    const GdiObject previousBitmap = gdi.SelectObject(memory, bitmap);
    const GdiObject previousFont = gdi.SelectObject(memory, appState.valueFont);

    copyScreenImage(memory, geometry);
    drawCrossHair(memory, geometry);
    drawSwatch(memory, appState.currentColor, appState.invert);
    appState.valueText = formatValueText(appState.currentColor, appState.invert, appState.pickPoint,
                                         appState.zoom, appState.displayMode);
    drawValueText(memory, appState.valueText.chars);
    // The border follows the client area, which a frame of partly visible cells overhangs.
    gdi.FrameRect(memory, gdi.GetClientRect(window), gdi.GetStockObject(gdi::STOCK_BLACK_BRUSH));

    gdi.BitBlt(paintSurface, 0, 0, geometry.frameWidth, geometry.frameHeight, memory, 0, 0, gdi::SOURCE_COPY);

    gdi.SelectObject(memory, previousBitmap);
    gdi.SelectObject(memory, previousFont);
    gdi.DeleteDC(memory);
    gdi.DeleteObject(bitmap);
}

void drawLine(SurfaceHandle surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    platform().MoveToEx(surface, x1, y1);
    platform().LineTo(surface, x2, y2);
}

void fillSolidRect(SurfaceHandle surface, const Rect& rect, ColorRef color)
{
    platform().SetBkColor(surface, color);
    platform().ExtTextOutA(surface, 0, 0, gdi::TEXT_OPAQUE, rect, nullptr, 0);
}

void drawSwatch(SurfaceHandle surface, ColorRef color, std::int32_t invert)
{
    const ColorRef fill = invert != 0 ? inverseRgb(color) : color;
    fillSolidRect(surface, SWATCH_RECT, fill);
    platform().FrameRect(surface, SWATCH_RECT, platform().GetStockObject(gdi::STOCK_BLACK_BRUSH));
}

void drawValueText(SurfaceHandle surface, const char* text)
{
    Platform& gdi = platform();
    const auto length = static_cast<std::int32_t>(std::strlen(text));
    const std::int32_t x = VALUE_TEXT_ORIGIN.x;
    const std::int32_t y = VALUE_TEXT_ORIGIN.y;
    gdi.SetBkMode(surface, gdi::BACKGROUND_TRANSPARENT);
    gdi.SetTextColor(surface, 0x00FFFFFF);
    gdi.TextOutA(surface, x - 1, y - 1, text, length);
    gdi.TextOutA(surface, x - 1, y + 1, text, length);
    gdi.TextOutA(surface, x + 1, y - 1, text, length);
    gdi.TextOutA(surface, x + 1, y + 1, text, length);
    gdi.SetTextColor(surface, 0x00000000);
    gdi.TextOutA(surface, x, y, text, length);
}

void drawLastErrorText(SurfaceHandle surface)
{
    Platform& gdi = platform();
    const std::uint32_t code = gdi.GetLastError();
    char* text = nullptr;
    if (gdi.FormatMessageA(gdi::MESSAGE_FROM_SYSTEM, code, gdi::USER_DEFAULT_LANGUAGE, &text) == 0 ||
        text == nullptr) {
        return;  // the system has no text for this code: nothing to draw and nothing to free
    }
    const GdiObject previousFont = gdi.SelectObject(surface, gdi.GetStockObject(gdi::STOCK_SYSTEM_FONT));
    const ColorRef previousColor = gdi.SetTextColor(surface, ERROR_TEXT_COLOR);
    gdi.TextOutA(surface, ERROR_TEXT_ORIGIN.x, ERROR_TEXT_ORIGIN.y, text, lengthWithoutLineBreak(text));
    gdi.SetTextColor(surface, previousColor);
    gdi.SelectObject(surface, previousFont);
    gdi.LocalFree(text);
}

FontSpec valueFontSpec()
{
    FontSpec font{};
    font.height = -13;
    font.weight = 700;         // FW_BOLD
    font.charSet = 0;          // ANSI_CHARSET
    font.outPrecision = 1;     // OUT_STRING_PRECIS
    font.clipPrecision = 2;    // CLIP_STROKE_PRECIS
    font.quality = 1;          // DRAFT_QUALITY
    font.pitchAndFamily = 0x22;  // VARIABLE_PITCH | FF_SWISS
    std::strcpy(font.faceName, "System");
    return font;
}
