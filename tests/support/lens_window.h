// A fixture with the real main window in the test process, so that tests send it messages and see
// AppState, its menu and its update region as a user would.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>

#include "app/app_state.h"
#include "app/main_window.h"
#include "resource_ids.h"

class LensWindow : public testing::Test {
protected:
    HWND window = nullptr;

    void SetUp() override
    {
        MSG quit;  // the window an earlier test destroyed posted WM_QUIT, which would end any dialog at once
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        appState = AppState{};
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        LoadStringA(instance, STR_WINDOW_TITLE, appState.windowTitle, WINDOW_TEXT_SIZE);
        LoadStringA(instance, STR_WINDOW_CLASS, appState.windowClassName, WINDOW_TEXT_SIZE);
        registerMainWindowClass(instance);  // once per process; later calls fail harmlessly
        window = createMainWindow(instance);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }

    void TearDown() override { DestroyWindow(window); }

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(window, message, wParam, lParam);
    }
    LRESULT command(UINT id) { return send(WM_COMMAND, id); }
    void validate() { ValidateRect(window, nullptr); }  // so that the next handler's invalidation shows
    bool repaintRequested() { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }
};

inline std::ostream& operator<<(std::ostream& out, Point p) { return out << '(' << p.x << ", " << p.y << ')'; }

// A mouse message's position words for a point in client coordinates, negative ones included.
inline LPARAM at(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
