// The main window's WM_COMMAND handling: notations, toggles, the colour dialog and chart, Copy,
// fitting the window to the zoom, the read-me and home page, the About box and Exit.
#include "app/commands.h"

#include <commdlg.h>
#include <shellapi.h>

#include "app/clipboard.h"
#include "app/main_window.h"
#include "app/module_directory.h"
#include "color/value_text.h"
#include "dialogs/about_dialog.h"
#include "dialogs/chart_dialog.h"
#include "lens/app_state.h"
#include "lens/navigation.h"
#include "lens/platform_win.h"
#include "resource_ids.h"

ShellExecuteCall shellExecute = ShellExecuteA;

namespace {

constexpr const char* README_FILE = "ormelin.html";
constexpr const char* HOME_PAGE_URL = "http://www.example.org/qen/";

// The five notation items behave as a radio group kept by hand.
void selectDisplayMode(HWND window, DisplayMode mode)
{
    const HMENU menu = GetMenu(window);
    CheckMenuItem(menu, static_cast<UINT>(appState.displayMode), MF_UNCHECKED);
    appState.displayMode = mode;
    CheckMenuItem(menu, static_cast<UINT>(mode), MF_CHECKED);
    invalidateLens(window);
}

// Flips a 0/1 setting and mirrors it in the check mark of its menu item.
void toggleSetting(HWND window, std::int32_t& setting, UINT item)
{
    setting = setting == 0 ? 1 : 0;
    CheckMenuItem(GetMenu(window), item, setting != 0 ? MF_CHECKED : MF_UNCHECKED);
}

void toggleInvert(HWND window)
{
    toggleSetting(window, appState.invert, CMD_INVERT);
    invalidateLens(window);
}

void toggleAlwaysOnTop(HWND window)
{
    toggleSetting(window, appState.alwaysOnTop, CMD_ALWAYS_ON_TOP);
    setAlwaysOnTop(window, appState.alwaysOnTop != 0);
}

void createColor(HWND window)
{
    appState.currentColor = chooseColor(window, appState.currentColor);
    invalidateLens(window);
}

void showColorChart(HWND window)
{
    DialogBoxParamA(toInstance(appState.instance), MAKEINTRESOURCEA(DLG_COLOR_CHART), window, chartDialogProc, 0);
    invalidateLens(window);
}

void showAbout(HWND window)
{
    DialogBoxParamA(toInstance(appState.instance), MAKEINTRESOURCEA(DLG_ABOUT), window, aboutDialogProc, 0);
}

// The copied text is the one the lens shows: a change still waiting for its paint (an arrow key
// or F3 just before Ctrl+C) is painted, and so formatted, first.
void copyValue(HWND window)
{
    UpdateWindow(window);
    copyTextToClipboard(window, appState.valueText.chars);
}

void openReadme()
{
    char directory[MAX_PATH];
    moduleDirectory(directory);
    shellExecute(nullptr, "OPEN", README_FILE, nullptr, directory, SW_SHOWNORMAL);
}

void openHomePage() { shellExecute(nullptr, "OPEN", HOME_PAGE_URL, nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    const WORD command = LOWORD(wParam);
    switch (command) {
    case MODE_SCREEN_COORDS:
    case MODE_COLORREF:
    case MODE_HTML:
    case MODE_RGB:
    case MODE_HSB: selectDisplayMode(window, command); break;
    case CMD_NEXT_MODE: selectDisplayMode(window, nextDisplayMode(appState.displayMode)); break;
    case CMD_INVERT: toggleInvert(window); break;
    case CMD_ALWAYS_ON_TOP: toggleAlwaysOnTop(window); break;
    case CMD_CREATE_COLOR: createColor(window); break;
    case CMD_COLOR_CHART: showColorChart(window); break;
    case CMD_COPY_VALUE: copyValue(window); break;
    case CMD_FIT_SIZE: fitWindowToZoom(handleOf(window)); break;
    case CMD_EXIT: DestroyWindow(window); break;
    case CMD_README: openReadme(); break;
    case CMD_HOME_PAGE: openHomePage(); break;
    case CMD_ABOUT: showAbout(window); break;
    default: return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
    return 0;
}

COLORREF chooseColor(HWND owner, COLORREF color)
{
    static_assert(sizeof appState.customColors[0] == sizeof(COLORREF));
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = color;
    dialog.lpCustColors = reinterpret_cast<COLORREF*>(appState.customColors);
    dialog.Flags = CC_RGBINIT;
    return ChooseColorA(&dialog) != FALSE ? dialog.rgbResult : color;
}

void setAlwaysOnTop(HWND window, bool onTop)
{
    // HWND_NOTOPMOST leaves the topmost band for the top of the ordinary windows in one documented
    // step; going to the bottom and back to the top only drops the topmost style on some systems.
    SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
