// Cost of one lens frame on real GDI, from the live screen into a visible window, beside the least
// any GDI magnifier pays for the same size (one StretchBlt from the screen and one BitBlt out). The two
// alternate in short rounds, so that a shared machine's drift weighs on both alike.
#include <windows.h>

#include "seconds_now_win.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/lens_frame.h"
#include "lens/lens_geometry.h"
#include "win32/gdi_guards.h"

namespace {

struct FrameSize {
    int width, height, zoom;
};

const FrameSize SIZES[] = {{150, 100, 5}, {1920, 1080, 1}, {1920, 1080, 5}, {1920, 1080, 31}, {3840, 2160, 1}};

// Mean microseconds per call of frame() over count calls.
template <typename Frame> double microsecondsPer(int count, Frame frame)
{
    const double start = secondsNow();
    for (int call = 0; call < count; ++call) {
        frame();
    }
    return (secondsNow() - start) * 1e6 / count;
}

struct Comparison {
    double frame, bare;   // medians over the rounds, microseconds per call
    double ratio;         // the median of each round's ratio of frame to bare copy
    double lower, upper;  // the quartiles of those ratios: half the rounds lie between them
};

// 41 rounds, each of about 20 ms of frames and as many bare copies, one straight after the other.
template <typename Frame, typename Bare> Comparison compare(Frame frame, Bare bare)
{
    const int calls = std::max(1, static_cast<int>(20000 / microsecondsPer(3, frame)));
    std::vector<double> frames, bares, ratios;
    for (int round = 0; round < 41; ++round) {
        frames.push_back(microsecondsPer(calls, frame));
        bares.push_back(microsecondsPer(calls, bare));
        ratios.push_back(frames.back() / bares.back());
    }
    const auto quantile = [](std::vector<double> values, double q) {
        const auto at = values.begin() + static_cast<std::ptrdiff_t>(q * (values.size() - 1));
        std::nth_element(values.begin(), at, values.end());
        return *at;
    };
    return {quantile(frames, 0.5), quantile(bares, 0.5), quantile(ratios, 0.5), quantile(ratios, 0.25),
            quantile(ratios, 0.75)};
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
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    LensState lens;
    lens.screen = {0, 0, width, height};
    lens.pickPoint = {width / 2, height / 2};
    const HFONT valueFont = createValueFont(lens.dpi);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LensFrameBench";
    RegisterClassExA(&windowClass);

    std::printf("screen %d x %d\n", width, height);
    std::printf("%-18s %12s %12s %7s  %s\n", "client, zoom", "frame (us)", "bare (us)", "ratio",
                "middle half of the rounds");
    for (const FrameSize& size : SIZES) {
        const HWND window = CreateWindowExA(0, "LensFrameBench", "", WS_POPUP | WS_VISIBLE, 0, 0, size.width,
                                           size.height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        const HDC target = GetDC(window);
        lens.zoom = size.zoom;
        const LensGeometry g = computeLensGeometry(size.width, size.height, size.zoom, lens.pickPoint, lens.screen);
        const Comparison c = compare([&] { composeLensFrame(window, target, ScopedScreenDC{}, lens, valueFont); },
                                     [&] { bareMagnifier(target, g); });
        char label[32];
        std::snprintf(label, sizeof label, "%dx%d z%d", size.width, size.height, size.zoom);
        std::printf("%-18s %12.1f %12.1f %7.2f  %.2f to %.2f\n", label, c.frame, c.bare, c.ratio, c.lower, c.upper);
        ReleaseDC(window, target);
        DestroyWindow(window);
    }
    DeleteObject(valueFont);
    return 0;
}
