// The DPI of a window's display, asked of the window where the system can say, else of its device
// context, which gives the one DPI that every display had before Windows 8.1.
#include "win32/window_dpi.h"

#include "win32/gdi_guards.h"
#include "win32/system_function.h"

namespace {

// GetDpiForWindow where the system has it (Windows 10 from 1607 on), looked up once at start-up.
const auto getDpiForWindow = systemFunction<UINT WINAPI(HWND)>("user32.dll", "GetDpiForWindow");

}  // namespace

std::int32_t windowDpi(HWND window)
{
    if (getDpiForWindow != nullptr) {
        return static_cast<std::int32_t>(getDpiForWindow(window));
    }
    const ScopedDC surface(window, GetDC(window));
    return GetDeviceCaps(surface, LOGPIXELSX);
}
