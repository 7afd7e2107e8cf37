// The window-system operations the lens needs, under their Win32 names and with their effects.
// platform_win.cpp implements them with USER32, GDI and KERNEL32, so that the rules need no <windows.h>.
#pragma once

#include <cstdint>

#include "color/color.h"
#include "lens/plain_types.h"

// The Win32 values of the constants that the lens passes through the seam, under names of their
// own; platform_win.cpp checks each one against the Win32 headers.
namespace win32 {
inline constexpr std::uint32_t SOURCE_COPY = 0x00CC0020;      // SRCCOPY: the pixel unchanged
inline constexpr std::uint32_t NOT_SOURCE_COPY = 0x00330008;  // NOTSRCCOPY: its bitwise inverse
inline constexpr int MIX_NOT_XOR_PEN = 10;                    // R2_NOTXORPEN
inline constexpr int BACKGROUND_TRANSPARENT = 1;              // TRANSPARENT
inline constexpr std::uint32_t TEXT_OPAQUE = 2;               // ETO_OPAQUE
inline constexpr int STOCK_BLACK_BRUSH = 4;                   // BLACK_BRUSH
inline constexpr int STOCK_SYSTEM_FONT = 13;                  // SYSTEM_FONT
// FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM
inline constexpr std::uint32_t MESSAGE_FROM_SYSTEM = 0x1300;
inline constexpr std::uint32_t USER_DEFAULT_LANGUAGE = 0x0400;  // MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT)
}  // namespace win32

// The fields of a LOGFONTA that the lens sets; every other field is zero.
struct FontSpec {
    std::int32_t height;
    std::int32_t weight;
    std::uint8_t charSet;
    std::uint8_t outPrecision;
    std::uint8_t clipPrecision;
    std::uint8_t quality;
    std::uint8_t pitchAndFamily;
    char faceName[32];
};

class Platform {
public:
    // Windows and their device contexts. For the desktop window the context's pixels are the
    // screen's, (0, 0) being the primary screen's top-left pixel.
    virtual Rect GetClientRect(WindowHandle window) = 0;  // left and top are 0
    virtual Rect GetWindowRect(WindowHandle window) = 0;  // the outer rectangle, in screen pixels
    virtual void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, bool repaint) = 0;
    virtual SurfaceHandle GetWindowDC(WindowHandle window) = 0;
    virtual int ReleaseDC(WindowHandle window, SurfaceHandle surface) = 0;

    // Off-screen surfaces and the objects selected into them.
    virtual GdiObject CreateCompatibleBitmap(SurfaceHandle surface, std::int32_t width, std::int32_t height) = 0;
    virtual SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) = 0;
    virtual GdiObject CreateFontIndirectA(const FontSpec& font) = 0;
    virtual GdiObject GetStockObject(int id) = 0;
    virtual GdiObject SelectObject(SurfaceHandle surface, GdiObject object) = 0;  // returns the one replaced
    virtual bool DeleteDC(SurfaceHandle surface) = 0;
    virtual bool DeleteObject(GdiObject object) = 0;

    // Drawing. A pixel read off every display gives 0xFFFFFFFF.
    virtual ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) = 0;
    // Every source pixel becomes a block of the whole enlargement factor; false on failure,
    // with the cause in GetLastError.
    virtual bool StretchBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, SurfaceHandle source, std::int32_t sourceX,
                            std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight,
                            std::uint32_t rop) = 0;
    virtual bool BitBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, SurfaceHandle source, std::int32_t sourceX,
                        std::int32_t sourceY, std::uint32_t rop) = 0;
    virtual int SetROP2(SurfaceHandle surface, int mode) = 0;  // returns the mode replaced
    virtual void MoveToEx(SurfaceHandle surface, std::int32_t x, std::int32_t y) = 0;
    virtual void LineTo(SurfaceHandle surface, std::int32_t x, std::int32_t y) = 0;  // end point not drawn
    virtual ColorRef SetBkColor(SurfaceHandle surface, ColorRef color) = 0;
    virtual int SetBkMode(SurfaceHandle surface, int mode) = 0;
    virtual ColorRef SetTextColor(SurfaceHandle surface, ColorRef color) = 0;
    // Used with TEXT_OPAQUE and no text: fills rect with the background colour.
    virtual void ExtTextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, std::uint32_t options,
                             const Rect& rect, const char* text, std::uint32_t count) = 0;
    virtual void TextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, const char* text,
                          std::int32_t count) = 0;
    virtual void FrameRect(SurfaceHandle surface, const Rect& rect, GdiObject brush) = 0;

    // The calling thread's last error and the system's text for an error code. FormatMessageA
    // allocates the text, which LocalFree releases; it returns the text's length, 0 when there is none.
    virtual std::uint32_t GetLastError() = 0;
    virtual std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                         std::uint32_t languageId, char** allocatedText) = 0;
    virtual void LocalFree(void* memory) = 0;

protected:
    ~Platform() = default;
};

// The platform in use, which the rules reach through a local named platform. The Windows program
// installs its Win32 one at entry, before any window exists, and so does every test that draws.
Platform& installedPlatform();
void installPlatform(Platform& installed);
