// Lens frames composed by real GDI under Wine over the test pattern, compared pixel for pixel with a
// model built from the layout's literal positions; the value font; and the objects every frame and
// sample gives back.
#include "lens/lens_frame.h"

#include <string>
#include <vector>

#include "hex_color.h"
#include "lens/navigation.h"
#include "pattern_screen.h"

namespace {

constexpr ColorRef WHITE = 0x00FFFFFF;
constexpr ColorRef RED = 0x000000FF;
// Wine's message for the error a copy from an invalid window leaves, as the frame shows it.
constexpr const char* INVALID_HANDLE_TEXT = "Invalid window handle.";

using Image = std::vector<ColorRef>;  // row by row, as wide as the case's client area

// A DIB section's 0x00RRGGBB pixel as 0x00BBGGRR, and back: the swap is its own inverse.
constexpr ColorRef dibToColor(std::uint32_t pixel)
{
    return (pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF);
}

class LensFrame : public PatternScreen {
protected:
    void SetUp() override
    {
        PatternScreen::SetUp();
        appState.valueFont = installedPlatform().CreateFontIndirectA(VALUE_FONT);
    }

    void TearDown() override
    {
        DeleteObject(toObject(appState.valueFont));
        DeleteDC(memory);
        ReleaseDC(nullptr, display);
    }

    // Reads a surface's pixels, freeing the bitmap selected into it.
    Image pixelsOf(HDC surface, HGDIOBJ previousBitmap, const FrameCase& c)
    {
        Image image;
        for (std::int32_t y = 0; y < c.clientHeight; ++y) {
            for (std::int32_t x = 0; x < c.clientWidth; ++x) {
                image.push_back(GetPixel(surface, x, y));
            }
        }
        DeleteObject(SelectObject(surface, previousBitmap));
        return image;
    }

    // The frame as the window must show it, composed in drawing order from literal positions. GDI
    // draws only the texts, over the pixels that lie under them, so that its smoothing blends alike.
    Image expectedFrame(const FrameCase& c, const LensLayout& layout)
    {
        const LensGeometry& g = c.geometry;
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), c.clientWidth, -c.clientHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        std::uint32_t* bits = nullptr;  // 0x00RRGGBB, rows top-down
        const HGDIOBJ previous = SelectObject(
            memory, CreateDIBSection(display, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0));
        const auto paint = [&](const auto& colorAt) {
            GdiFlush();
            for (std::int32_t y = 0; y < c.clientHeight; ++y) {
                for (std::int32_t x = 0; x < c.clientWidth; ++x) {
                    const ColorRef color = colorAt(x, y, dibToColor(bits[y * c.clientWidth + x]));
                    bits[y * c.clientWidth + x] = dibToColor(color);
                }
            }
        };
        // Each screen pixel as a zoom x zoom cell; off the screen, or when the copy fails, black.
        paint([&](std::int32_t x, std::int32_t y, ColorRef) {
            const ColorRef pixel = screenPixel({g.sourceX + x / c.zoom, g.sourceY + y / c.zoom});
            return c.copyFails || pixel == 0xFFFFFFFF ? 0 : c.invert != 0 ? inverseRgb(pixel) : pixel;
        });
        if (c.copyFails) {
            SelectObject(memory, GetStockObject(SYSTEM_FONT));
            SetTextColor(memory, RED);
            TextOutA(memory, layout.errorText.x, layout.errorText.y, INVALID_HANDLE_TEXT, lstrlenA(INVALID_HANDLE_TEXT));
        }
        const Rect& swatch = layout.swatch;
        paint([&](std::int32_t x, std::int32_t y, ColorRef under) {
            const ColorRef shown = (y == g.crossY) != (x == g.crossX) ? inverseRgb(under) : under;  // crossing twice
            const bool ring = x == swatch.left || x == swatch.right - 1 || y == swatch.top || y == swatch.bottom - 1;
            const bool inSwatch = x >= swatch.left && x < swatch.right && y >= swatch.top && y < swatch.bottom;
            return !inSwatch ? shown : ring ? 0 : c.invert != 0 ? inverseRgb(c.color) : c.color;
        });
        const std::string text = formatValueText(c.color, c.invert, c.pick, c.zoom, c.mode).chars;
        const Point at = layout.valueText;
        const std::int32_t o = layout.outline;
        SelectObject(memory, toObject(appState.valueFont));
        SetBkMode(memory, TRANSPARENT);
        for (const auto& [origin, color] : {std::pair{Point{at.x - o, at.y - o}, WHITE}, {{at.x - o, at.y + o}, WHITE},
                                            {{at.x + o, at.y - o}, WHITE}, {{at.x + o, at.y + o}, WHITE}, {at, 0u}}) {
            SetTextColor(memory, color);
            TextOutA(memory, origin.x, origin.y, text.data(), static_cast<int>(text.size()));
        }
        paint([&](std::int32_t x, std::int32_t y, ColorRef under) {
            const bool border = x == 0 || y == 0 || x == c.clientWidth - 1 || y == c.clientHeight - 1;
            return border ? 0 : under;
        });
        SelectObject(memory, GetStockObject(SYSTEM_FONT));
        SetBkMode(memory, OPAQUE);
        return pixelsOf(memory, previous, c);
    }

