// End-to-end latency of a pick: from a mouse move injected with SendInput during a drag to the
// moment the lens on the screen shows the new colour in its swatch, over many moves. Run it on a
// desktop covered by the test pattern, with ormelin.exe running.
#include <windows.h>

#include "test_pattern.h"
#include "seconds_now_win.h"

#include <cstdio>
#include <cstdlib>

namespace {

void injectMouse(DWORD flags, int x, int y)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
    input.mi.dy = y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

// Mean and worst milliseconds from an injected move to the new swatch colour on the screen.
void measure(HWND lens, int clientWidth, int clientHeight, int moves)
{
    RECT client, outer;
    GetClientRect(lens, &client);
    GetWindowRect(lens, &outer);
    MoveWindow(lens, 0, 0, outer.right - outer.left - client.right + clientWidth,
               outer.bottom - outer.top - client.bottom + clientHeight, TRUE);
    Sleep(300);
    POINT origin = {0, 0};
    ClientToScreen(lens, &origin);
    const POINT swatch = {origin.x + 13, origin.y + 11};  // inside the swatch's 14 x 14 fill
    const HDC screen = GetDC(nullptr);

    const int startX = origin.x + 20;
    const int startY = origin.y + 60;
    injectMouse(0, startX, startY);
    injectMouse(MOUSEEVENTF_LEFTDOWN, startX, startY);
    double total = 0;
    double worst = 0;
    int seen = 0;
    for (int move = 0; move < moves; ++move) {
        // Points away from the lens, each with a colour unlike the last.
        const int x = 1200 + (move * 7) % 600;
        const int y = 1300 + (move * 13) % 600;
        const COLORREF expected = patternColorAt(x, y);
        const double start = secondsNow();
        injectMouse(0, x, y);
        while (GetPixel(screen, swatch.x, swatch.y) != expected && secondsNow() - start < 2.0) {
        }
        const double elapsed = secondsNow() - start;
        if (elapsed < 2.0) {
            ++seen;
            total += elapsed;
            worst = elapsed > worst ? elapsed : worst;
        }
    }
    injectMouse(MOUSEEVENTF_LEFTUP, startX, startY);
    ReleaseDC(nullptr, screen);
    std::printf("pick latency, client %dx%d: mean %.2f ms, worst %.2f ms over %d of %d moves\n", clientWidth,
                clientHeight, seen != 0 ? total * 1e3 / seen : 0.0, worst * 1e3, seen, moves);
}

}  // namespace

int main(int argc, char** argv)
{
    const int moves = argc > 1 ? std::atoi(argv[1]) : 200;
    HWND lens = nullptr;
    for (int tries = 0; tries < 100 && lens == nullptr; ++tries) {
        lens = FindWindowA("ORMELIN", nullptr);
        Sleep(100);
    }
    if (lens == nullptr) {
        std::printf("no lens window\n");
        return 1;
    }
    measure(lens, 150, 100, moves);
    measure(lens, 1920, 1080, moves);
    return 0;
}
