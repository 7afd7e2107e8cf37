// The lens platform on Win32: each operation is the USER32, GDI or KERNEL32 call of the same
// name, with the core's plain types converted to and from the platform's at this edge.
#include "lens/platform_win.h"

#include <cstring>

#include "lens/lens_frame.h"
#include "lens/navigation.h"

// The numbers the core mirrors are the platform's.
static_assert(win32::SOURCE_COPY == SRCCOPY && win32::NOT_SOURCE_COPY == NOTSRCCOPY);
static_assert(win32::MIX_NOT_XOR_PEN == R2_NOTXORPEN && win32::BACKGROUND_TRANSPARENT == TRANSPARENT);
static_assert(win32::TEXT_OPAQUE == ETO_OPAQUE);
static_assert(win32::STOCK_BLACK_BRUSH == BLACK_BRUSH && win32::STOCK_SYSTEM_FONT == SYSTEM_FONT);
static_assert(win32::MESSAGE_FROM_SYSTEM ==
              (FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM));
static_assert(win32::USER_DEFAULT_LANGUAGE == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT));
static_assert(static_cast<UINT>(ArrowKey::Left) == VK_LEFT && static_cast<UINT>(ArrowKey::Up) == VK_UP &&
              static_cast<UINT>(ArrowKey::Right) == VK_RIGHT && static_cast<UINT>(ArrowKey::Down) == VK_DOWN);
static_assert(static_cast<int>(ScrollRequest::LineUp) == SB_LINEUP &&
              static_cast<int>(ScrollRequest::LineDown) == SB_LINEDOWN &&
              static_cast<int>(ScrollRequest::PageUp) == SB_PAGEUP &&
              static_cast<int>(ScrollRequest::PageDown) == SB_PAGEDOWN &&
              static_cast<int>(ScrollRequest::ThumbPosition) == SB_THUMBPOSITION &&
              static_cast<int>(ScrollRequest::ThumbTrack) == SB_THUMBTRACK);
static_assert(VALUE_FONT.weight == FW_BOLD && VALUE_FONT.charSet == ANSI_CHARSET &&
              VALUE_FONT.outPrecision == OUT_STRING_PRECIS && VALUE_FONT.clipPrecision == CLIP_STROKE_PRECIS &&
              VALUE_FONT.quality == DRAFT_QUALITY && VALUE_FONT.pitchAndFamily == (VARIABLE_PITCH | FF_SWISS));

namespace {

Rect fromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
RECT toRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

class Win32Platform final : public Platform {
public:
    Rect GetClientRect(WindowHandle window) override
    {
        RECT rect{};
        ::GetClientRect(toWindow(window), &rect);
        return fromRect(rect);
    }

    Rect GetWindowRect(WindowHandle window) override
    {
        RECT rect{};
        ::GetWindowRect(toWindow(window), &rect);
        return fromRect(rect);
    }

    void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, bool repaint) override
    {
        ::MoveWindow(toWindow(window), x, y, width, height, repaint ? TRUE : FALSE);
    }

    SurfaceHandle GetWindowDC(WindowHandle window) override { return handleOf(::GetWindowDC(toWindow(window))); }

    int ReleaseDC(WindowHandle window, SurfaceHandle surface) override
    {
        return ::ReleaseDC(toWindow(window), toSurface(surface));
    }

    GdiObject CreateCompatibleBitmap(SurfaceHandle surface, std::int32_t width, std::int32_t height) override
    {
        return handleOf(::CreateCompatibleBitmap(toSurface(surface), width, height));
    }

    SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) override
    {
        return handleOf(::CreateCompatibleDC(toSurface(surface)));
    }

    GdiObject CreateFontIndirectA(const FontSpec& wanted) override
    {
        LOGFONTA logFont{};
        logFont.lfHeight = wanted.height;
        logFont.lfWeight = wanted.weight;
        logFont.lfCharSet = wanted.charSet;
        logFont.lfOutPrecision = wanted.outPrecision;
        logFont.lfClipPrecision = wanted.clipPrecision;
        logFont.lfQuality = wanted.quality;
        logFont.lfPitchAndFamily = wanted.pitchAndFamily;
        static_assert(sizeof logFont.lfFaceName == sizeof wanted.faceName);
        std::memcpy(logFont.lfFaceName, wanted.faceName, sizeof logFont.lfFaceName);
        return handleOf(::CreateFontIndirectA(&logFont));
    }

    GdiObject GetStockObject(int id) override { return handleOf(::GetStockObject(id)); }

    GdiObject SelectObject(SurfaceHandle surface, GdiObject object) override
    {
        return handleOf(::SelectObject(toSurface(surface), toObject(object)));
    }

    bool DeleteDC(SurfaceHandle surface) override { return ::DeleteDC(toSurface(surface)) != FALSE; }
    bool DeleteObject(GdiObject object) override { return ::DeleteObject(toObject(object)) != FALSE; }

    ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) override
    {
        return ::GetPixel(toSurface(surface), x, y);
    }

    bool StretchBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, SurfaceHandle source, std::int32_t sourceX, std::int32_t sourceY,
                    std::int32_t sourceWidth, std::int32_t sourceHeight, std::uint32_t rop) override
    {
        return ::StretchBlt(toSurface(target), x, y, width, height, toSurface(source), sourceX, sourceY,
                            sourceWidth, sourceHeight, rop) != FALSE;
    }

    bool BitBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                SurfaceHandle source, std::int32_t sourceX, std::int32_t sourceY, std::uint32_t rop) override
    {
        return ::BitBlt(toSurface(target), x, y, width, height, toSurface(source), sourceX, sourceY, rop) != FALSE;
    }

    int SetROP2(SurfaceHandle surface, int mode) override { return ::SetROP2(toSurface(surface), mode); }

    void MoveToEx(SurfaceHandle surface, std::int32_t x, std::int32_t y) override
    {
        ::MoveToEx(toSurface(surface), x, y, nullptr);
    }

    void LineTo(SurfaceHandle surface, std::int32_t x, std::int32_t y) override
    {
        ::LineTo(toSurface(surface), x, y);
    }

    ColorRef SetBkColor(SurfaceHandle surface, ColorRef color) override
    {
        return ::SetBkColor(toSurface(surface), color);
    }

    int SetBkMode(SurfaceHandle surface, int mode) override { return ::SetBkMode(toSurface(surface), mode); }

    ColorRef SetTextColor(SurfaceHandle surface, ColorRef color) override
    {
        return ::SetTextColor(toSurface(surface), color);
    }

    void ExtTextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, std::uint32_t options,
                     const Rect& rect, const char* text, std::uint32_t count) override
    {
        const RECT area = toRect(rect);
        ::ExtTextOutA(toSurface(surface), x, y, options, &area, text, count, nullptr);
    }

    void TextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, const char* text,
                  std::int32_t count) override
    {
        ::TextOutA(toSurface(surface), x, y, text, count);
    }

    void FrameRect(SurfaceHandle surface, const Rect& rect, GdiObject brush) override
    {
        const RECT area = toRect(rect);
        ::FrameRect(toSurface(surface), &area, static_cast<HBRUSH>(toObject(brush)));
    }

    std::uint32_t GetLastError() override { return ::GetLastError(); }

    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId, std::uint32_t languageId,
                                 char** allocatedText) override
    {
        // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument receives the allocated text.
        return ::FormatMessageA(flags, nullptr, messageId, languageId, reinterpret_cast<LPSTR>(allocatedText),
                                0, nullptr);
    }

    void LocalFree(void* memory) override { ::LocalFree(memory); }
};

}  // namespace

Platform& win32Platform()
{
    static Win32Platform instance;
    return instance;
}
