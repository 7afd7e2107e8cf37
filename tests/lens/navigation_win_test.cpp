// The rules that move the pick point, on real GDI under Wine over the test pattern: arrow steps bounded
// by a virtual screen of two displays, and cursor words, each resampling the screen pixel it reaches.
#include "lens/navigation.h"

#include <ostream>

#include "hex_color.h"
#include "pattern_screen.h"

std::ostream& operator<<(std::ostream& out, Point p) { return out << '(' << p.x << ", " << p.y << ')'; }

namespace {

class Navigation : public PatternScreen {
protected:
    void SetUp() override
    {
        PatternScreen::SetUp();
        appState.screen = TWO_DISPLAYS;
    }
};

TEST_F(Navigation, StepPickPointMovesOnePixelBoundedOnTheSideItMovesAndResamples)
{
    struct StepCase { Point start; ArrowKey key; Point expected; };
    const StepCase cases[] = {
        {{-639, 5}, ArrowKey::Left, {-640, 5}},
        {{-640, 5}, ArrowKey::Left, {-640, 5}},   // the virtual screen's left edge, on the left display
        {{-5, -120}, ArrowKey::Up, {-5, -120}},
        {{10, 65000}, ArrowKey::Up, {10, 64999}},
        {{10, 0}, ArrowKey::Up, {10, -1}},         // on no display: the failure value
        {{1021, 5}, ArrowKey::Right, {1022, 5}},
        {{1023, 5}, ArrowKey::Right, {1023, 5}},
        {{65000, 10}, ArrowKey::Right, {1023, 10}},  // beyond the screen after a drag: back to the edge,
        {{65000, 10}, ArrowKey::Left, {64999, 10}},  // while the opposite key walks
        {{5, 765}, ArrowKey::Down, {5, 766}},
        {{5, 767}, ArrowKey::Down, {5, 767}},
        {{65000, 10}, ArrowKey::Down, {65000, 11}},  // and the other coordinate is left alone
    };
    for (const StepCase& c : cases) {
        appState.pickPoint = c.start;
        appState.currentColor = 0x00ABCDEF;
        stepPickPoint(c.key);
        EXPECT_EQ(appState.pickPoint, c.expected) << "from " << c.start;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{screenPixel(c.expected)}) << "from " << c.start;
    }
}

TEST_F(Navigation, PickPointFromCursorIsTheScreenPositionModulo65536)
{
    struct CursorCase { std::uint16_t cursorX, cursorY; Point clientOrigin, expected; };
    const CursorCase cases[] = {  // the words are signed 16-bit client coordinates
        {50, 60, {300, 200}, {350, 260}},
        {0xFFFB, 0x0010, {300, 200}, {295, 216}},  // left of the client area
        {0x0010, 0xFFFF, {300, 200}, {316, 199}},  // above it
        {0xFEA2, 0xFF38, {300, 200}, {-50, 0}},    // left of and above it, on the left display
        {50, 60, {-400, -100}, {-350, -40}},       // a window on the left display
        {0x8000, 0x7FFF, {0, 0}, {-32768, 32767}},
    };
    for (const CursorCase& c : cases) {
        pickPointFromCursor(c.cursorX, c.cursorY, c.clientOrigin);
        EXPECT_EQ(appState.pickPoint, c.expected) << "cursor " << c.cursorX << ", " << c.cursorY;
        EXPECT_EQ(HexColor{appState.currentColor}, HexColor{screenPixel(c.expected)});
    }
}

}  // namespace
