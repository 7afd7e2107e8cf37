// Tests of whole lens frames composed on the software raster and checked pixel by pixel:
// cells, cross-hair, swatch, value text, border, the failed-copy message and handle hygiene.
#include "lens/lens_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "hex_color.h"
#include "raster_screen.h"

namespace {

constexpr ColorRef SAMPLE = 0x00563412;
constexpr ColorRef UNTOUCHED = 0x00ABCDEF;  // what a target holds before a frame reaches it
constexpr DisplayMode NO_TEXT = 0;          // a mode outside 2001-2005: the value text is empty

bool inside(const Rect& rect, std::int32_t x, std::int32_t y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

class LensFrame : public RasterScreen {
protected:
    SurfaceHandle paint = nullptr;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;

    void SetUp() override
    {
        RasterScreen::SetUp();
        appState.valueFont = raster.CreateFontIndirectA(valueFontSpec());
        appState.pickPoint = {500, 400};
        appState.currentColor = SAMPLE;
    }

    void TearDown() override
    {
        RasterScreen::TearDown();
        raster.DeleteObject(appState.valueFont);
    }

    // Composes a frame into a fresh target of the client's size, as a window would clip it.
    const RasterImage& compose(std::int32_t width, std::int32_t height)
    {
        clientWidth = width;
        clientHeight = height;
        const WindowHandle window = raster.createWindow({0, 0, width, height}, {0, 0, width, height});
        paint = raster.createTargetSurface(width, height, UNTOUCHED);
        composeLensFrame(window, paint);
        return raster.imageOf(paint);
    }

    LensGeometry geometry() const
    {
        return computeLensGeometry(clientWidth, clientHeight, appState.zoom, appState.pickPoint, 1024, 768);
    }

    // The screen pixel a frame pixel enlarges, as the copy leaves it: inverted when the lens
    // inverts, and beyond the screen the fresh frame's black, which the copy does not touch.
    ColorRef imagePixel(std::int32_t x, std::int32_t y) const
    {
        const LensGeometry g = geometry();
        const std::int32_t screenX = g.sourceX + x / appState.zoom;
        const std::int32_t screenY = g.sourceY + y / appState.zoom;
        if (screenX < 0 || screenY < 0 || screenX >= 1024 || screenY >= 768) {
            return 0;
        }
        const ColorRef pixel = patternColorAt(screenX, screenY);
        return appState.invert != 0 ? inverseRgb(pixel) : pixel;
    }

    bool onBorder(std::int32_t x, std::int32_t y) const
    {
        return x == 0 || y == 0 || x == clientWidth - 1 || y == clientHeight - 1;
    }
};

struct ImageCase {
    std::int32_t clientWidth, clientHeight, zoom;
    Point pick;
    std::int32_t invert;
};

const ImageCase IMAGE_CASES[] = {
    {150, 100, 5, {500, 400}, 0},
    {150, 100, 5, {500, 400}, 1},
    {152, 103, 5, {500, 400}, 0},
    {100, 100, 7, {500, 400}, 0},
    {150, 100, 4, {500, 400}, 0},
    {150, 100, 1, {500, 400}, 0},
    {150, 100, 5, {0, 0}, 0},
    {150, 100, 5, {1023, 767}, 1},
    {150, 100, 5, {1500, 400}, 0},  // the vertical line lies beyond the frame
    {1100, 40, 1, {0, 20}, 0},      // screen narrower than the cells: black columns on the left
    {1100, 40, 1, {0, 20}, 1},
    {2, 2, 31, {500, 400}, 0},
};

TEST_F(LensFrame, EveryPixelIsItsCellOrAMarkDrawnOverIt)
{
    for (const ImageCase& c : IMAGE_CASES) {
        appState.zoom = c.zoom;
        appState.pickPoint = c.pick;
        appState.invert = c.invert;
        appState.displayMode = NO_TEXT;
        const RasterImage& image = compose(c.clientWidth, c.clientHeight);
        const LensGeometry g = geometry();
        SCOPED_TRACE(testing::Message() << c.clientWidth << " x " << c.clientHeight << " at zoom " << c.zoom
                                        << ", pick (" << c.pick.x << ", " << c.pick.y << "), invert " << c.invert);
        int mismatches = 0;
        for (std::int32_t y = 0; y < image.height && mismatches < 5; ++y) {
            for (std::int32_t x = 0; x < image.width && mismatches < 5; ++x) {
                if (onBorder(x, y)) {
                    mismatches += image.at(x, y) != 0;
                    EXPECT_EQ(HexColor{image.at(x, y)}, HexColor{0}) << "border at " << x << ", " << y;
                    continue;
                }
                if (inside(SWATCH_RECT, x, y)) {
                    continue;
                }
                // The cross-hair inverts its row and its column; where they cross it inverts twice.
                const int inversions = (x == g.crossX) + (y == g.crossY);
                const ColorRef expected = inversions == 1 ? inverseRgb(imagePixel(x, y)) : imagePixel(x, y);
                mismatches += image.at(x, y) != expected;
                EXPECT_EQ(HexColor{image.at(x, y)}, HexColor{expected}) << "at " << x << ", " << y;
            }
        }
    }
}

struct SwatchCase {
    ColorRef color;
    std::int32_t invert;
    ColorRef fill;
};

TEST_F(LensFrame, SwatchIsARingOfBlackAroundTheShownColour)
{
    const SwatchCase cases[] = {
        {SAMPLE, 0, SAMPLE},
        {SAMPLE, 1, 0x00A9CBED},
        {0x000000FF, 1, 0x00FFFF00},  // pure red shows cyan
        {0xFFFFFFFF, 1, 0x00000000},  // the failed-read value inverts to black
    };
    for (const SwatchCase& c : cases) {
        appState.currentColor = c.color;
        appState.invert = c.invert;
        const RasterImage& image = compose(150, 100);
        const Rect fill = {SWATCH_RECT.left + 1, SWATCH_RECT.top + 1, SWATCH_RECT.right - 1, SWATCH_RECT.bottom - 1};
        for (std::int32_t y = SWATCH_RECT.top; y < SWATCH_RECT.bottom; ++y) {
            for (std::int32_t x = SWATCH_RECT.left; x < SWATCH_RECT.right; ++x) {
                const ColorRef expected = inside(fill, x, y) ? c.fill : 0;
                ASSERT_EQ(HexColor{image.at(x, y)}, HexColor{expected})
                    << "at " << x << ", " << y << " for " << HexColor{c.color} << " invert " << c.invert;
            }
        }
    }
}

TEST_F(LensFrame, ValueTextIsFormattedForEveryFrameEvenAnEmptyOne)
{
    compose(150, 100);
    EXPECT_STREQ(appState.valueText.chars, "#123456");

    appState.displayMode = MODE_RGB;
    const RasterImage& empty = compose(0, 0);
    EXPECT_STREQ(appState.valueText.chars, "R:18 G:52 B:86");
    EXPECT_EQ(empty.width, 0);

    // A client of no size sends nothing to the window, whatever the target could hold.
    const WindowHandle hidden = raster.createWindow({0, 0, 0, 40}, {0, 0, 0, 40});
    const SurfaceHandle target = raster.createTargetSurface(20, 20, UNTOUCHED);
    composeLensFrame(hidden, target);
    for (ColorRef pixel : raster.imageOf(target).pixels) {
        ASSERT_EQ(HexColor{pixel}, HexColor{UNTOUCHED});
    }
}

// Black text with a white outline: every white pixel touches a black one diagonally, and every
// diagonal neighbour of a black pixel is text, never the background.
TEST_F(LensFrame, ValueTextIsBlackOutlinedInWhite)
{
    constexpr ColorRef GREY = 0x00808080;
    const SurfaceHandle target = raster.createTargetSurface(120, 20, GREY);
    raster.SelectObject(target, appState.valueFont);
    drawValueText(target, "#3868C8");
    const RasterImage& image = raster.imageOf(target);
    int black = 0;
    int white = 0;
    const int diagonals[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    for (std::int32_t y = 1; y < image.height - 1; ++y) {
        for (std::int32_t x = 1; x < image.width - 1; ++x) {
            const ColorRef pixel = image.at(x, y);
            int blackNeighbours = 0;
            for (const auto& d : diagonals) {
                const ColorRef neighbour = image.at(x + d[0], y + d[1]);
                blackNeighbours += neighbour == 0;
                if (pixel == 0) {
                    EXPECT_NE(HexColor{neighbour}, HexColor{GREY}) << "at " << x + d[0] << ", " << y + d[1];
                }
            }
            black += pixel == 0;
            white += pixel == 0x00FFFFFF;
            if (pixel == 0x00FFFFFF) {
                EXPECT_GT(blackNeighbours, 0) << "lone white at " << x << ", " << y;
            }
        }
    }
    EXPECT_GT(black, 20);
    EXPECT_GT(white, black);
}

struct MessageCase {
    const char* text;
    std::int32_t charactersDrawn;
};

TEST_F(LensFrame, FailedCopyWritesItsMessageInRedWithoutTheLineBreak)
{
    const MessageCase cases[] = {
        {"Access is denied.\r\n", 17},
        {"No line break", 13},  // only a CR LF that is really there is dropped
        {"Ends in LF only\n", 16},
        {"X", 1},
        {"\r\n", 0},
    };
    const std::int32_t cell = RasterPlatform::textCellWidth(false);
    appState.pickPoint = {0, 5};  // puts the horizontal line through the message, at row 27
    appState.displayMode = NO_TEXT;
    for (const MessageCase& c : cases) {
        raster.setMessageText(5, c.text);
        raster.failScreenCopies(5);
        const RasterImage& image = compose(150, 100);
        const LensGeometry g = geometry();
        ASSERT_EQ(g.crossY, 27);
        SCOPED_TRACE(c.text);
        // The message's opaque box: white behind red glyphs, exactly as wide as the characters drawn.
        const Rect box = {ERROR_TEXT_ORIGIN.x, ERROR_TEXT_ORIGIN.y, ERROR_TEXT_ORIGIN.x + cell * c.charactersDrawn,
                          ERROR_TEXT_ORIGIN.y + RasterPlatform::TEXT_CELL_HEIGHT};
        int red = 0;
        for (std::int32_t y = box.top - 1; y <= box.bottom; ++y) {
            for (std::int32_t x = box.left - 1; x <= box.right; ++x) {
                if (x == g.crossX) {
                    continue;
                }
                const ColorRef pixel = image.at(x, y);
                if (!inside(box, x, y)) {
                    EXPECT_TRUE(pixel == 0 || pixel == 0x00FFFFFF) << "outside the box at " << x << ", " << y;
                } else if (y == g.crossY) {  // the cross-hair lies over the message
                    EXPECT_TRUE(pixel == 0 || pixel == inverseRgb(ERROR_TEXT_COLOR)) << "at " << x << ", " << y;
                } else {
                    EXPECT_TRUE(pixel == 0x00FFFFFF || pixel == ERROR_TEXT_COLOR) << "at " << x << ", " << y;
                    red += pixel == ERROR_TEXT_COLOR;
                }
            }
        }
        EXPECT_EQ(red > 0, c.charactersDrawn > 0);
        EXPECT_EQ(HexColor{image.at(0, 50)}, HexColor{0}) << "the border is still drawn";
    }
}

TEST_F(LensFrame, FailedCopyWithoutASystemMessageDrawsNothingAndFreesNothing)
{
    raster.failScreenCopies(1234);  // no text for this code
    appState.displayMode = NO_TEXT;
    const RasterImage& image = compose(150, 100);
    const Rect box = {ERROR_TEXT_ORIGIN.x, ERROR_TEXT_ORIGIN.y, 140, 40};
    for (std::int32_t y = box.top; y < box.bottom; ++y) {
        for (std::int32_t x = box.left; x < box.right; ++x) {
            const bool onCross = x == geometry().crossX || y == geometry().crossY;
            ASSERT_EQ(HexColor{image.at(x, y)}, HexColor{onCross ? 0x00FFFFFFu : 0u}) << x << ", " << y;
        }
    }
    EXPECT_STREQ(appState.valueText.chars, "");
}

TEST_F(LensFrame, AHundredThousandFramesReleaseEverythingTheyTake)
{
    appState.displayMode = MODE_HSB;
    raster.setMessageText(5, "Access is denied.\r\n");
    const WindowHandle window = raster.createWindow({0, 0, 23, 17}, {0, 0, 23, 17});
    const SurfaceHandle target = raster.createTargetSurface(23, 17, UNTOUCHED);
    for (int frame = 0; frame < 100000; ++frame) {
        raster.failScreenCopies(frame % 4 == 0 ? 5 : 0);  // every fourth copy fails and formats a message
        appState.zoom = 1 + frame % 31;
        appState.pickPoint = {frame % 1100, frame % 800};
        composeLensFrame(window, target);
        ASSERT_EQ(counted.liveObjects, 0) << "after frame " << frame;
    }
}

TEST_F(LensFrame, AnyClientZoomAndPickPointStaysInBounds)
{
    const std::int32_t sizes[] = {0, 1, 2, 30, 31, 32, 150, 1100};
    const Point picks[] = {{0, 0}, {1023, 767}, {1024, 768}, {65535, 65535}, {0, 65535}};
    for (std::int32_t width : sizes) {
        for (std::int32_t height : sizes) {
            for (std::int32_t zoom : {1, 2, 5, 30, 31}) {
                for (const Point& pick : picks) {
                    appState.zoom = zoom;
                    appState.pickPoint = pick;
                    const RasterImage& image = compose(width, height);
                    if (width > 0 && height > 0) {
                        ASSERT_EQ(HexColor{image.at(width - 1, height - 1)}, HexColor{0});
                    }
                    ASSERT_EQ(counted.liveObjects, 0);
                }
            }
        }
    }
}

}  // namespace
