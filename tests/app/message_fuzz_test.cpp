// Random messages with random parameters sent to the real window: none may crash it or break
// the lens invariants (zoom and ceiling in range, pick point in 16 bits, a valid notation).
#include <gtest/gtest.h>

#include <windows.h>

#include <random>

#include "lens_window.h"

namespace {

using MessageFuzz = LensWindow;

// Commands that open a modal dialog, reach the shell or end the window are left to other tests.
bool leavesTheLoop(WORD command)
{
    return command == CMD_CREATE_COLOR || command == CMD_COLOR_CHART || command == CMD_ABOUT ||
           command == CMD_README || command == CMD_HOME_PAGE || command == CMD_EXIT;
}

TEST_F(MessageFuzz, AnyParametersKeepTheInvariants)
{
    const UINT messages[] = {WM_SIZE,       WM_PAINT,       WM_KEYDOWN,    WM_VSCROLL, WM_MOUSEMOVE,
                             WM_LBUTTONDOWN, WM_LBUTTONUP, WM_COMMAND,    WM_KEYUP,   WM_CHAR,
                             WM_RBUTTONDOWN, WM_CAPTURECHANGED, WM_ERASEBKGND, WM_SETCURSOR};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pickMessage(0, std::size(messages) - 1);
    std::uniform_int_distribution<std::uint32_t> anyWord;
    std::uniform_int_distribution<int> clientSide(0, 400);

    for (int round = 0; round < 20000; ++round) {
        const UINT message = messages[pickMessage(random)];
        WPARAM wParam = anyWord(random);
        const LPARAM lParam = static_cast<LPARAM>(anyWord(random));
        if (round % 4 == 0) {
            wParam &= 0xFF;  // often a small code: arrow keys, scroll requests, command ids near 0
        }
        if (message == WM_COMMAND) {
            const WORD commands[] = {MODE_SCREEN_COORDS, MODE_HSB, CMD_NEXT_MODE, CMD_INVERT, CMD_ALWAYS_ON_TOP,
                                     CMD_COPY_VALUE, CMD_FIT_SIZE, static_cast<WORD>(wParam)};
            wParam = MAKEWPARAM(commands[wParam % std::size(commands)], HIWORD(wParam));
            if (leavesTheLoop(LOWORD(wParam))) {
                continue;
            }
        }
        if (round % 500 == 0) {
            setClientSize(clientSide(random), clientSide(random));
        }
        send(message, wParam, lParam);

        ASSERT_GE(appState.zoomMax, 1) << "round " << round;
        ASSERT_LE(appState.zoomMax, 31) << "round " << round;
        ASSERT_GE(appState.zoom, 1) << "round " << round;
        if (message == WM_VSCROLL) {
            ASSERT_LE(appState.zoom, appState.zoomMax) << "round " << round;
        }
        ASSERT_TRUE(appState.pickPoint.x >= 0 && appState.pickPoint.x <= 0xFFFF) << "round " << round;
        ASSERT_TRUE(appState.pickPoint.y >= 0 && appState.pickPoint.y <= 0xFFFF) << "round " << round;
        ASSERT_TRUE(appState.displayMode >= MODE_SCREEN_COORDS && appState.displayMode <= MODE_HSB);
        ASSERT_TRUE(appState.invert == 0 || appState.invert == 1);
        ASSERT_TRUE(appState.alwaysOnTop == 0 || appState.alwaysOnTop == 1);
    }
    ReleaseCapture();
    EXPECT_TRUE(IsWindow(window));
}

}  // namespace
