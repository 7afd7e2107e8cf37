// Cost of one lens frame on real GDI, from the live screen into a visible window, beside the least
// any GDI magnifier pays for the same size: one StretchBlt from the screen and one BitBlt out.
#include <windows.h>

#include "seconds_now_win.h"

#include <cstdio>

#include "lens/app_state.h"
#include "lens/lens_frame.h"
#include "lens/platform_win.h"

namespace {

struct FrameSize {
    int width, height, zoom;
};

const FrameSize SIZES[] = {{150, 100, 5}, {1920, 1080, 1}, {1920, 1080, 5}, {1920, 1080, 31}, {3840, 2160, 1}};

// Runs frame() for about a second and returns the mean microseconds per call.
template <typename Frame> double microsecondsPerFrame(Frame frame)
{
    frame();  // warm-up
    int frames = 0;
    const double start = secondsNow();
    double elapsed = 0;
    while (elapsed < 1.0 || frames < 10) {
        frame();
        ++frames;
        elapsed = secondsNow() - start;
    }
    return elapsed * 1e6 / frames;
}

void bareMagnifier(HDC target, const LensGeometry& g)
{
    const HDC screen = GetWindowDC(GetDesktopWindow());
    const HDC memory = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, g.frameWidth, g.frameHeight);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    StretchBlt(memory, 0, 0, g.frameWidth, g.frameHeight, screen, g.sourceX, g.sourceY, g.cellsX, g.cellsY, SRCCOPY);
    BitBlt(target, 0, 0, g.frameWidth, g.frameHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(GetDesktopWindow(), screen);
}

}  // namespace

int main()
{
    installPlatform(win32Platform());
    appState.desktopWindow = handleOf(GetDesktopWindow());
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    appState.screen = {0, 0, width, height};
    appState.valueFont = win32Platform().CreateFontIndirectA(VALUE_FONT);
    appState.pickPoint = {width / 2, height / 2};

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LensFrameBench";
    RegisterClassExA(&windowClass);

    std::printf("screen %d x %d\n", width, height);
    std::printf("%-18s %14s %14s %7s\n", "client, zoom", "frame (us)", "bare (us)", "ratio");
    for (const FrameSize& size : SIZES) {
        const HWND window = CreateWindowExA(0, "LensFrameBench", "", WS_POPUP | WS_VISIBLE, 0, 0, size.width,
                                           size.height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        const HDC target = GetDC(window);
        appState.zoom = size.zoom;
        const LensGeometry g = computeLensGeometry(size.width, size.height, size.zoom, appState.pickPoint,
                                                   appState.screen);
        const double frame = microsecondsPerFrame([&] { composeLensFrame(handleOf(window), handleOf(target)); });
        const double bare = microsecondsPerFrame([&] { bareMagnifier(target, g); });
        char label[32];
        std::snprintf(label, sizeof label, "%dx%d z%d", size.width, size.height, size.zoom);
        std::printf("%-18s %14.1f %14.1f %7.2f\n", label, frame, bare, frame / bare);
        ReleaseDC(window, target);
        DestroyWindow(window);
    }
    win32Platform().DeleteObject(appState.valueFont);
    return 0;
}
