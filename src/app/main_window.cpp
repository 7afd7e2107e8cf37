// Main window procedure: one named handler per message, everything else to DefWindowProcA.
// Handlers change AppState through the lens rules and invalidate; only the paint handler draws.
#include "app/main_window.h"

#include <algorithm>
#include <iterator>

#include "app/commands.h"
#include "lens/app_state.h"
#include "lens/lens_frame.h"
#include "lens/navigation.h"
#include "lens/platform_win.h"
#include "resource_ids.h"

namespace {

// GetDpiForWindow where the system has it (Windows 10 from 1607 on), looked up once at start-up.
const auto getDpiForWindow = reinterpret_cast<UINT(WINAPI*)(HWND)>(
    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));

constexpr DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VSCROLL;
constexpr int MAIN_WINDOW_WIDTH = 174;
constexpr int MAIN_WINDOW_HEIGHT = 161;

// The virtual screen: the rectangle that holds every display, from the leftmost and topmost on. It is
// read at creation and on WM_DISPLAYCHANGE, and again as an arrow key or a drag begins to use it,
// since not every system announces a display moved or resized while the picker runs (Wine does not).
void readVirtualScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    appState.screen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void createValueFont()
{
    appState.valueFont = installedPlatform().CreateFontIndirectA(valueFontFor(appState.dpi));
}

LRESULT onCreate(HWND window, WPARAM wParam, LPARAM lParam)
{
    readVirtualScreen();
    std::fill(std::begin(appState.customColors), std::end(appState.customColors), 0xFFFFFFFF);
    appState.desktopWindow = handleOf(GetDesktopWindow());
    appState.dpi = windowDpi(window);
    createValueFont();
    appState.currentColor = samplePixel(appState.pickPoint);
    SetScrollRange(window, SB_VERT, 1, appState.zoomMax, FALSE);
    SetScrollPos(window, SB_VERT, appState.zoom, FALSE);
    return DefWindowProcA(window, WM_CREATE, wParam, lParam);
}

LRESULT onDestroy()
{
    installedPlatform().DeleteObject(appState.valueFont);
    appState.valueFont = nullptr;
    PostQuitMessage(0);
    return 0;
}

// A new client size sets the zoom ceiling and the scroll range; the zoom waits for the next scroll.
LRESULT onSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    appState.zoomMax = zoomCeilingFor(client.right - client.left, client.bottom - client.top);
    SetScrollRange(window, SB_VERT, 1, appState.zoomMax, FALSE);
    SetScrollPos(window, SB_VERT, appState.zoom, TRUE);
    return 0;
}

// A display added, removed, moved or resized: the pick point's bounds and the lens's copy follow.
LRESULT onDisplayChange(HWND window)
{
    readVirtualScreen();
    invalidateLens(window);
    return 0;
}

// Moved to a display of another DPI: the layout and the value font follow it, and the window takes
// the place and size the system suggests.
LRESULT onDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    appState.dpi = LOWORD(wParam);
    installedPlatform().DeleteObject(appState.valueFont);
    createValueFont();
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    invalidateLens(window);
    return 0;
}

// Greys the Copy item while there is no value text to copy.
void updateCopyItem(HWND window)
{
    const UINT state = appState.valueText.chars[0] != '\0' ? MF_ENABLED : MF_GRAYED;
    EnableMenuItem(GetMenu(window), CMD_COPY_VALUE, MF_BYCOMMAND | state);
}

LRESULT onPaint(HWND window)
{
    PAINTSTRUCT paint;
    const HDC surface = BeginPaint(window, &paint);
    if (appState.desktopWindow != nullptr) {
        composeLensFrame(handleOf(window), handleOf(surface));
        updateCopyItem(window);
    }
    EndPaint(window, &paint);
    return 0;
}

LRESULT onKeyDown(HWND window, WPARAM key)
{
    if (key >= VK_LEFT && key <= VK_DOWN) {
        readVirtualScreen();
        stepPickPoint(static_cast<ArrowKey>(key));
        invalidateLens(window);
    }
    return 0;
}

LRESULT onVScroll(HWND window, WPARAM wParam)
{
    zoomForScroll(LOWORD(wParam), HIWORD(wParam));
    if (appState.zoom != GetScrollPos(window, SB_VERT)) {
        SetScrollPos(window, SB_VERT, appState.zoom, TRUE);
        invalidateLens(window);
    }
    return 0;
}

// While the window holds the capture the pick point follows the cursor over the whole screen.
LRESULT onMouseMove(HWND window, LPARAM lParam)
{
    if (GetCapture() != window) {
        return 0;
    }
    POINT clientOrigin = {0, 0};
    ClientToScreen(window, &clientOrigin);
    pickPointFromCursor(LOWORD(lParam), HIWORD(lParam), {clientOrigin.x, clientOrigin.y});
    invalidateLens(window);
    return 0;
}

LRESULT onLButtonDown(HWND window, LPARAM lParam)
{
    RECT client{};
    GetClientRect(window, &client);
    const POINT click = {LOWORD(lParam), HIWORD(lParam)};  // unsigned: left of or above never passes
    if (!PtInRect(&client, click)) {
        return 0;
    }
    readVirtualScreen();
    SetCapture(window);
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS)));
    return 0;
}

LRESULT onLButtonUp(HWND window)
{
    if (GetCapture() != window) {
        return 0;
    }
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    ReleaseCapture();
    return 0;
}

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return onCreate(window, wParam, lParam);
    case WM_DESTROY: return onDestroy();
    case WM_SIZE: return onSize(window);
    case WM_PAINT: return onPaint(window);
    case WM_KEYDOWN: return onKeyDown(window, wParam);
    case WM_COMMAND: return onCommand(window, wParam, lParam);
    case WM_VSCROLL: return onVScroll(window, wParam);
    case WM_MOUSEMOVE: return onMouseMove(window, lParam);
    case WM_LBUTTONDOWN: return onLButtonDown(window, lParam);
    case WM_LBUTTONUP: return onLButtonUp(window);
    case WM_DISPLAYCHANGE: return onDisplayChange(window);
    case WM_DPICHANGED: return onDpiChanged(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool registerMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ICO_MAIN));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(RES_MAIN);
    windowClass.lpszClassName = appState.windowClassName;
    return RegisterClassExA(&windowClass) != 0;
}

HWND createMainWindow(HINSTANCE instance)
{
    appState.instance = handleOf(instance);
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, appState.windowClassName, appState.windowTitle,
                                        MAIN_WINDOW_STYLE, CW_USEDEFAULT, 0, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT,
                                        nullptr, nullptr, instance, nullptr);
    // The first size is pixels at 96 DPI: on a display of another DPI it scales, as the frame does.
    if (window != nullptr) {
        SetWindowPos(window, nullptr, 0, 0, scaledToDpi(MAIN_WINDOW_WIDTH, appState.dpi),
                     scaledToDpi(MAIN_WINDOW_HEIGHT, appState.dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}

std::int32_t windowDpi(HWND window)
{
    if (getDpiForWindow != nullptr) {
        return static_cast<std::int32_t>(getDpiForWindow(window));
    }
    const HDC surface = GetDC(window);
    const int dpi = GetDeviceCaps(surface, LOGPIXELSX);
    ReleaseDC(window, surface);
    return dpi;
}
