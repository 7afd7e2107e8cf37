// The lens frame composed by real GDI under Wine, compared pixel for pixel with the software
// raster outside the text boxes; and the handles a long run of real frames takes and gives back.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "counting_platform.h"
#include "dib_surface.h"
#include "hex_color.h"
#include "lens/app_state.h"
#include "lens/lens_frame.h"
#include "lens/platform_win.h"
#include "test_screens.h"

namespace {

constexpr std::int32_t SCREEN_WIDTH = 1024;
constexpr std::int32_t SCREEN_HEIGHT = 768;
constexpr ColorRef UNTOUCHED = 0x00ABCDEF;

// Real GDI, except that the desktop's context is a memory surface of known pixels, or none at
// all when a failing screen is wanted.
class StandInScreen final : public ForwardingPlatform {
public:
    StandInScreen() : ForwardingPlatform(win32Platform()), screen(SCREEN_WIDTH, SCREEN_HEIGHT, 0)
    {
        for (std::int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
            for (std::int32_t x = 0; x < SCREEN_WIDTH; ++x) {
                screen.set(x, y, patternColorAt(x, y));
            }
        }
    }

    WindowHandle desktop() { return &desktopTag; }
    bool failing = false;

    SurfaceHandle GetWindowDC(WindowHandle window) override
    {
        return window == desktop() ? (failing ? nullptr : screen.dc) : inner.GetWindowDC(window);
    }

    int ReleaseDC(WindowHandle window, SurfaceHandle surface) override
    {
        return window == desktop() ? surface == screen.dc : inner.ReleaseDC(window, surface);
    }

private:
    DibSurface screen;
    char desktopTag = 0;
};

struct FrameCase {
    std::int32_t clientWidth, clientHeight, zoom;
    Point pick;
    std::int32_t invert;
    DisplayMode mode;
    ColorRef color;
    bool failing;
};

const FrameCase FRAME_CASES[] = {
    {150, 100, 5, {500, 400}, 0, MODE_HTML, 0x00563412, false},
    {150, 100, 5, {500, 400}, 1, MODE_HSB, 0x00563412, false},
    {152, 103, 5, {500, 400}, 0, MODE_RGB, 0x000000FF, false},
    {100, 100, 7, {500, 400}, 1, MODE_COLORREF, 0x000000FF, false},
    {150, 100, 4, {500, 400}, 0, MODE_SCREEN_COORDS, 0x00FFFFFF, false},
    {150, 100, 1, {500, 400}, 0, MODE_HTML, 0x00000000, false},
    {150, 100, 5, {0, 0}, 0, 0, 0x00563412, false},
    {150, 100, 5, {1023, 767}, 1, MODE_HTML, 0x00563412, false},
    {150, 100, 5, {1500, 400}, 0, MODE_HTML, 0x00563412, false},
    {1100, 60, 1, {0, 30}, 0, MODE_HTML, 0x00563412, false},
    {1100, 60, 1, {0, 30}, 1, MODE_HTML, 0x00563412, false},
    {2, 2, 31, {500, 400}, 0, MODE_HTML, 0x00563412, false},
    {300, 200, 31, {65535, 65535}, 0, MODE_HTML, 0x00563412, false},
    {150, 100, 5, {0, 5}, 0, MODE_HTML, 0x00563412, true},
};

class GdiFrame : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LensFrameClient";
        RegisterClassExA(&windowClass);
    }

    void SetUp() override
    {
        appState = AppState{};
        appState.screenWidth = SCREEN_WIDTH;
        appState.screenHeight = SCREEN_HEIGHT;
    }

    // A hidden borderless window whose client area has the given size.
    static HWND clientOfSize(std::int32_t width, std::int32_t height)
    {
        return CreateWindowExA(0, "LensFrameClient", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }

    static void apply(const FrameCase& c)
    {
        appState.zoom = c.zoom;
        appState.pickPoint = c.pick;
        appState.invert = c.invert;
        appState.displayMode = c.mode;
        appState.currentColor = c.color;
    }

    // The width of text in a font on a screen-compatible context.
    static SIZE textExtent(HGDIOBJ font, const char* text)
    {
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
        SelectObject(dc, previous);
        DeleteDC(dc);
        return size;
    }
};

