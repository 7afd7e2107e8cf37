// Start-up of the picker under Wine: from process creation to its first painted lens frame, beside a
// minimal Win32 program's first paint, the two alternating in one run; and the picker's size on disk.
// Usage: startup_bench_win.exe [PICKER], PICKER being ormelin.exe beside this program by default.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "seconds_now_win.h"

namespace {

// Milliseconds from creating the process to the moment the top-left pixel of its window's client area
// (of the class given) turns black: the lens's border, or the minimal window's paint. A white backdrop
// lies under both, so that no pixel is black before the paint.
double millisecondsToFirstPaint(const std::string& program, const char* className)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    const double start = secondsNow();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    const HDC screen = GetDC(nullptr);
    double elapsed = -1;
    while (elapsed < 0 && secondsNow() - start < 20) {
        const HWND window = FindWindowA(className, nullptr);
        POINT origin = {0, 0};
        if (window != nullptr && IsWindowVisible(window) && ClientToScreen(window, &origin) &&
            GetPixel(screen, origin.x, origin.y) == 0) {
            elapsed = (secondsNow() - start) * 1e3;
        }
    }
    ReleaseDC(nullptr, screen);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    char path[MAX_PATH];
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    const std::string directory = self.substr(0, self.find_last_of("\\/") + 1);
    const std::string picker = argc > 1 ? argv[1] : directory + "ormelin.exe";
    const HWND backdrop = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 0, 0,
                                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                          nullptr, nullptr, nullptr);
    UpdateWindow(backdrop);
    std::vector<double> lens, minimal, ratios;
    for (int round = 0; round < 15; ++round) {
        lens.push_back(millisecondsToFirstPaint(picker, "ORMELIN"));
        minimal.push_back(millisecondsToFirstPaint(directory + "minimal_window_win.exe", "MinimalWindow"));
        ratios.push_back(lens.back() / minimal.back());
    }
    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExA(picker.c_str(), GetFileExInfoStandard, &file);
    std::printf("first paint over %u rounds: picker %.0f ms, minimal program %.0f ms (medians); ratio %.2f, "
                "from %.2f to %.2f\n",
                static_cast<unsigned>(ratios.size()), median(lens), median(minimal), median(ratios),
                *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));
    std::printf("%s: %lu bytes\n", picker.c_str(), file.nFileSizeLow);
    DestroyWindow(backdrop);
    return 0;
}
