// Main window procedure: one named handler per message, everything else to DefWindowProcA.
// Creation measures the screen and takes the first sample; destruction ends the message loop.
#include "app/main_window.h"

#include "lens/app_state.h"
#include "lens/navigation.h"
#include "resource_ids.h"

namespace {

constexpr DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VSCROLL;
constexpr int MAIN_WINDOW_WIDTH = 174;
constexpr int MAIN_WINDOW_HEIGHT = 161;

LRESULT onCreate(HWND window, WPARAM wParam, LPARAM lParam)
{
    appState.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    appState.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    appState.desktopWindow = GetDesktopWindow();
    appState.currentColor = samplePixel(appState.pickPoint);
    return DefWindowProcA(window, WM_CREATE, wParam, lParam);
}

LRESULT onDestroy()
{
    PostQuitMessage(0);
    return 0;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return onCreate(window, wParam, lParam);
    case WM_DESTROY: return onDestroy();
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool registerMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = appState.windowClassName;
    return RegisterClassExA(&windowClass) != 0;
}

HWND createMainWindow(HINSTANCE instance)
{
    appState.instance = instance;
    return CreateWindowExA(WS_EX_TOPMOST, appState.windowClassName, appState.windowTitle,
                           MAIN_WINDOW_STYLE, CW_USEDEFAULT, 0, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT,
                           nullptr, nullptr, instance, nullptr);
}