    // Composes the case's frame at appState's DPI into a child window of the pattern's, which may be
    // larger than the screen, and compares every pixel with the layout's model.
    void expectFrameAsLaidOut(const FrameCase& c, const LensLayout& layout = LAYOUTS[0].second)
    {
        SCOPED_TRACE(testing::Message() << appState.dpi << " DPI, " << c);
        appState.zoom = c.zoom;
        appState.pickPoint = c.pick;
        appState.invert = c.invert;
        appState.displayMode = c.mode;
        appState.currentColor = c.color;
        appState.desktopWindow = handleOf(c.copyFails ? reinterpret_cast<HWND>(0xDEAD) : GetDesktopWindow());
        const HWND window = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, c.clientWidth, c.clientHeight,
                                           pattern, nullptr, nullptr, nullptr);
        const HGDIOBJ previous = SelectObject(memory, CreateCompatibleBitmap(display, c.clientWidth, c.clientHeight));
        composeLensFrame(handleOf(window), handleOf(memory));
        DestroyWindow(window);
        const Image drawn = pixelsOf(memory, previous, c);
        const Image expected = expectedFrame(c, layout);
        int mismatches = 0;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (drawn[i] != expected[i] && ++mismatches <= 3) {
                ADD_FAILURE() << "at " << i % c.clientWidth << ", " << i / c.clientWidth << ": "
                              << HexColor{drawn[i]} << ", expected " << HexColor{expected[i]};
            }
        }
        EXPECT_EQ(mismatches, 0);
    }

    const HDC display = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(display);
};

// Its negative height asks for glyphs, not cells, 13 pixels high, of the face it names.
TEST_F(LensFrame, ValueFontIsBoldWithACharacterHeightOf13)
{
    const HGDIOBJ previous = SelectObject(memory, toObject(appState.valueFont));
    TEXTMETRICA metrics{};
    GetTextMetricsA(memory, &metrics);
    SelectObject(memory, previous);
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 13);
    EXPECT_EQ(metrics.tmWeight, FW_BOLD);
    LOGFONTA asked{};
    GetObjectA(toObject(appState.valueFont), sizeof asked, &asked);
    EXPECT_STREQ(asked.lfFaceName, "System");
}

// Wine reads a rectangle reaching beyond the screen as all black: such frames are left to the geometry.
TEST_F(LensFrame, EveryPixelIsWhereTheLayoutPutsIt)
{
    for (const FrameCase& c : FRAME_CASES) {
        if (c.geometry.sourceX >= 0 && c.geometry.sourceY >= 0) {
            expectFrameAsLaidOut(c);
        }
    }
}

// The layout scales with the DPI; the cells stay zoom x zoom device pixels.
TEST_F(LensFrame, FramesAtHigherDpisScaleTheLayoutButNotTheCells)
{
    for (const auto& [dpi, layout] : LAYOUTS) {
        appState.dpi = dpi;
        DeleteObject(toObject(appState.valueFont));
        appState.valueFont = installedPlatform().CreateFontIndirectA(valueFontFor(dpi));
        expectFrameAsLaidOut(FRAME_CASES[0], layout);
        expectFrameAsLaidOut(FRAME_CASES[14], layout);
    }
}

// Wine refuses a process more than about 65,000 GDI objects: had each sample or frame kept one, the
// frames after these drag steps, every fourth of them with a failed copy, could not be drawn.
TEST_F(LensFrame, SeventyThousandDragStepsGiveBackEveryObject)
{
    const HWND window = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 31, 32, pattern, nullptr, nullptr, nullptr);
    const HGDIOBJ previous = SelectObject(memory, CreateCompatibleBitmap(display, 31, 32));
    appState.displayMode = MODE_HSB;
    for (int frame = 0; frame < 70000; ++frame) {
        appState.desktopWindow = handleOf(frame % 4 == 0 ? reinterpret_cast<HWND>(0xDEAD) : GetDesktopWindow());
        appState.zoom = 1 + frame % 31;
        appState.pickPoint = {frame * 7919 % 65536, frame % 800};
        appState.currentColor = samplePixel(appState.pickPoint);
        composeLensFrame(handleOf(window), handleOf(memory));
    }
    DeleteObject(SelectObject(memory, previous));
    DestroyWindow(window);
    expectFrameAsLaidOut(FRAME_CASES[0]);
    expectFrameAsLaidOut(FRAME_CASES[14]);
}

}  // namespace
