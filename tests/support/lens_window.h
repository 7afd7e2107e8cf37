// A fixture that creates the real main window in the test process, so that tests can send it
// messages and look at AppState, its menu, scroll bar and update region as a user would see them.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "app/main_window.h"
#include "lens/app_state.h"
#include "lens/platform_win.h"
#include "resource_ids.h"

class LensWindow : public testing::Test {
protected:
    HWND window = nullptr;

    void SetUp() override
    {
        appState = AppState{};
        usePlatform(win32Platform());
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        LoadStringA(instance, STR_WINDOW_TITLE, appState.windowTitle, WINDOW_TEXT_SIZE);
        LoadStringA(instance, STR_WINDOW_CLASS, appState.windowClassName, WINDOW_TEXT_SIZE);
        registerMainWindowClass(instance);  // registered once per process; later calls fail harmlessly
        window = createMainWindow(instance);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }

    void TearDown() override
    {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
        MSG message;  // the quit message the window posts, and anything else left for it
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(window, message, wParam, lParam);
    }

    LRESULT command(UINT id) { return send(WM_COMMAND, id, 0); }

    // Marks the whole window as painted, so that the next handler's invalidation can be seen.
    void validate() { ValidateRect(window, nullptr); }
    bool repaintRequested() { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }
    void paint() { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

    UINT menuState(UINT item) { return GetMenuState(GetMenu(window), item, MF_BYCOMMAND); }

    // Makes the client area width x height, keeping the frame.
    void setClientSize(int width, int height)
    {
        RECT client, outer;
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        MoveWindow(window, outer.left, outer.top, outer.right - outer.left - client.right + width,
                   outer.bottom - outer.top - client.bottom + height, TRUE);
    }

    // Moves the window so that its client area starts at the given screen point.
    void placeClientAt(int x, int y)
    {
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        RECT outer;
        GetWindowRect(window, &outer);
        SetWindowPos(window, nullptr, outer.left + x - origin.x, outer.top + y - origin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

// A mouse message's position words for a point in client coordinates, negative ones included.
inline LPARAM at(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// Runs script on the first dialog that the current thread opens, from inside its modal loop.
void whenDialogOpens(std::function<void(HWND dialog)> script);
