// A platform that passes every operation on and counts what was asked of it: objects and
// contexts obtained and released, pixel reads and window moves.
#pragma once

#include "forwarding_platform.h"

class CountingPlatform final : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;

    int liveObjects = 0;  // bitmaps, contexts, fonts and message texts obtained and not yet released
    int pixelReads = 0;
    int moves = 0;
    Rect movedTo = {};
    bool movedWithRepaint = false;

    void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, bool repaint) override
    {
        ++moves;
        movedTo = {x, y, x + width, y + height};
        movedWithRepaint = repaint;
        inner.MoveWindow(window, x, y, width, height, repaint);
    }

    SurfaceHandle GetWindowDC(WindowHandle window) override { return counted(inner.GetWindowDC(window)); }

    int ReleaseDC(WindowHandle window, SurfaceHandle surface) override
    {
        const int result = inner.ReleaseDC(window, surface);
        released(result != 0);
        return result;
    }

    GdiObject CreateCompatibleBitmap(SurfaceHandle surface, std::int32_t width, std::int32_t height) override
    {
        return counted(inner.CreateCompatibleBitmap(surface, width, height));
    }

    SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) override
    {
        return counted(inner.CreateCompatibleDC(surface));
    }

    GdiObject CreateFontIndirectA(const FontSpec& font) override { return counted(inner.CreateFontIndirectA(font)); }
    bool DeleteDC(SurfaceHandle surface) override { return released(inner.DeleteDC(surface)); }
    bool DeleteObject(GdiObject object) override { return released(inner.DeleteObject(object)); }

    ColorRef GetPixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) override
    {
        ++pixelReads;
        return inner.GetPixel(surface, x, y);
    }

    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId, std::uint32_t languageId,
                                 char** allocatedText) override
    {
        const std::uint32_t length = inner.FormatMessageA(flags, messageId, languageId, allocatedText);
        liveObjects += length != 0;
        return length;
    }

    void LocalFree(void* memory) override
    {
        --liveObjects;
        inner.LocalFree(memory);
    }

private:
    void* counted(void* handle)
    {
        liveObjects += handle != nullptr;
        return handle;
    }

    bool released(bool success)
    {
        liveObjects -= success;
        return success;
    }
};
