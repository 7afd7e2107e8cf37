// Scripts a modal dialog from inside its own message loop: a thread timer fires there, finds
// the dialog the thread has opened and hands it to the test's script once.
#include <windows.h>

#include <functional>
#include <utility>

#include "lens_window.h"

namespace {

std::function<void(HWND)> pendingScript;
UINT_PTR scriptTimer = 0;

BOOL CALLBACK findDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK runScript(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) {
        return;  // not open yet: try again at the next tick
    }
    KillTimer(nullptr, scriptTimer);
    UpdateWindow(dialog);
    std::exchange(pendingScript, nullptr)(dialog);
}

}  // namespace

void whenDialogOpens(std::function<void(HWND dialog)> script)
{
    pendingScript = std::move(script);
    scriptTimer = SetTimer(nullptr, 0, 20, runScript);
}
