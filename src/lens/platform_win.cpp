// The lens platform on Win32: each operation is the USER32 or GDI call of the same name,
// with the core's plain types converted to and from the platform's at this edge.
#include "lens/platform_win.h"

#include <windows.h>

namespace {

HWND toWindow(WindowHandle window) { return static_cast<HWND>(window); }
HDC toSurface(SurfaceHandle surface) { return static_cast<HDC>(surface); }
Rect fromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

class Win32Platform final : public Platform {
public:
    SurfaceHandle GetWindowDC(WindowHandle window) override { return ::GetWindowDC(toWindow(window)); }

    int ReleaseDC(WindowHandle window, SurfaceHandle surface) override
    {
        return ::ReleaseDC(toWindow(window), toSurface(surface));
    }

    ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) override
    {
        return ::GetPixel(toSurface(surface), x, y);
    }

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
};

}  // namespace

Platform& win32Platform()
{
    static Win32Platform instance;
    return instance;
}
