// The main window's WM_COMMAND handling: notations, toggles, the colour dialog and chart, Copy,
// fitting the window to the zoom, the read-me and home page, the About box and Exit.
#include "app/commands.h"

#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

#include "app/app_state.h"
#include "app/clipboard.h"
#include "app/main_window.h"
#include "app/module_directory.h"
#include "dialogs/about_dialog.h"
#include "dialogs/chart_dialog.h"
#include "lens/zoom.h"
#include "resource_ids.h"
#include "win32/system_function.h"

// The notation items are numbered in the notations' own order.
static_assert(MODE_HSB - MODE_SCREEN_COORDS == static_cast<int>(DisplayMode::Hsb));

namespace {

constexpr const wchar_t* README_FILE = L"ormelin.html";
constexpr const wchar_t* HOME_PAGE_URL = L"http://www.example.org/qen/";

UINT menuItemOf(DisplayMode mode) { return MODE_SCREEN_COORDS + static_cast<UINT>(mode); }

// The five notation items behave as a radio group kept by hand.
void selectDisplayMode(HWND window, DisplayMode mode)
{
    const HMENU menu = GetMenu(window);
    CheckMenuItem(menu, menuItemOf(appState.lens.displayMode), MF_UNCHECKED);
    appState.lens.displayMode = mode;
    CheckMenuItem(menu, menuItemOf(mode), MF_CHECKED);
    invalidateLens(window);
}

// The colour the user composes in the system colour dialog, or color when it is cancelled or cannot be
// shown. The dialog keeps the custom colours the user defines for the rest of the process.
COLORREF chooseColor(HWND owner, COLORREF color)
{
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = color;
    dialog.lpCustColors = appState.customColors;
    dialog.Flags = CC_RGBINIT;
    const auto chooseColorA = systemFunction<decltype(ChooseColorA)>("comdlg32.dll", "ChooseColorA");
    return chooseColorA != nullptr && chooseColorA(&dialog) != FALSE ? dialog.rgbResult : color;
}

// Puts the window into the topmost band, or out of it to the top of the ordinary windows, in place.
void setAlwaysOnTop(HWND window, bool onTop)
{
    // HWND_NOTOPMOST leaves the topmost band for the top of the ordinary windows in one documented
    // step; going to the bottom and back to the top only drops the topmost style on some systems.
    SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Flips a 0/1 setting and mirrors it in the check mark of its menu item.
void toggleSetting(HWND window, std::int32_t& setting, UINT item)
{
    setting = setting == 0 ? 1 : 0;
    CheckMenuItem(GetMenu(window), item, setting != 0 ? MF_CHECKED : MF_UNCHECKED);
}

void toggleInvert(HWND window)
{
    toggleSetting(window, appState.lens.invert, CMD_INVERT);
    invalidateLens(window);
}

void toggleAlwaysOnTop(HWND window)
{
    toggleSetting(window, appState.alwaysOnTop, CMD_ALWAYS_ON_TOP);
    setAlwaysOnTop(window, appState.alwaysOnTop != 0);
}

void createColor(HWND window)
{
    appState.lens.currentColor = chooseColor(window, appState.lens.currentColor);
    invalidateLens(window);
}

// The dialogs are created through the wide API, which takes their templates' UTF-16 texts as they are:
// the ANSI API passes them through the system's code page, which outside Japan turns them to "?".
// The chart keeps the last colour hovered in appState.chartColor, the picked colour once taken.
void showColorChart(HWND window)
{
    if (DialogBoxParamW(appState.instance, MAKEINTRESOURCEW(DLG_COLOR_CHART), window, chartDialogProc,
                        reinterpret_cast<LPARAM>(&appState.chartColor)) == IDOK) {
        appState.lens.currentColor = appState.chartColor;
    }
    invalidateLens(window);
}

void showAbout(HWND window)
{
    DialogBoxParamW(appState.instance, MAKEINTRESOURCEW(DLG_ABOUT), window, aboutDialogProc, 0);
}

// The copied text is the one the lens shows for the current state, a change still waiting for its
// paint (an arrow key or F3 just before Ctrl+C) included.
void copyValue(HWND window) { copyTextToClipboard(window, lensValueText(appState.lens).chars); }

// Grows the window so that its client area holds whole cells at the zoom, keeping its top-left corner.
void fitWindowToZoom(HWND window)
{
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    const Rect fitted = fittedWindowRect({client.left, client.top, client.right, client.bottom},
                                         {outer.left, outer.top, outer.right, outer.bottom}, appState.lens.zoom);
    MoveWindow(window, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top, TRUE);
}

// The handler of a file type may be a COM object, which needs COM on the calling thread: it is set up
// once, on the first use of the shell, apartment-threaded as the shell asks, without OLE1's DDE.
void initializeComOnce()
{
    static bool initialized = false;
    if (!initialized) {
        initialized = true;
        if (const auto coInitializeEx = systemFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx")) {
            coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        }
    }
}

// Opens a file or address as the shell would; nothing happens when the shell cannot be loaded.
void shellOpen(const wchar_t* file, const wchar_t* directory)
{
    initializeComOnce();
    if (const auto shellExecuteW = systemFunction<decltype(ShellExecuteW)>("shell32.dll", "ShellExecuteW")) {
        shellExecuteW(nullptr, L"OPEN", file, nullptr, directory, SW_SHOWNORMAL);
    }
}

// The read-me beside the program, opened in the program's folder, whatever the folder's name.
void openReadme()
{
    wchar_t directory[MAX_PATH];
    if (moduleDirectory(directory)) {
        shellOpen(README_FILE, directory);
    }
}

void openHomePage() { shellOpen(HOME_PAGE_URL, nullptr); }

}  // namespace

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    const WORD command = LOWORD(wParam);
    switch (command) {
    case MODE_SCREEN_COORDS:
    case MODE_COLORREF:
    case MODE_HTML:
    case MODE_RGB:
    case MODE_HSB: selectDisplayMode(window, static_cast<DisplayMode>(command - MODE_SCREEN_COORDS)); break;
    case CMD_NEXT_MODE: selectDisplayMode(window, nextDisplayMode(appState.lens.displayMode)); break;
    case CMD_INVERT: toggleInvert(window); break;
    case CMD_ALWAYS_ON_TOP: toggleAlwaysOnTop(window); break;
    case CMD_CREATE_COLOR: createColor(window); break;
    case CMD_COLOR_CHART: showColorChart(window); break;
    case CMD_COPY_VALUE: copyValue(window); break;
    case CMD_FIT_SIZE: fitWindowToZoom(window); break;
    case CMD_EXIT: DestroyWindow(window); break;
    case CMD_README: openReadme(); break;
    case CMD_HOME_PAGE: openHomePage(); break;
    case CMD_ABOUT: showAbout(window); break;
    default: return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
    return 0;
}
