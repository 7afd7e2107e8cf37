// A software raster that implements the platform seam in plain memory: a screen image, windows
// with fixed rectangles, memory surfaces and the GDI effects the lens relies on, pixel for pixel.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "lens/platform.h"

// An image of 0x00BBGGRR pixels, row by row.
struct RasterImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<ColorRef> pixels;

    RasterImage() = default;
    RasterImage(std::int32_t width, std::int32_t height, ColorRef fill = 0);
    bool contains(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    ColorRef at(std::int32_t x, std::int32_t y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    ColorRef& at(std::int32_t x, std::int32_t y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

class RasterPlatform final : public Platform {
public:
    // Text metrics of the built-in font: every character takes one cell of this size.
    static constexpr std::int32_t TEXT_CELL_HEIGHT = 9;
    static std::int32_t textCellWidth(bool bold) { return bold ? 7 : 6; }

    // screen holds the virtual screen's pixels from origin on; those of 0xFFFFFFFF lie on no display.
    explicit RasterPlatform(RasterImage screen, Point origin = {0, 0});
    ~RasterPlatform();

    WindowHandle desktopWindow() { return handle<WindowHandle>(&desktop); }
    RasterImage& screen() { return screenImage; }
    WindowHandle createWindow(Rect client, Rect outer);
    // A surface that stands in for a window's paint context: drawing lands in an image of its own.
    SurfaceHandle createTargetSurface(std::int32_t width, std::int32_t height, ColorRef fill);
    const RasterImage& imageOf(SurfaceHandle surface);
    // Bitmaps, fonts, surfaces and message texts obtained and not yet released.
    std::size_t liveObjectCount() const { return objects.size() + messageBuffers.size(); }
    // From now on every copy from the screen fails with this error code (0: copies succeed).
    void failScreenCopies(std::uint32_t errorCode) { screenCopyError = errorCode; }
    // The system text for an error code; codes without one make FormatMessageA fail.
    void setMessageText(std::uint32_t code, std::string text) { messages[code] = std::move(text); }

    Rect GetClientRect(WindowHandle window) override;
    Rect GetWindowRect(WindowHandle window) override;
    void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, bool repaint) override;
    SurfaceHandle GetWindowDC(WindowHandle window) override;
    int ReleaseDC(WindowHandle window, SurfaceHandle surface) override;
    GdiObject CreateCompatibleBitmap(SurfaceHandle surface, std::int32_t width, std::int32_t height) override;
    SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) override;
    GdiObject CreateFontIndirectA(const FontSpec& font) override;
    GdiObject GetStockObject(int id) override;
    GdiObject SelectObject(SurfaceHandle surface, GdiObject object) override;
    bool DeleteDC(SurfaceHandle surface) override;
    bool DeleteObject(GdiObject object) override;
    ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) override;
    bool StretchBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, SurfaceHandle source, std::int32_t sourceX, std::int32_t sourceY,
                    std::int32_t sourceWidth, std::int32_t sourceHeight, std::uint32_t rop) override;
    bool BitBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, SurfaceHandle source, std::int32_t sourceX, std::int32_t sourceY,
                std::uint32_t rop) override;
    int SetROP2(SurfaceHandle surface, int mode) override;
    void MoveToEx(SurfaceHandle surface, std::int32_t x, std::int32_t y) override;
    void LineTo(SurfaceHandle surface, std::int32_t x, std::int32_t y) override;
    ColorRef SetBkColor(SurfaceHandle surface, ColorRef color) override;
    int SetBkMode(SurfaceHandle surface, int mode) override;
    ColorRef SetTextColor(SurfaceHandle surface, ColorRef color) override;
    void ExtTextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, std::uint32_t options,
                     const Rect& rect, const char* text, std::uint32_t count) override;
    void TextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, const char* text,
                  std::int32_t count) override;
    void FrameRect(SurfaceHandle surface, const Rect& rect, GdiObject brush) override;
    std::uint32_t GetLastError() override { return lastError; }
    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId, std::uint32_t languageId,
                                 char** allocatedText) override;
    void LocalFree(void* memory) override;

private:
    struct Object {
        virtual ~Object() = default;
    };
    struct Bitmap;
    struct Font;
    struct Brush;
    struct Surface;
    struct Window {
        Rect client;  // in screen pixels, so that a move carries it along
        Rect outer;
    };

    // The raster's handles are the addresses of its own objects, under the seam's opaque types.
    template <typename Handle> static Handle handle(const void* object)
    {
        return reinterpret_cast<Handle>(const_cast<void*>(object));
    }
    static Window& windowOf(WindowHandle window) { return *reinterpret_cast<Window*>(window); }
    template <typename Kind> Kind* find(const void* handle);  // a live or stock object of that kind
    Surface& newSurface();
    Surface* surfaceOf(SurfaceHandle handle) { return find<Surface>(handle); }
    bool copyPixels(SurfaceHandle target, Rect to, SurfaceHandle source, Rect from, std::uint32_t rop);

    RasterImage screenImage;
    Point screenOrigin;
    Window desktop;
    std::vector<std::unique_ptr<Window>> windows;
    std::map<const void*, std::unique_ptr<Object>> objects;  // bitmaps, fonts and surfaces alive
    std::map<const void*, std::unique_ptr<char[]>> messageBuffers;
    std::unique_ptr<Object> stockBlackBrush;
    std::unique_ptr<Object> stockSystemFont;
    std::unique_ptr<Object> stockBitmap;  // what a new memory surface starts with, as GDI's 1 x 1
    std::map<std::uint32_t, std::string> messages;
    std::uint32_t screenCopyError = 0;
    std::uint32_t lastError = 0;
};
