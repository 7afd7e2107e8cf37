// The commands on the real window under Wine: the notations' check marks, the dialogs' buttons, and the
// DLLs that commands load on first use, which come from the system folder alone.
#include <gtest/gtest.h>

#include <colordlg.h>

#include "app/system_function.h"
#include "lens_window.h"

using Commands = LensWindow;

// The notation chosen from the menu is the one checked, also when it is chosen again, and is shown.
TEST_F(Commands, TheNotationChosenIsTheOneCheckedAndShown)
{
    for (const UINT chosen : {MODE_HSB, MODE_COLORREF, MODE_COLORREF}) {
        validate();
        command(chosen);
        for (UINT mode = MODE_SCREEN_COORDS; mode <= MODE_HSB; ++mode) {
            EXPECT_EQ(GetMenuState(GetMenu(window), mode, MF_BYCOMMAND) & MF_CHECKED, mode == chosen ? MF_CHECKED : 0u)
                << "item " << mode << " after " << chosen;
        }
        EXPECT_TRUE(repaintRequested());
    }
}

// As each dialog appears, the hook composes 0x00BC9A78 in the colour dialog's red, green and blue
// boxes, and presses the button.
int pressed;
LRESULT CALLBACK pressAsShown(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND dialog = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetWindow(dialog, GW_OWNER) != nullptr) {
        for (int box = COLOR_RED; box <= COLOR_BLUE; ++box) {
            SetDlgItemInt(dialog, box, 0x78 + 0x22 * (box - COLOR_RED), FALSE);
        }
        PostMessageA(dialog, WM_COMMAND, pressed, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Each dialog ends on Cancel, keeping the colour, and the colour dialog on OK too, taking the colour
// composed; a dialog that ignores its button hangs the test. (The journeys press the others' OK.)
TEST_F(Commands, EachDialogEndsOnCancelAndTheColourDialogOnOkWithItsColour)
{
    struct Case { UINT command; int button; COLORREF expected; };
    const Case cases[] = {
        {CMD_ABOUT, IDCANCEL, 0x00563412},
        {CMD_COLOR_CHART, IDCANCEL, 0x00563412},
        {CMD_CREATE_COLOR, IDCANCEL, 0x00563412},
        {CMD_CREATE_COLOR, IDOK, 0x00BC9A78},
    };
    const HHOOK hook = SetWindowsHookExA(WH_CBT, pressAsShown, nullptr, GetCurrentThreadId());
    for (const Case& c : cases) {
        appState.lens.currentColor = 0x00563412;
        appState.chartColor = 0x00BC9A78;  // hovered last, and left by Cancel
        pressed = c.button;
        command(c.command);
        EXPECT_EQ(appState.lens.currentColor, c.expected)
            << std::hex << "0x" << appState.lens.currentColor << " after " << c.command << ", button " << c.button;
    }
    UnhookWindowsHookEx(hook);
}

// planted.dll lies beside the test program, which stands in for the picker, as a browser may leave a DLL
// beside it in Downloads: a command must not load it in place of a system one, nor may a system DLL
// load it by name once start-up has kept the search to the system folder.
TEST(SystemDlls, ADllBesideTheProgramIsNotLoadedOnFirstUseNorAfterStartUp)
{
    EXPECT_EQ(systemFunction<void()>("planted.dll", "planted"), nullptr) << "a command loaded it";
    ASSERT_TRUE(FreeLibrary(LoadLibraryA("planted.dll"))) << "the DLL is missing: the test would prove nothing";
    loadDllsFromSystemFolderOnly();
    EXPECT_EQ(LoadLibraryA("planted.dll"), nullptr) << "a system DLL could load it by name";
}
