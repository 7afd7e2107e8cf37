// Process entry: keeps DLLs to the system folder, loads the window's names, registers and creates the
// main window and runs the message loop with the accelerators in front of it; exits with the quit code.
#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "resource_ids.h"
#include "win32/system_function.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    loadDllsFromSystemFolderOnly();
    LoadStringA(instance, STR_WINDOW_TITLE, appState.windowTitle, WINDOW_TEXT_SIZE);
    LoadStringA(instance, STR_WINDOW_CLASS, appState.windowClassName, WINDOW_TEXT_SIZE);
    registerMainWindowClass(instance);

    const HWND window = createMainWindow(instance);
    if (window == nullptr) {
        return 0;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    const HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(RES_MAIN));
    MSG message{};
    // GetMessageA gives -1 on failure; looping on it would spin forever.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(message.hwnd, accelerators, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
