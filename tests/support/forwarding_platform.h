// A platform that passes every operation on to another one; tests derive from it to watch or
// redirect a few operations while the rest reach the real platform or the raster unchanged.
#pragma once

#include "lens/platform.h"

class ForwardingPlatform : public Platform {
public:
    explicit ForwardingPlatform(Platform& inner) : inner(inner) {}

    Rect GetClientRect(WindowHandle window) override { return inner.GetClientRect(window); }
    Rect GetWindowRect(WindowHandle window) override { return inner.GetWindowRect(window); }

    void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, bool repaint) override
    {
        inner.MoveWindow(window, x, y, width, height, repaint);
    }

    SurfaceHandle GetWindowDC(WindowHandle window) override { return inner.GetWindowDC(window); }
    int ReleaseDC(WindowHandle window, SurfaceHandle surface) override { return inner.ReleaseDC(window, surface); }

    GdiObject CreateCompatibleBitmap(SurfaceHandle surface, std::int32_t width, std::int32_t height) override
    {
        return inner.CreateCompatibleBitmap(surface, width, height);
    }

    SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) override { return inner.CreateCompatibleDC(surface); }
    GdiObject CreateFontIndirectA(const FontSpec& font) override { return inner.CreateFontIndirectA(font); }
    GdiObject GetStockObject(int id) override { return inner.GetStockObject(id); }
    GdiObject SelectObject(SurfaceHandle surface, GdiObject object) override { return inner.SelectObject(surface, object); }
    bool DeleteDC(SurfaceHandle surface) override { return inner.DeleteDC(surface); }
    bool DeleteObject(GdiObject object) override { return inner.DeleteObject(object); }
    ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) override { return inner.GetPixel(surface, x, y); }

    bool StretchBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, SurfaceHandle source, std::int32_t sourceX, std::int32_t sourceY,
                    std::int32_t sourceWidth, std::int32_t sourceHeight, std::uint32_t rop) override
    {
        return inner.StretchBlt(target, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                                sourceHeight, rop);
    }

    bool BitBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                SurfaceHandle source, std::int32_t sourceX, std::int32_t sourceY, std::uint32_t rop) override
    {
        return inner.BitBlt(target, x, y, width, height, source, sourceX, sourceY, rop);
    }

    int SetROP2(SurfaceHandle surface, int mode) override { return inner.SetROP2(surface, mode); }
    void MoveToEx(SurfaceHandle surface, std::int32_t x, std::int32_t y) override { inner.MoveToEx(surface, x, y); }
    void LineTo(SurfaceHandle surface, std::int32_t x, std::int32_t y) override { inner.LineTo(surface, x, y); }
    ColorRef SetBkColor(SurfaceHandle surface, ColorRef color) override { return inner.SetBkColor(surface, color); }
    int SetBkMode(SurfaceHandle surface, int mode) override { return inner.SetBkMode(surface, mode); }
    ColorRef SetTextColor(SurfaceHandle surface, ColorRef color) override { return inner.SetTextColor(surface, color); }

    void ExtTextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, std::uint32_t options,
                     const Rect& rect, const char* text, std::uint32_t count) override
    {
        inner.ExtTextOutA(surface, x, y, options, rect, text, count);
    }

    void TextOutA(SurfaceHandle surface, std::int32_t x, std::int32_t y, const char* text,
                  std::int32_t count) override
    {
        inner.TextOutA(surface, x, y, text, count);
    }

    void FrameRect(SurfaceHandle surface, const Rect& rect, GdiObject brush) override
    {
        inner.FrameRect(surface, rect, brush);
    }

    std::uint32_t GetLastError() override { return inner.GetLastError(); }

    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId, std::uint32_t languageId,
                                 char** allocatedText) override
    {
        return inner.FormatMessageA(flags, messageId, languageId, allocatedText);
    }

    void LocalFree(void* memory) override { inner.LocalFree(memory); }

protected:
    Platform& inner;
};
