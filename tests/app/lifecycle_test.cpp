// The program as a process under Wine: it opens its topmost lens window and, when the window is
// closed as the system menu closes it, ends with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resource_ids.h"

namespace {

constexpr DWORD WAIT_LIMIT_MS = 20000;

std::string programPath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of("\\/") + 1) + "ormelin.exe";
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchProgramWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::string(className) == "ORMELIN") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND waitForMainWindow(DWORD processId)
{
    WindowSearch search{processId, nullptr};
    for (DWORD waited = 0; waited < WAIT_LIMIT_MS && search.found == nullptr; waited += 50) {
        EnumWindows(matchProgramWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(50);
        }
    }
    return search.found;
}

class Program : public testing::Test {
protected:
    PROCESS_INFORMATION process{};

    void SetUp() override
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + programPath() + "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process))
            << "cannot start " << programPath();
    }

    // Sends the window a message that should end the program, and checks that it ends with 0.
    void expectExitCodeZeroAfter(UINT message, WPARAM wParam)
    {
        const HWND window = waitForMainWindow(process.dwProcessId);
        ASSERT_NE(window, nullptr) << "no ORMELIN window appeared";
        PostMessageA(window, message, wParam, 0);
        ASSERT_EQ(WaitForSingleObject(process.hProcess, WAIT_LIMIT_MS), WAIT_OBJECT_0) << "still running";
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u);
    }

    void TearDown() override
    {
        if (process.hProcess != nullptr) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process.hProcess, 1);
            }
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
};

TEST_F(Program, OpensTheTopmostLensWithItsMenu)
{
    const HWND window = waitForMainWindow(process.dwProcessId);
    ASSERT_NE(window, nullptr) << "no ORMELIN window appeared";

    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Qen Color Picker");
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & 0x00EC0000u, 0x00EC0000u);
    EXPECT_NE(GetMenu(window), nullptr);
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 174);
    EXPECT_EQ(outer.bottom - outer.top, 161);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, WAIT_LIMIT_MS), WAIT_OBJECT_0);
}

TEST_F(Program, EndsWithExitCodeZeroWhenClosedFromTheSystemMenu)
{
    expectExitCodeZeroAfter(WM_CLOSE, 0);
}

TEST_F(Program, EndsWithExitCodeZeroOnExit)
{
    expectExitCodeZeroAfter(WM_COMMAND, CMD_EXIT);
}

}  // namespace
