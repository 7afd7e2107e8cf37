// The commands on the real window under Wine: notations and F3 with their check marks, the
// toggles, Copy through the real clipboard, fitting the size, the colour dialog, chart and About box.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/commands.h"
#include "dialogs/about_dialog.h"
#include "hex_color.h"
#include "lens_window.h"

namespace {

using Commands = LensWindow;

constexpr UINT MODES[] = {MODE_SCREEN_COORDS, MODE_COLORREF, MODE_HTML, MODE_RGB, MODE_HSB};

std::string clipboardText()
{
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (const HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

bool checked(UINT state) { return (state & MF_CHECKED) != 0; }

TEST_F(Commands, F3StepsThroughTheNotationsAndMovesTheCheckMark)
{
    const UINT expected[] = {MODE_RGB, MODE_HSB, MODE_SCREEN_COORDS, MODE_COLORREF, MODE_HTML, MODE_RGB};
    const HACCEL accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(RES_MAIN));
    for (UINT mode : expected) {
        validate();
        // F3 goes through the real accelerator table, as in the message loop.
        MSG key = {window, WM_KEYDOWN, VK_F3, 0x003D0001, 0, {0, 0}};
        ASSERT_NE(TranslateAcceleratorA(window, accelerators, &key), 0);
        EXPECT_EQ(appState.displayMode, static_cast<DisplayMode>(mode));
        for (UINT item : MODES) {
            EXPECT_EQ(checked(menuState(item)), item == mode) << "item " << item << " with mode " << mode;
        }
        EXPECT_TRUE(repaintRequested());
    }
}

TEST_F(Commands, ChoosingTheModeInForceKeepsItCheckedAndRepaints)
{
    validate();
    EXPECT_EQ(command(MODE_HTML), 0);
    EXPECT_TRUE(checked(menuState(MODE_HTML)));
    EXPECT_TRUE(repaintRequested());
}

struct CopyCase {
    UINT mode;
    std::int32_t invert;
    const char* text;
};

TEST_F(Commands, CopyPlacesTheTextOfTheLastFrameOnTheClipboard)
{
    const CopyCase cases[] = {
        {MODE_SCREEN_COORDS, 0, "X:3 Y:4 [x5]"},
        {MODE_COLORREF, 0, "0x563412"},
        {MODE_HTML, 0, "#123456"},
        {MODE_RGB, 0, "R:18 G:52 B:86"},
        {MODE_HSB, 0, "H:210 S:79 B:34"},
        {MODE_HTML, 1, "#EDCBA9"},
        {MODE_SCREEN_COORDS, 1, "X:3 Y:4 [x5]"},
    };
    appState.pickPoint = {3, 4};
    for (const CopyCase& c : cases) {
        appState.currentColor = 0x00563412;
        command(c.mode);
        if ((appState.invert != 0) != (c.invert != 0)) {
            command(CMD_INVERT);
        }
        paint();
        command(CMD_COPY_VALUE);
        EXPECT_EQ(clipboardText(), c.text) << "mode " << c.mode << ", invert " << c.invert;
    }
}

TEST_F(Commands, InvertTogglesItsCheckMarkAndRepaints)
{
    appState.currentColor = 0x00563412;
    for (std::int32_t expected : {1, 0, 1}) {
        validate();
        command(CMD_INVERT);
        EXPECT_EQ(appState.invert, expected);
        EXPECT_EQ(checked(menuState(CMD_INVERT)), expected == 1);
        EXPECT_TRUE(repaintRequested());
    }
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412}) << "the colour itself is never inverted";
}

TEST_F(Commands, AlwaysOnTopLeavesAndReentersTheTopmostBandInPlace)
{
    RECT before;
    GetWindowRect(window, &before);
    for (std::int32_t expected : {0, 1}) {
        validate();
        command(CMD_ALWAYS_ON_TOP);
        EXPECT_EQ(appState.alwaysOnTop, expected);
        EXPECT_EQ(checked(menuState(CMD_ALWAYS_ON_TOP)), expected == 1);
        EXPECT_EQ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, expected == 1);
        EXPECT_FALSE(repaintRequested());
        RECT after;
        GetWindowRect(window, &after);
        EXPECT_TRUE(EqualRect(&before, &after));
    }
}

TEST_F(Commands, FitSizeGrowsTheClientAreaToWholeCells)
{
    send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
    ASSERT_EQ(appState.zoom, 7);
    setClientSize(150, 120);
    RECT outer;
    GetWindowRect(window, &outer);
    command(CMD_FIT_SIZE);
    RECT client, fitted;
    GetClientRect(window, &client);
    GetWindowRect(window, &fitted);
    EXPECT_EQ(client.right, 154);
    EXPECT_EQ(client.bottom, 126);
    EXPECT_EQ(fitted.left, outer.left);
    EXPECT_EQ(fitted.top, outer.top);
}

TEST_F(Commands, CancelledColourDialogKeepsTheColour)
{
    appState.currentColor = 0x00563412;
    whenDialogOpens([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    command(CMD_CREATE_COLOR);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412});
}

TEST_F(Commands, ConfirmedColourDialogReplacesTheColourUntilThePickPointMoves)
{
    appState.currentColor = 0x00563412;
    whenDialogOpens([](HWND dialog) {
        // The colour dialog's red, green and blue fields.
        SetDlgItemInt(dialog, 706, 0x38, FALSE);
        SetDlgItemInt(dialog, 707, 0x68, FALSE);
        SetDlgItemInt(dialog, 708, 0xC8, FALSE);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    validate();
    command(CMD_CREATE_COLOR);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00C86838});
    EXPECT_TRUE(repaintRequested());
    paint();
    EXPECT_STREQ(appState.valueText.chars, "#3868C8");
    send(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_NE(HexColor{appState.currentColor}, HexColor{0x00C86838}) << "a step resamples";
}

TEST_F(Commands, CustomColoursDefinedInTheDialogStayForTheProcess)
{
    appState.currentColor = 0x00563412;
    whenDialogOpens([](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, 712, 0);  // "add to custom colours" takes the current colour
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    command(CMD_CREATE_COLOR);
    EXPECT_EQ(HexColor{appState.customColors[0]}, HexColor{0x00563412});
    EXPECT_EQ(HexColor{appState.customColors[1]}, HexColor{0xFFFFFFFF});
}

TEST(AboutBox, EndsWithTheCommandThatClosedItAndHasNoCloseBox)
{
    for (WORD ending : {IDOK, IDCANCEL}) {
        LONG style = 0;
        whenDialogOpens([&](HWND dialog) {
            style = GetWindowLongA(dialog, GWL_STYLE);
            PostMessageA(dialog, WM_COMMAND, ending, 0);
        });
        const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(DLG_ABOUT), nullptr,
                                               aboutDialogProc, 0);
        EXPECT_EQ(result, ending);
        EXPECT_EQ(style & WS_SYSMENU, 0);
    }
}

}  // namespace
