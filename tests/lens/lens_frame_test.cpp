// The layout at each DPI, the geometry of each lens frame, and the frame on the software raster compared
// pixel for pixel with a model built from literal positions, on one display and on two; the message of a
// failed copy; the objects every frame gives back.
#include "lens/lens_frame.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <utility>
#include <vector>

#include "frame_cases.h"
#include "hex_color.h"
#include "raster_screen.h"

bool operator==(const LensGeometry& a, const LensGeometry& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool operator==(const LensLayout& a, const LensLayout& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::ostream& operator<<(std::ostream& out, const LensLayout& l)
{
    return out << "swatch " << l.swatch.left << ", " << l.swatch.top << ", " << l.swatch.right << ", "
               << l.swatch.bottom << ", text " << l.valueText.x << ", " << l.valueText.y << " outlined "
               << l.outline << ", error " << l.errorText.x << ", " << l.errorText.y << ", font " << l.fontHeight;
}

std::ostream& operator<<(std::ostream& out, const LensGeometry& g)
{
    return out << "cells " << g.cellsX << " x " << g.cellsY << ", frame " << g.frameWidth << " x " << g.frameHeight
               << ", source " << g.sourceX << ", " << g.sourceY << ", cross " << g.crossX << ", " << g.crossY;
}

namespace {

constexpr ColorRef UNTOUCHED = 0x00ABCDEF;  // what the window holds before a frame reaches it
constexpr ColorRef WHITE = 0x00FFFFFF;
constexpr ColorRef RED = 0x000000FF;
constexpr ColorRef CLEAR = 0x01000000;  // a layer's background: no drawn pixel has a top byte
constexpr std::uint32_t INVALID_HANDLE = 6;  // the raster's failing copies report it, as GDI would
constexpr const char* INVALID_HANDLE_TEXT = "The handle is invalid.";

// The layout in pixels at 96 DPI, and scaled at higher ones: the swatch, the value text's origin and
// outline, the error text's origin and the value font's character height.
const std::pair<std::int32_t, LensLayout> LAYOUTS[] = {
    {96, {{6, 4, 22, 20}, {24, 4}, 1, {7, 24}, 13}},
    {120, {{8, 5, 28, 25}, {30, 5}, 1, {9, 30}, 16}},
    {144, {{9, 6, 33, 30}, {36, 6}, 2, {11, 36}, 20}},
    {192, {{12, 8, 44, 40}, {48, 8}, 2, {14, 48}, 26}},
};

// A frame whose copy fails: the message lies under the cross-hair's row.
const FrameCase FAILED_COPY = {150, 100, 5, {0, 5}, 0, MODE_HTML, 0x00563412, true, {30, 20, 150, 100, 0, 0, 2, 27}};

// Frames on the two displays, whose virtual screen starts at (-640, -120) and leaves places on none.
const FrameCase TWO_DISPLAY_CASES[] = {
    {150, 100, 5, {-640, -120}, 0, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, -640, -120, 2, 2}},
    {150, 100, 5, {-20, 350}, 1, MODE_HTML, 0x00563412, false, {30, 20, 150, 100, -35, 340, 77, 52}},
    {150, 100, 5, {1023, 767}, 0, MODE_SCREEN_COORDS, 0x00563412, false, {30, 20, 150, 100, 994, 748, 147, 97}},
    {1700, 60, 1, {0, 0}, 0, MODE_HTML, 0x00563412, false, {1700, 60, 1700, 60, -676, -30, 676, 30}},
};

void expectSameImage(const RasterImage& actual, const RasterImage& expected)
{
    int mismatches = 0;
    for (std::int32_t y = 0; y < expected.height; ++y) {
        for (std::int32_t x = 0; x < expected.width; ++x) {
            if (actual.at(x, y) != expected.at(x, y) && ++mismatches <= 3) {
                ADD_FAILURE() << "at " << x << ", " << y << ": " << HexColor{actual.at(x, y)} << ", expected "
                              << HexColor{expected.at(x, y)};
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

class LensFrame : public RasterScreen {
protected:
    using RasterScreen::RasterScreen;

    void SetUp() override
    {
        RasterScreen::SetUp();
        appState.valueFont = raster.CreateFontIndirectA(VALUE_FONT);
    }

    void apply(const FrameCase& c)
    {
        appState.zoom = c.zoom;
        appState.pickPoint = c.pick;
        appState.invert = c.invert;
        appState.displayMode = c.mode;
        appState.currentColor = c.color;
        raster.failScreenCopies(c.copyFails ? INVALID_HANDLE : 0);
    }

    // Composes a frame into a new window of the given client size, and checks that the frame gave
    // back every object it took.
    const RasterImage& compose(std::int32_t width, std::int32_t height)
    {
        const WindowHandle window = raster.createWindow({0, 0, width, height}, {0, 0, width, height});
        const SurfaceHandle target = raster.createTargetSurface(width, height, UNTOUCHED);
        const std::size_t objects = raster.liveObjectCount();
        composeLensFrame(window, target);
        EXPECT_EQ(raster.liveObjectCount(), objects) << "the frame kept an object";
        return raster.imageOf(target);
    }

    // Text drawn by the raster on a clear layer of the client's size, once for each origin and colour.
    RasterImage textLayer(const FrameCase& c, GdiObject font, const std::string& text,
                          std::initializer_list<std::pair<Point, ColorRef>> passes, bool opaque)
    {
        const SurfaceHandle layer = raster.createTargetSurface(c.clientWidth, c.clientHeight, CLEAR);
        raster.SelectObject(layer, font);
        raster.SetBkMode(layer, opaque ? 2 : 1);  // OPAQUE on the white background, or TRANSPARENT
        for (const auto& [origin, color] : passes) {
            raster.SetTextColor(layer, color);
            raster.TextOutA(layer, origin.x, origin.y, text.data(), static_cast<std::int32_t>(text.size()));
        }
        return raster.imageOf(layer);
    }

    // The frame as the window must show it, each pixel from the topmost layer that covers it.
    RasterImage expectedFrame(const FrameCase& c, const std::string& message,
                              const LensLayout& layout = LAYOUTS[0].second)
    {
        const LensGeometry& g = c.geometry;
        const Rect& swatch = layout.swatch;
        const std::int32_t o = layout.outline;
        const GdiObject systemFont = raster.GetStockObject(win32::STOCK_SYSTEM_FONT);
        const RasterImage error = textLayer(c, systemFont, c.copyFails ? message : "", {{layout.errorText, RED}}, true);
        const std::string text = formatValueText(c.color, c.invert, c.pick, c.zoom, c.mode).chars;
        const Point at = layout.valueText;
        const RasterImage value = textLayer(c, appState.valueFont, text,
                                            {{{at.x - o, at.y - o}, WHITE}, {{at.x - o, at.y + o}, WHITE},
                                             {{at.x + o, at.y - o}, WHITE}, {{at.x + o, at.y + o}, WHITE}, {at, 0}},
                                            false);
        RasterImage frame(c.clientWidth, c.clientHeight);
        for (std::int32_t y = 0; y < frame.height; ++y) {
            for (std::int32_t x = 0; x < frame.width; ++x) {
                // Each screen pixel as a zoom x zoom cell; beyond the screen, or when the copy fails, black.
                const ColorRef pixel = screenPixel({g.sourceX + x / c.zoom, g.sourceY + y / c.zoom}, screen);
                ColorRef shown = c.copyFails || pixel == 0xFFFFFFFF ? 0 : c.invert != 0 ? inverseRgb(pixel) : pixel;
                shown = error.at(x, y) != CLEAR ? error.at(x, y) : shown;
                shown = (y == g.crossY) != (x == g.crossX) ? inverseRgb(shown) : shown;  // the crossing twice
                const bool ring =
                    x == swatch.left || x == swatch.right - 1 || y == swatch.top || y == swatch.bottom - 1;
                const ColorRef fill = ring ? 0 : c.invert != 0 ? inverseRgb(c.color) : c.color;
                const bool inSwatch = inside(swatch, {x, y});
                shown = inSwatch ? fill : value.at(x, y) != CLEAR ? value.at(x, y) : shown;
                frame.at(x, y) = x == 0 || y == 0 || x == frame.width - 1 || y == frame.height - 1 ? 0 : shown;
            }
        }
        return frame;
    }

    // Composes the case's frame at appState's DPI, whose layout is given, and compares every pixel.
    void expectFrameAsLaidOut(const FrameCase& c, const LensLayout& layout = LAYOUTS[0].second)
    {
        SCOPED_TRACE(testing::Message() << appState.dpi << " DPI, " << c);
        apply(c);
        expectSameImage(compose(c.clientWidth, c.clientHeight), expectedFrame(c, INVALID_HANDLE_TEXT, layout));
    }
};

TEST(LensLayoutFor, Is96DpiPixelsScaledToTheDpi)
{
    for (const auto& [dpi, layout] : LAYOUTS) {
        EXPECT_EQ(lensLayoutFor(dpi), layout) << dpi << " DPI";
        EXPECT_EQ(valueFontFor(dpi).height, -layout.fontHeight) << "a negative height: the character height";
    }
}

TEST(ComputeLensGeometry, CellsSourceAndCrossHair)
{
    for (const FrameCase& c : FRAME_CASES) {
        EXPECT_EQ(computeLensGeometry(c.clientWidth, c.clientHeight, c.zoom, c.pick, PRIMARY), c.geometry) << c;
    }
    for (const FrameCase& c : TWO_DISPLAY_CASES) {
        EXPECT_EQ(computeLensGeometry(c.clientWidth, c.clientHeight, c.zoom, c.pick, TWO_DISPLAYS), c.geometry) << c;
    }
}

TEST_F(LensFrame, EveryPixelIsWhereTheLayoutPutsIt)
{
    for (const FrameCase& c : FRAME_CASES) {
        expectFrameAsLaidOut(c);
    }
}

// The layout scales with the DPI; the cells stay zoom x zoom device pixels.
TEST_F(LensFrame, FramesAtHigherDpisScaleTheLayoutButNotTheCells)
{
    for (const auto& [dpi, layout] : LAYOUTS) {
        appState.dpi = dpi;
        expectFrameAsLaidOut(FRAME_CASES[0], layout);
        expectFrameAsLaidOut(FAILED_COPY, layout);
    }
}

class LensFrameOnTwoDisplays : public LensFrame {
protected:
    LensFrameOnTwoDisplays() : LensFrame(TWO_DISPLAYS) {}
};

// The copy reaches the left display and the places on no display, which it leaves black.
TEST_F(LensFrameOnTwoDisplays, EveryPixelIsWhereTheLayoutPutsIt)
{
    for (const FrameCase& c : TWO_DISPLAY_CASES) {
        expectFrameAsLaidOut(c);
    }
}

TEST_F(LensFrame, FailedCopyShowsTheSystemMessageWithoutItsLineBreak)
{
    const char* const cases[][2] = {  // the system's text, and what the frame shows of it
        {"Access is denied.\r\n", "Access is denied."},
        {"No line break", "No line break"},
        {"Ends in LF only\n", "Ends in LF only\n"},
        {"\r\n", ""},
        {nullptr, ""},  // no text for the code: nothing drawn and nothing to free
    };
    for (const auto& [systemText, shown] : cases) {
        apply(FAILED_COPY);
        if (systemText != nullptr) {
            raster.setMessageText(5, systemText);
        }
        raster.failScreenCopies(systemText != nullptr ? 5 : 1234);
        expectSameImage(compose(150, 100), expectedFrame(FAILED_COPY, shown));
    }
}

// Under the address checker as well: frames of many sizes, zooms and pick points, every fourth
// with a failed copy, stay inside their images and give back every object they take.
TEST_F(LensFrame, AHundredThousandFramesStayInBoundsAndGiveBackEverything)
{
    const std::int32_t sizes[] = {0, 1, 2, 31, 32, 150};
    std::vector<std::pair<WindowHandle, SurfaceHandle>> windows;
    for (const std::int32_t width : sizes) {
        for (const std::int32_t height : sizes) {
            windows.emplace_back(raster.createWindow({0, 0, width, height}, {0, 0, width, height}),
                                 raster.createTargetSurface(width, height, UNTOUCHED));
        }
    }
    appState.displayMode = MODE_HSB;
    raster.setMessageText(5, "Access is denied.\r\n");
    const std::size_t objects = raster.liveObjectCount();
    for (int frame = 0; frame < 100000; ++frame) {
        raster.failScreenCopies(frame % 4 == 0 ? 5 : 0);
        appState.zoom = 1 + frame % 31;
        appState.pickPoint = {frame * 7919 % 65536, frame % 800};
        const auto& [window, target] = windows[static_cast<std::size_t>(frame) % windows.size()];
        composeLensFrame(window, target);
        ASSERT_EQ(raster.liveObjectCount(), objects) << "after frame " << frame;
    }
}

}  // namespace
