// The commands on the real window under Wine: notations, F3 and the toggles with their check marks, Copy
// through the real clipboard, always on top, fitting, the colour dialog, the shell and the About box.
#include "app/commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <thread>

#include "dialogs/about_dialog.h"
#include "hex_color.h"
#include "lens_window.h"

namespace {

using Commands = LensWindow;

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

// Presses a key through the real accelerator table, as the message loop would.
void pressAccelerator(HWND window, WPARAM key)
{
    static const HACCEL accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(RES_MAIN));
    MSG message = {window, WM_KEYDOWN, key, 1, 0, {0, 0}};
    ASSERT_NE(TranslateAcceleratorA(window, accelerators, &message), 0);
}

// Each change moves its check marks and repaints, and Copy right after it, before the paint, copies
// what the lens is about to show.
TEST_F(Commands, NotationsAndInvertCheckTheirItemsAndCopyCopiesWhatTheLensShows)
{
    appState.currentColor = 0x00563412;
    appState.pickPoint = {3, 4};
    struct Change {
        UINT command;
        DisplayMode mode;
        std::int32_t invert;
        const char* copied;
    };
    const Change changes[] = {
        {CMD_NEXT_MODE, MODE_RGB, 0, "R:18 G:52 B:86"},
        {CMD_NEXT_MODE, MODE_HSB, 0, "H:210 S:79 B:34"},
        {CMD_NEXT_MODE, MODE_SCREEN_COORDS, 0, "X:3 Y:4 [x5]"},
        {MODE_COLORREF, MODE_COLORREF, 0, "0x563412"},
        {MODE_COLORREF, MODE_COLORREF, 0, "0x563412"},  // the mode in force stays checked
        {CMD_INVERT, MODE_COLORREF, 1, "0xA9CBED"},
        {MODE_HTML, MODE_HTML, 1, "#EDCBA9"},
        {CMD_INVERT, MODE_HTML, 0, "#123456"},
    };
    for (const Change& change : changes) {
        validate();
        if (change.command == CMD_NEXT_MODE) {
            pressAccelerator(window, VK_F3);
        } else {
            EXPECT_EQ(command(change.command), 0);
        }
        EXPECT_EQ(appState.displayMode, change.mode);
        EXPECT_EQ(appState.invert, change.invert);
        for (UINT item = MODE_SCREEN_COORDS; item <= MODE_HSB; ++item) {
            EXPECT_EQ(checked(item), item == static_cast<UINT>(change.mode)) << "item " << item;
        }
        EXPECT_EQ(checked(CMD_INVERT), change.invert == 1);
        EXPECT_TRUE(repaintRequested());
        command(CMD_COPY_VALUE);
        EXPECT_EQ(clipboardText(), change.copied);
    }
    // An arrow key and Copy queued together, as from a held key or a script: the new point is copied.
    command(MODE_SCREEN_COORDS);
    PostMessageA(window, WM_KEYDOWN, VK_RIGHT, 1);
    PostMessageA(window, WM_COMMAND, CMD_COPY_VALUE, 0);
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
    EXPECT_EQ(clipboardText(), "X:4 Y:4 [x5]");
}

// Clipboard managers open the clipboard for a moment after every change: a Copy made meanwhile waits
// for them instead of leaving the old content to be pasted.
TEST_F(Commands, CopyWaitsWhileAnotherThreadHoldsTheClipboard)
{
    appState.currentColor = 0x00563412;
    invalidateLens(window);
    const HANDLE held = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::thread holder([held] {
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetEvent(held);
        Sleep(20);
        CloseClipboard();
    });
    WaitForSingleObject(held, INFINITE);
    command(CMD_COPY_VALUE);
    holder.join();
    CloseHandle(held);
    EXPECT_EQ(clipboardText(), "#123456");
}

