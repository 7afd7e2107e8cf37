// Main window procedure: one named handler per message, everything else to DefWindowProcA.
// Handlers change AppState through the lens rules and invalidate; only the paint handler draws.
#include "app/main_window.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/lens_frame.h"
#include "lens/dpi.h"
#include "lens/pick_point.h"
#include "lens/zoom.h"
#include "resource_ids.h"
#include "win32/gdi_guards.h"
#include "win32/window_dpi.h"

static_assert(static_cast<UINT>(ArrowKey::Left) == VK_LEFT && static_cast<UINT>(ArrowKey::Down) == VK_DOWN);
static_assert(static_cast<int>(ScrollRequest::LineUp) == SB_LINEUP &&
              static_cast<int>(ScrollRequest::ThumbTrack) == SB_THUMBTRACK);

namespace {

constexpr DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VSCROLL;
constexpr int MAIN_WINDOW_WIDTH_AT_96_DPI = 174;
constexpr int MAIN_WINDOW_HEIGHT_AT_96_DPI = 161;

// The lens's part of AppState, which every handler here works on.
LensState& lens = appState.lens;

// The virtual screen: the rectangle that holds every display, from the leftmost and topmost on. It is
// read at creation and on WM_DISPLAYCHANGE, and again as an arrow key or a drag begins to use it,
// since not every system announces a display moved or resized while the picker runs (Wine does not).
void readVirtualScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    lens.screen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The screen pixel at a point, read through the desktop window's device context. A point on no display
// gives 0xFFFFFFFF, which is shown like any colour.
COLORREF samplePixel(Point at)
{
    const ScopedScreenDC screen;
    return GetPixel(screen, at.x, at.y);
}

// The colour is sampled where the pick point moves, and only there: painting never resamples.
void movePickPoint(HWND window, Point to)
{
    lens.pickPoint = to;
    lens.currentColor = samplePixel(to);
    invalidateLens(window);
}

// The frame's layout and the value font follow the window's DPI (at creation there is no font yet to free).
void useDpi(std::int32_t dpi)
{
    lens.dpi = dpi;
    DeleteObject(appState.valueFont);
    appState.valueFont = createValueFont(dpi);
}

// The scroll bar's range and thumb are set by the WM_SIZE that creation sends next.
LRESULT onCreate(HWND window, WPARAM wParam, LPARAM lParam)
{
    readVirtualScreen();
    std::fill(std::begin(appState.customColors), std::end(appState.customColors), 0xFFFFFFFF);
    useDpi(windowDpi(window));
    lens.currentColor = samplePixel(lens.pickPoint);
    return DefWindowProcA(window, WM_CREATE, wParam, lParam);
}

LRESULT onDestroy()
{
    DeleteObject(appState.valueFont);
    appState.valueFont = nullptr;
    PostQuitMessage(0);
    return 0;
}

// A new client size sets the zoom ceiling and the scroll range; the zoom waits for the next scroll.
LRESULT onSize(HWND window, LPARAM lParam)
{
    lens.zoomMax = zoomCeilingFor(LOWORD(lParam), HIWORD(lParam));
    SetScrollRange(window, SB_VERT, 1, lens.zoomMax, FALSE);
    SetScrollPos(window, SB_VERT, lens.zoom, TRUE);
    return 0;
}

// A display added, removed, moved or resized: the pick point's bounds and the lens's copy follow.
LRESULT onDisplayChange(HWND window)
{
    readVirtualScreen();
    invalidateLens(window);
    return 0;
}

// Moved to a display of another DPI: the layout and the value font follow it, and the window takes the
// place and size the system suggests, when it suggests one (a message sent without one stays put).
LRESULT onDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    useDpi(LOWORD(wParam));
    if (const auto* suggested = reinterpret_cast<const RECT*>(lParam)) {
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    invalidateLens(window);
    return 0;
}

LRESULT onPaint(HWND window)
{
    PAINTSTRUCT paint;
    const HDC surface = BeginPaint(window, &paint);
    composeLensFrame(window, surface, ScopedScreenDC{}, lens, appState.valueFont);
    EndPaint(window, &paint);
    return 0;
}

LRESULT onKeyDown(HWND window, WPARAM key)
{
    if (key >= VK_LEFT && key <= VK_DOWN) {
        readVirtualScreen();
        movePickPoint(window, stepPickPoint(lens.pickPoint, static_cast<ArrowKey>(key), lens.screen));
    }
    return 0;
}

// A size change may have left the zoom above the ceiling, with the thumb already clamped: the clamp that
// follows then changes the zoom at the thumb's position, and the lens must still be repainted.
LRESULT onVScroll(HWND window, WPARAM wParam)
{
    const std::int32_t painted = lens.zoom;
    lens.zoom = zoomForScroll(lens.zoom, lens.zoomMax, LOWORD(wParam), HIWORD(wParam));
    if (lens.zoom != GetScrollPos(window, SB_VERT)) {
        SetScrollPos(window, SB_VERT, lens.zoom, TRUE);
    }
    if (lens.zoom != painted) {
        invalidateLens(window);
    }
    return 0;
}

// While the window holds the capture the pick point follows the cursor over the whole screen, left of
// and above the client area too, where the cursor's coordinates are negative.
LRESULT onMouseMove(HWND window, LPARAM lParam)
{
    if (GetCapture() != window) {
        return 0;
    }
    POINT cursor = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &cursor);
    movePickPoint(window, {cursor.x, cursor.y});
    return 0;
}

LRESULT onLButtonDown(HWND window, LPARAM lParam)
{
    RECT client;
    GetClientRect(window, &client);
    const POINT click = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
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
    case WM_SIZE: return onSize(window, lParam);
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
    appState.instance = instance;
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, appState.windowClassName, appState.windowTitle,
                                        MAIN_WINDOW_STYLE, CW_USEDEFAULT, 0, MAIN_WINDOW_WIDTH_AT_96_DPI,
                                        MAIN_WINDOW_HEIGHT_AT_96_DPI, nullptr, nullptr, instance, nullptr);
    // On a display of another DPI the first size scales, as the frame does; at 96 DPI it is already
    // right, and a second resize would only delay the first frame.
    if (window != nullptr && lens.dpi != DEFAULT_DPI) {
        SetWindowPos(window, nullptr, 0, 0, scaledToDpi(MAIN_WINDOW_WIDTH_AT_96_DPI, lens.dpi),
                     scaledToDpi(MAIN_WINDOW_HEIGHT_AT_96_DPI, lens.dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}
