// A memory device context over a 32-bit top-down DIB section, whose pixels a test can read and
// write directly: the stand-in screen and the paint target of the GDI frame tests.
#pragma once

#include <windows.h>

#include <cstdint>

#include "color/color.h"

class DibSurface {
public:
    DibSurface(std::int32_t width, std::int32_t height, ColorRef fill) : width(width), height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        void* pixels = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits = static_cast<std::uint32_t*>(pixels);
        previous = SelectObject(dc, bitmap);
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x) {
                set(x, y, fill);
            }
        }
    }

    ~DibSurface()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }

    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // DIB pixels are 0x00RRGGBB; colours are 0x00BBGGRR.
    ColorRef at(std::int32_t x, std::int32_t y) const
    {
        GdiFlush();
        return swapRedBlue(bits[static_cast<std::size_t>(y) * width + x]);
    }

    void set(std::int32_t x, std::int32_t y, ColorRef color)
    {
        bits[static_cast<std::size_t>(y) * width + x] = swapRedBlue(color);
    }

    const std::int32_t width;
    const std::int32_t height;
    HDC dc;

private:
    static std::uint32_t swapRedBlue(std::uint32_t pixel)
    {
        return (pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF);
    }

    HBITMAP bitmap;
    HGDIOBJ previous;
    std::uint32_t* bits;
};