TEST_F(Commands, AlwaysOnTopOffLeavesTheTopmostBandButStaysAboveTheWindowBelow)
{
    const HWND below = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                       nullptr, nullptr);
    RECT before, after;
    GetWindowRect(window, &before);
    for (const std::int32_t onTop : {0, 1}) {
        command(CMD_ALWAYS_ON_TOP);
        EXPECT_EQ(appState.alwaysOnTop, onTop);
        EXPECT_EQ(checked(CMD_ALWAYS_ON_TOP), onTop == 1);
        EXPECT_EQ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, onTop == 1);
        HWND next = window;
        while (next != nullptr && next != below) {
            next = GetWindow(next, GW_HWNDNEXT);
        }
        EXPECT_EQ(next, below) << "the window dropped below the one it covered";
        GetWindowRect(window, &after);
        EXPECT_TRUE(EqualRect(&before, &after));
    }
    DestroyWindow(below);
}

TEST_F(Commands, FitSizeGrowsTheClientAreaToWholeCells)
{
    send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7));
    placeClient(300, 200, 150, 120);
    command(CMD_FIT_SIZE);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ((Point{client.right, client.bottom}), (Point{154, 126}));
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ((Point{origin.x, origin.y}), (Point{300, 200})) << "the window keeps its corner";
}

TEST_F(Commands, ColourDialogReplacesTheColourAndKeepsItsCustomColours)
{
    appState.currentColor = 0x00563412;
    whenDialogOpens([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    command(CMD_CREATE_COLOR);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00563412}) << "cancelled";
    whenDialogOpens([](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, 712, 0);  // "add to custom colours" takes the colour it opened with
        SetDlgItemInt(dialog, 706, 0x38, FALSE);   // then red, green and blue
        SetDlgItemInt(dialog, 707, 0x68, FALSE);
        SetDlgItemInt(dialog, 708, 0xC8, FALSE);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    validate();
    command(CMD_CREATE_COLOR);
    EXPECT_EQ(HexColor{appState.currentColor}, HexColor{0x00C86838});
    EXPECT_EQ(HexColor{appState.customColors[0]}, HexColor{0x00563412});
    EXPECT_EQ(HexColor{appState.customColors[1]}, HexColor{0xFFFFFFFF});
    EXPECT_TRUE(repaintRequested());
}

// The last call the shell was asked for, as "VERB FILE PARAMETERS DIRECTORY SHOW", "-" for none.
std::string shellCall;

HINSTANCE WINAPI recordShellCall(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    shellCall = std::string(verb) + " " + file + " " + (parameters != nullptr ? parameters : "-") + " " +
                (directory != nullptr ? directory : "-") + " " + std::to_string(show);
    return reinterpret_cast<HINSTANCE>(42);  // above 32: success
}

TEST_F(Commands, ReadmeAndHomePageAreOpenedByTheShell)
{
    char path[MAX_PATH];
    const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    shellExecute = recordShellCall;
    pressAccelerator(window, VK_F1);
    EXPECT_EQ(shellCall, "OPEN ormelin.html - " + program.substr(0, program.find_last_of('\\') + 1) + " 1");
    command(CMD_HOME_PAGE);
    EXPECT_EQ(shellCall, "OPEN http://www.example.org/qen/ - - 1");  // 1: SW_SHOWNORMAL
    shellExecute = ShellExecuteA;
}

TEST_F(Commands, AboutBoxEndsWithTheCommandThatClosedItAndHasNoCloseBox)
{
    for (const WORD ending : {IDOK, IDCANCEL}) {
        LONG style = WS_SYSMENU;
        whenDialogOpens([&](HWND dialog) {
            style = GetWindowLongA(dialog, GWL_STYLE);
            PostMessageA(dialog, WM_COMMAND, ending, 0);
        });
        EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(DLG_ABOUT), nullptr, aboutDialogProc, 0), ending);
        EXPECT_EQ(style & WS_SYSMENU, 0);
    }
    bool opened = false;
    whenDialogOpens([&](HWND dialog) {
        opened = true;
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(command(CMD_ABOUT), 0);
    EXPECT_TRUE(opened) << "the command opens it";
}

}  // namespace
