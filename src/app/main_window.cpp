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

constexpr DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VSCROLL;
constexpr int MAIN_WINDOW_WIDTH = 174;
constexpr int MAIN_WINDOW_HEIGHT = 161;

LRESULT onCreate(HWND window, WPARAM wParam, LPARAM lParam)
{
    appState.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    appState.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::fill(std::begin(appState.customColors), std::end(appState.customColors), 0xFFFFFFFF);
    appState.desktopWindow = handleOf(GetDesktopWindow());
    appState.valueFont = installedPlatform().CreateFontIndirectA(VALUE_FONT);
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
    return CreateWindowExA(WS_EX_TOPMOST, appState.windowClassName, appState.windowTitle, MAIN_WINDOW_STYLE,
                           CW_USEDEFAULT, 0, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, nullptr, nullptr, instance,
                           nullptr);
}
