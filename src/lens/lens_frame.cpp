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
void copyScreenImage(SurfaceHandle memory, const LensGeometry& geometry, const LensLayout& layout)
{
    Platform& platform = installedPlatform();
    const SurfaceHandle screen = platform.GetWindowDC(appState.desktopWindow);
    const std::uint32_t rop = appState.invert != 0 ? win32::NOT_SOURCE_COPY : win32::SOURCE_COPY;
    if (!platform.StretchBlt(memory, 0, 0, geometry.frameWidth, geometry.frameHeight, screen, geometry.sourceX,
                             geometry.sourceY, geometry.cellsX, geometry.cellsY, rop)) {
        drawLastErrorText(memory, layout);
    }
    platform.ReleaseDC(appState.desktopWindow, screen);
}

// Inverts one row and one column across the whole frame; their crossing, inverted twice,
// keeps the colour of the pick point's cell.
void drawCrossHair(SurfaceHandle memory, const LensGeometry& geometry)
{
    Platform& platform = installedPlatform();
    const int previousMode = platform.SetROP2(memory, win32::MIX_NOT_XOR_PEN);
    drawLine(memory, 0, geometry.crossY, geometry.frameWidth, geometry.crossY);
    drawLine(memory, geometry.crossX, 0, geometry.crossX, geometry.frameHeight);
    platform.SetROP2(memory, previousMode);
}

std::int32_t cellsCovering(std::int32_t length, std::int32_t zoom)
{
    return length / zoom + (length % zoom != 0 ? 1 : 0);
}

}  // namespace

LensLayout lensLayoutFor(std::int32_t dpi)
{
    const auto scaled = [dpi](std::int32_t pixels) { return scaledToDpi(pixels, dpi); };
    return {{scaled(6), scaled(4), scaled(22), scaled(20)}, {scaled(24), scaled(4)}, scaled(1),
            {scaled(7), scaled(24)}, scaled(13)};
}

FontSpec valueFontFor(std::int32_t dpi)
{
    FontSpec font = VALUE_FONT;
    font.height = -lensLayoutFor(dpi).fontHeight;
    return font;
}

LensGeometry computeLensGeometry(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t zoom,
                                 Point pickPoint, const Rect& screen)
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
    if (g.sourceX < screen.left) {
        g.sourceX = screen.left;
    }
    if (g.sourceX + g.cellsX > screen.right) {
        g.sourceX = screen.right - g.cellsX;
    }
    if (g.sourceY < screen.top) {
        g.sourceY = screen.top;
    }
    if (g.sourceY + g.cellsY > screen.bottom) {
        g.sourceY = screen.bottom - g.cellsY;
    }
    g.crossX = (pickPoint.x - g.sourceX) * zoom + zoom / 2;
    g.crossY = (pickPoint.y - g.sourceY) * zoom + zoom / 2;
    return g;
}

void composeLensFrame(WindowHandle window, SurfaceHandle paintSurface)
{
    Platform& platform = installedPlatform();
    const Rect client = platform.GetClientRect(window);
    const LensGeometry geometry = computeLensGeometry(client.right - client.left, client.bottom - client.top,
                                                      appState.zoom, appState.pickPoint, appState.screen);
    const LensLayout layout = lensLayoutFor(appState.dpi);

    const GdiObject bitmap =
        platform.CreateCompatibleBitmap(paintSurface, geometry.frameWidth, geometry.frameHeight);
    const SurfaceHandle memory = platform.CreateCompatibleDC(paintSurface);
    const GdiObject previousBitmap = platform.SelectObject(memory, bitmap);
    const GdiObject previousFont = platform.SelectObject(memory, appState.valueFont);

    copyScreenImage(memory, geometry, layout);
    drawCrossHair(memory, geometry);
    drawSwatch(memory, layout, appState.currentColor, appState.invert);
    appState.valueText = formatValueText(appState.currentColor, appState.invert, appState.pickPoint,
                                         appState.zoom, appState.displayMode);
    drawValueText(memory, layout, appState.valueText.chars);
    // The border follows the client area, which a frame of partly visible cells overhangs.
    platform.FrameRect(memory, platform.GetClientRect(window), platform.GetStockObject(win32::STOCK_BLACK_BRUSH));

    platform.BitBlt(paintSurface, 0, 0, geometry.frameWidth, geometry.frameHeight, memory, 0, 0,
                    win32::SOURCE_COPY);

    platform.SelectObject(memory, previousBitmap);
    platform.SelectObject(memory, previousFont);
    platform.DeleteDC(memory);
    platform.DeleteObject(bitmap);
}

void drawLine(SurfaceHandle surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    Platform& platform = installedPlatform();
    platform.MoveToEx(surface, x1, y1);
    platform.LineTo(surface, x2, y2);
}

void fillSolidRect(SurfaceHandle surface, const Rect& rect, ColorRef color)
{
    Platform& platform = installedPlatform();
    platform.SetBkColor(surface, color);
    platform.ExtTextOutA(surface, 0, 0, win32::TEXT_OPAQUE, rect, nullptr, 0);
}

void drawSwatch(SurfaceHandle surface, const LensLayout& layout, ColorRef color, std::int32_t invert)
{
    Platform& platform = installedPlatform();
    const ColorRef fill = invert != 0 ? inverseRgb(color) : color;
    fillSolidRect(surface, layout.swatch, fill);
    platform.FrameRect(surface, layout.swatch, platform.GetStockObject(win32::STOCK_BLACK_BRUSH));
}

void drawValueText(SurfaceHandle surface, const LensLayout& layout, const char* text)
{
    Platform& platform = installedPlatform();
    const auto length = static_cast<std::int32_t>(std::strlen(text));
    const std::int32_t x = layout.valueText.x;
    const std::int32_t y = layout.valueText.y;
    const std::int32_t outline = layout.outline;
    platform.SetBkMode(surface, win32::BACKGROUND_TRANSPARENT);
    platform.SetTextColor(surface, 0x00FFFFFF);
    platform.TextOutA(surface, x - outline, y - outline, text, length);
    platform.TextOutA(surface, x - outline, y + outline, text, length);
    platform.TextOutA(surface, x + outline, y - outline, text, length);
    platform.TextOutA(surface, x + outline, y + outline, text, length);
    platform.SetTextColor(surface, 0x00000000);
    platform.TextOutA(surface, x, y, text, length);
}

void drawLastErrorText(SurfaceHandle surface, const LensLayout& layout)
{
    Platform& platform = installedPlatform();
    const std::uint32_t code = platform.GetLastError();
    char* text = nullptr;
    if (platform.FormatMessageA(win32::MESSAGE_FROM_SYSTEM, code, win32::USER_DEFAULT_LANGUAGE, &text) == 0 ||
        text == nullptr) {
        return;  // the system has no text for this code: nothing to draw and nothing to free
    }
    const GdiObject previousFont = platform.SelectObject(surface, platform.GetStockObject(win32::STOCK_SYSTEM_FONT));
    const ColorRef previousColor = platform.SetTextColor(surface, ERROR_TEXT_COLOR);
    platform.TextOutA(surface, layout.errorText.x, layout.errorText.y, text, lengthWithoutLineBreak(text));
    platform.SetTextColor(surface, previousColor);
    platform.SelectObject(surface, previousFont);
    platform.LocalFree(text);
}
