// The lens rules on real GDI under Wine, over a window that shows the test pattern across the screen:
// pixels read from it, the value font, and frames equal to the raster's pixel for pixel outside the text.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "frame_cases.h"
#include "hex_color.h"
#include "lens/navigation.h"
#include "lens/platform_win.h"
#include "raster_screen.h"

namespace {

class RealScreen : public testing::Test {
protected:
    // A static control over the whole screen shows the test pattern.
    static void SetUpTestSuite()
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), SCREEN_WIDTH, -SCREEN_HEIGHT, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        std::uint32_t* pixels = nullptr;  // 0x00RRGGBB, rows top-down
        const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels),
                                                nullptr, 0);
        for (int i = 0; i < SCREEN_WIDTH * SCREEN_HEIGHT; ++i) {
            const ColorRef color = patternColorAt(i % SCREEN_WIDTH, i / SCREEN_WIDTH);
            pixels[i] = redOf(color) << 16 | greenOf(color) << 8 | blueOf(color);
        }
        pattern = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_BITMAP, 0, 0, SCREEN_WIDTH,
                                  SCREEN_HEIGHT, nullptr, nullptr, nullptr, nullptr);
        SendMessageA(pattern, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        UpdateWindow(pattern);
    }

    static void TearDownTestSuite() { DestroyWindow(pattern); }

    void SetUp() override
    {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), SCREEN_WIDTH);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), SCREEN_HEIGHT);
        appState = AppState{};
        installPlatform(win32Platform());
        appState.desktopWindow = handleOf(GetDesktopWindow());
        appState.screen = PRIMARY;
        appState.valueFont = installedPlatform().CreateFontIndirectA(VALUE_FONT);
    }

    void TearDown() override
    {
        DeleteDC(memory);
        ReleaseDC(nullptr, display);
        DeleteObject(toObject(appState.valueFont));
    }

    SIZE textSize(HGDIOBJ font, const char* text)
    {
        const HGDIOBJ previous = SelectObject(memory, font);
        SIZE size{};
        GetTextExtentPoint32A(memory, text, static_cast<int>(std::strlen(text)), &size);
        SelectObject(memory, previous);
        return size;
    }

    static HWND pattern;
    const HDC display = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(display);
};

HWND RealScreen::pattern = nullptr;

TEST_F(RealScreen, SamplePixelReadsTheDesktop)
{
    for (const Point at : {Point{0, 0}, Point{1023, 767}, Point{500, 400}, Point{1024, 10}, Point{65000, 10}}) {
        EXPECT_EQ(HexColor{samplePixel(at)}, HexColor{screenPixel(at)}) << at.x << ", " << at.y;
    }
}

// Its negative height asks for glyphs, not cells, 13 pixels high.
TEST_F(RealScreen, ValueFontIsBoldWithACharacterHeightOf13)
{
    const HGDIOBJ previous = SelectObject(memory, toObject(appState.valueFont));
    TEXTMETRICA metrics{};
    GetTextMetricsA(memory, &metrics);
    SelectObject(memory, previous);
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 13);
    EXPECT_EQ(metrics.tmWeight, FW_BOLD);
}

TEST_F(RealScreen, FramesEqualTheRastersOutsideTheText)
{
    RasterPlatform raster(screenImage(PRIMARY));
    const GdiObject rasterFont = raster.CreateFontIndirectA(VALUE_FONT);
    const GdiObject gdiFont = appState.valueFont;
    for (const FrameCase& c : FRAME_CASES) {
        // Wine reads a rectangle reaching beyond the screen as all black, and a window cannot be
        // larger than the screen: such frames are left to the raster.
        if (c.geometry.sourceX < 0 || c.geometry.sourceY < 0) {
            continue;
        }
        SCOPED_TRACE(testing::Message() << c);
        appState.zoom = c.zoom;
        appState.pickPoint = c.pick;
        appState.invert = c.invert;
        appState.displayMode = c.mode;
        appState.currentColor = c.color;
        const Rect client = {0, 0, c.clientWidth, c.clientHeight};

        installPlatform(raster);
        appState.desktopWindow = raster.desktopWindow();
        appState.valueFont = rasterFont;
        raster.failScreenCopies(c.copyFails ? 6 : 0);
        const SurfaceHandle rasterTarget = raster.createTargetSurface(c.clientWidth, c.clientHeight, 0);
        composeLensFrame(raster.createWindow(client, client), rasterTarget);
        const RasterImage& expected = raster.imageOf(rasterTarget);

        installPlatform(win32Platform());
        appState.desktopWindow = handleOf(c.copyFails ? reinterpret_cast<HWND>(0xDEAD) : GetDesktopWindow());
        appState.valueFont = gdiFont;
        // A child window, since a top-level one would be kept within the screen.
        const HWND window = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, c.clientWidth, c.clientHeight,
                                           pattern, nullptr, nullptr, nullptr);
        const HGDIOBJ previous = SelectObject(memory, CreateCompatibleBitmap(display, c.clientWidth, c.clientHeight));
        composeLensFrame(handleOf(window), handleOf(memory));

        // The text boxes, as large as the larger of the two fonts draws them, are left out.
        const SIZE value = textSize(toObject(gdiFont), appState.valueText.chars);
        const auto length = static_cast<std::int32_t>(std::strlen(appState.valueText.chars));
        const Rect valueBox = {23, 3, 25 + std::max<std::int32_t>(value.cx, 7 * length), 5 + std::max(value.cy, 9L)};
        const LONG errorHeight = std::max(textSize(GetStockObject(SYSTEM_FONT), "X").cy, 9L);
        const std::int32_t errorBottom = c.copyFails ? 24 + errorHeight : 0;
        int compared = 0;
        int mismatches = 0;
        for (std::int32_t y = 0; y < c.clientHeight; ++y) {
            for (std::int32_t x = 0; x < c.clientWidth; ++x) {
                const bool inValue = length > 0 && x >= valueBox.left && x < valueBox.right && y >= valueBox.top &&
                                     y < valueBox.bottom;
                if (inValue || (y >= 24 && y < errorBottom)) {
                    continue;
                }
                ++compared;
                const ColorRef drawn = GetPixel(memory, x, y);
                if (drawn != expected.at(x, y) && ++mismatches <= 3) {
                    ADD_FAILURE() << "at " << x << ", " << y << ": " << HexColor{drawn} << ", raster "
                                  << HexColor{expected.at(x, y)};
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << "of " << compared << " pixels compared";
        EXPECT_GT(compared, c.clientWidth * c.clientHeight / 2) << "the text hides most of the frame";
        DeleteObject(SelectObject(memory, previous));
        DestroyWindow(window);
    }
}

}  // namespace