TEST_F(GdiFrame, DrawsTheSamePixelsAsTheRasterOutsideTheText)
{
    StandInScreen gdi;
    RasterPlatform raster(patternScreen(SCREEN_WIDTH, SCREEN_HEIGHT));
    const GdiObject gdiFont = win32Platform().CreateFontIndirectA(valueFontSpec());
    const GdiObject rasterFont = raster.CreateFontIndirectA(valueFontSpec());

    for (const FrameCase& c : FRAME_CASES) {
        SCOPED_TRACE(testing::Message() << c.clientWidth << " x " << c.clientHeight << " at zoom " << c.zoom
                                        << ", pick (" << c.pick.x << ", " << c.pick.y << "), invert " << c.invert
                                        << ", mode " << c.mode << (c.failing ? ", failing copy" : ""));
        apply(c);

        usePlatform(raster);
        appState.desktopWindow = raster.desktopWindow();
        appState.valueFont = rasterFont;
        raster.failScreenCopies(c.failing ? 6 : 0);
        const WindowHandle rasterWindow =
            raster.createWindow({0, 0, c.clientWidth, c.clientHeight}, {0, 0, c.clientWidth, c.clientHeight});
        const SurfaceHandle rasterTarget = raster.createTargetSurface(c.clientWidth, c.clientHeight, UNTOUCHED);
        composeLensFrame(rasterWindow, rasterTarget);
        const RasterImage& expected = raster.imageOf(rasterTarget);

        usePlatform(gdi);
        appState.desktopWindow = gdi.desktop();
        appState.valueFont = gdiFont;
        gdi.failing = c.failing;
        const HWND window = clientOfSize(c.clientWidth, c.clientHeight);
        ASSERT_NE(window, nullptr);
        DibSurface target(c.clientWidth, c.clientHeight, UNTOUCHED);
        composeLensFrame(window, target.dc);
        DestroyWindow(window);

        // The text boxes, as wide and high as the wider and higher of the two fonts draws them.
        const SIZE valueSize = textExtent(static_cast<HGDIOBJ>(gdiFont), appState.valueText.chars);
        const auto valueLength = static_cast<std::int32_t>(std::strlen(appState.valueText.chars));
        const Rect valueBox = {VALUE_TEXT_ORIGIN.x - 1, VALUE_TEXT_ORIGIN.y - 1,
                               VALUE_TEXT_ORIGIN.x + 1 + std::max<std::int32_t>(valueSize.cx, valueLength * 7),
                               VALUE_TEXT_ORIGIN.y + 1 + std::max<std::int32_t>(valueSize.cy, 9)};
        const SIZE systemSize = textExtent(GetStockObject(SYSTEM_FONT), "X");
        const Rect errorRows = {0, ERROR_TEXT_ORIGIN.y, c.clientWidth,
                                c.failing ? ERROR_TEXT_ORIGIN.y + std::max<std::int32_t>(systemSize.cy, 9) : 0};

        int compared = 0;
        int mismatches = 0;
        for (std::int32_t y = 0; y < c.clientHeight; ++y) {
            for (std::int32_t x = 0; x < c.clientWidth; ++x) {
                const bool inText = (valueLength > 0 && x >= valueBox.left && x < valueBox.right &&
                                     y >= valueBox.top && y < valueBox.bottom) ||
                                    (y >= errorRows.top && y < errorRows.bottom);
                if (inText) {
                    continue;
                }
                ++compared;
                if (target.at(x, y) != expected.at(x, y) && ++mismatches <= 5) {
                    ADD_FAILURE() << "at " << x << ", " << y << ": GDI " << HexColor{target.at(x, y)}
                                  << ", raster " << HexColor{expected.at(x, y)};
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << "of " << compared << " pixels compared";
        EXPECT_GT(compared, c.clientWidth * c.clientHeight / 2) << "the text boxes hide most of the frame";
    }
    win32Platform().DeleteObject(gdiFont);
    raster.DeleteObject(rasterFont);
}

TEST_F(GdiFrame, AHundredThousandFramesFromTheRealScreenReleaseEverything)
{
    CountingPlatform counted(win32Platform());
    usePlatform(counted);
    appState.desktopWindow = GetDesktopWindow();
    appState.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    appState.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    appState.valueFont = win32Platform().CreateFontIndirectA(valueFontSpec());
    appState.displayMode = MODE_HSB;
    const HWND window = clientOfSize(150, 100);
    DibSurface target(150, 100, UNTOUCHED);
    for (int frame = 0; frame < 100000; ++frame) {
        appState.zoom = 1 + frame % 31;
        appState.pickPoint = {frame % 1100, frame % 800};
        composeLensFrame(window, target.dc);
        ASSERT_EQ(counted.liveObjects, 0) << "after frame " << frame;
    }
    // Had a frame kept a handle, GDI's table would have run out long before: objects can still be made.
    const HDC probe = CreateCompatibleDC(nullptr);
    EXPECT_NE(probe, nullptr);
    DeleteDC(probe);
    EXPECT_NE(target.at(0, 0), UNTOUCHED) << "the frames reached the target";
    DestroyWindow(window);
    win32Platform().DeleteObject(appState.valueFont);
}

}  // namespace
