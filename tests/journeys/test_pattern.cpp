// A full-screen window whose every pixel encodes its own coordinates (pattern_color.h), for the
// end-to-end journeys and the pick latency benchmark.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "pattern_color.h"

namespace {

std::vector<std::uint32_t> pattern;  // 0x00RRGGBB rows, top-down
int patternWidth = 0;
int patternHeight = 0;

void paintPattern(HWND window)
{
    PAINTSTRUCT paint;
    const HDC surface = BeginPaint(window, &paint);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = patternWidth;
    info.bmiHeader.biHeight = -patternHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(surface, 0, 0, patternWidth, patternHeight, 0, 0, 0, patternHeight, pattern.data(), &info,
                      DIB_RGB_COLORS);
    EndPaint(window, &paint);
}

LRESULT CALLBACK patternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: paintPattern(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    patternWidth = GetSystemMetrics(SM_CXSCREEN);
    patternHeight = GetSystemMetrics(SM_CYSCREEN);
    pattern.resize(static_cast<std::size_t>(patternWidth) * patternHeight);
    for (int y = 0; y < patternHeight; ++y) {
        for (int x = 0; x < patternWidth; ++x) {
            const PatternColor color = patternColorAt(x, y);
            pattern[static_cast<std::size_t>(y) * patternWidth + x] =
                static_cast<std::uint32_t>(color.red) << 16 | static_cast<std::uint32_t>(color.green) << 8 | color.blue;
        }
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = patternProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "TestPattern";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "TestPattern", "Test pattern", WS_POPUP | WS_VISIBLE, 0, 0, patternWidth, patternHeight,
                    nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
