// The picker as a user sees it, after every action: the program's WinMain runs on a thread of the test under
// Wine, over the test pattern. Its frame must show what its state says, and all it shows, step by step, goes to
// transcripts/Picker.txt, which CTest compares with the reviewed one in tests/app/transcripts.
#include <gtest/gtest.h>

#include <windows.h>
#include <colordlg.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "app/app_state.h"
#include "resource_ids.h"
#include "test_pattern.h"
#include "win32/system_function.h"

constexpr COLORREF UNKNOWN = 0x01000000, WHITE = 0x00FFFFFF;  // UNKNOWN: a pixel under a window of the test

template <typename... Values>
static std::string format(const char* pattern, Values... values)
{
    char text[512];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

static std::string describe(HWND window)  // its place, then its title and its controls' texts in their order
{
    RECT place;
    GetWindowRect(window, &place);
    std::string all = format("at %ld,%ld %ldx%ld:", place.left, place.top, place.right - place.left,
                             place.bottom - place.top);
    for (HWND w = window; w != nullptr; w = GetWindow(w, w == window ? GW_CHILD : GW_HWNDNEXT)) {
        wchar_t text[128] = {};
        char utf8[384] = {};
        GetWindowTextW(w, text, 128);
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
        all += std::string(" ") + utf8 + " |";
    }
    return all;
}

static std::string marks(HMENU menu)  // the commands of a menu and its submenus that are checked or greyed
{
    std::string all;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION), checked = state & MF_CHECKED;
        all += checked || (state & MF_GRAYED && !(state & MF_SEPARATOR))
                   ? format(" %u %s;", GetMenuItemID(menu, i), checked ? "checked" : "greyed") : "";
        all += GetSubMenu(menu, i) != nullptr ? marks(GetSubMenu(menu, i)) : "";
    }
    return all;
}

static const HANDLE markerTaken = CreateEventA(nullptr, FALSE, FALSE, nullptr);

// Sees the program's thread take a message from its queue: a marker, once every message posted before it.
static LRESULT CALLBACK onGetMessage(int code, WPARAM removed, LPARAM message)
{
    if (removed == PM_REMOVE && reinterpret_cast<const MSG*>(message)->message == WM_APP) {
        SetEvent(markerTaken);
    }
    return CallNextHookEx(nullptr, code, removed, message);
}

// The program under a test pattern, with a plain window beside it, driven step by step: each step and the
// observables it changed make a line of the transcript.
class Picker : public testing::Test {
protected:
    HWND pattern = showTestPattern(), lens = nullptr;
    HWND plain = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 700, 560, 200, 120, 0, 0, 0, nullptr);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::string transcript, seen;    // the steps and what they changed; what dialogs showed in the step
    std::vector<std::string> shown;  // the observables after the last step

    void SetUp() override
    {
        settle(100);  // the pattern on the screen before the picker samples its first colour there
        // planted.dll lies beside the test program as a browser may leave a DLL beside the picker in Downloads:
        // neither a command nor, once the program has started, a system DLL may load it by name.
        seen = format("planted.dll loads by name %d, through a command %d", FreeLibrary(LoadLibraryA("planted.dll")),
                      systemFunction<void()>("planted.dll", "planted") != nullptr);
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
        CloseHandle(CreateThread(nullptr, 0, [](void*) -> DWORD WINAPI {
            return WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNOACTIVATE);
        }, nullptr, 0, nullptr));
        while ((lens = FindWindowA(nullptr, "Qen Color Picker")) == nullptr) {
            Sleep(10);
        }
        SetWindowsHookExA(WH_GETMESSAGE, onGetMessage, nullptr, GetWindowThreadProcessId(lens, nullptr));
        seen += format(", by name after the start %d\n", LoadLibraryA("planted.dll") != nullptr);
        record("plain 0");
    }

    void settle(DWORD ms)  // lets the test's own windows repaint, for ms at least
    {
        for (const DWORD end = GetTickCount() + ms; GetTickCount() <= end; Sleep(10)) {
            for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
                DispatchMessageA(&message);
            }
        }
    }

    // Posts a message to the program's queue, where its accelerators see it first.
    void post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { PostMessageA(lens, message, wParam, lParam); }

    // The actions, "name parameter": each drives the program as a user would. Keys: the arrows, F3, a letter.
    const std::map<std::string, std::function<void(int)>> actions = {
        {"key", [this](int r) { post(WM_KEYDOWN, r % 6 == 5 ? 'A' : r % 6 == 4 ? VK_F3 : VK_LEFT + r % 6); }},
        {"press", [this](int r) {  // at a corner of the client area, or just outside it
             RECT client;
             GetClientRect(lens, &client);
             const POINT at[] = {{0, 0}, {client.right - 1, client.bottom - 1}, {client.right, 5}, {5, client.bottom}};
             post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at[r % 4].x, at[r % 4].y));
         }},
        {"move", [this](int r) {  // to a point at, beside or beyond an edge of the screen, or inside it
             const LONG xs[] = {-2, 0, 1, screenWidth - 2, screenWidth - 1, screenWidth + 1, r % 997};
             const LONG ys[] = {-2, 0, 1, screenHeight - 2, screenHeight - 1, screenHeight + 1, r % 761};
             POINT p = {xs[r % 7], ys[r / 7 % 7]};
             ScreenToClient(lens, &p);
             post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
         }},
        {"release", [this](int) { post(WM_LBUTTONUP); }},
        // Every scroll code, one that no scroll bar sends (9), and thumbs beyond the range.
        {"scroll", [this](int r) { post(WM_VSCROLL, MAKEWPARAM(r % 10, r / 10 % 40)); }},
        {"resize", [this](int r) {  // up to the screen's far edges; the last size leaves no client height
             const SIZE sizes[] = {{174, 161}, {401, 70}, {130, 340}, {120, 90}, {260, 220}, {140, 40}};
             const SIZE size = sizes[r % 6];
             const int x = screenWidth - size.cx - r % 7 * 100, y = screenHeight - size.cy - r % 5 * 100;
             MoveWindow(lens, x, y, size.cx, size.cy, TRUE);
         }},
        {"command", [this](int r) {  // a menu command done in place; Copy with the clipboard free
             const UINT commands[] = {CMD_FIT_SIZE, CMD_NEXT_MODE, CMD_INVERT, CMD_ALWAYS_ON_TOP, MODE_SCREEN_COORDS,
                                      MODE_COLORREF, MODE_HTML, MODE_RGB, MODE_HSB, CMD_COPY_VALUE};
             post(WM_COMMAND, commands[r % 10]);
         }},
        {"dpi", [this](int r) {  // moved to a display of another DPI, with or without the place the system suggests
             const int dpis[] = {96, 120, 144, 192}, dpi = dpis[r % 4];
             RECT suggested = {40, 30, 40 + (174 * dpi + 48) / 96, 30 + (161 * dpi + 48) / 96};
             const LPARAM place = r % 8 > 3 ? reinterpret_cast<LPARAM>(&suggested) : 0;
             SendMessageA(lens, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), place);
         }},
        {"plain", [this](int) { SetWindowPos(plain, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }},
        {"copy", [this](int r) {  // while another program holds the clipboard shorter (0) or longer (1) than Copy waits
             OpenClipboard(plain);
             post(WM_COMMAND, CMD_COPY_VALUE);
             Sleep(r % 2 == 0 ? 20 : 500);
             CloseClipboard();
         }},
        // A dialog as it opens: the chart (0), the colour dialog (1) or the About box (2). It is hovered over every
        // chart cell at alternate corners (below 15), else at four points spread by r, with the chart as it shows
        // after each hover; the colour dialog's red box takes a value; it ends with a click on the last point and
        // Escape (0), its Cancel button and Escape (1), Escape (2), Enter (3), or an OK command, the chart's button
        // being hidden (4).
        {"dialog", [this](int r) {
             post(WM_COMMAND, r % 3 == 0 ? CMD_COLOR_CHART : r % 3 == 1 ? CMD_CREATE_COLOR : CMD_ABOUT);
             HWND dialog = nullptr;
             for (; dialog == nullptr || !IsWindowVisible(dialog); Sleep(10)) {
                 dialog = FindWindowA("#32770", nullptr);
             }
             UpdateWindow(dialog);  // the chart takes the colour under the pointer from its own cells
             seen += describe(dialog) + "\n";
             POINT p = {};
             for (LONG i = 0; i < (r < 15 ? 216 : 4); ++i) {
                 p = r < 15 ? POINT{7 + i % 18 * 16 + i % 2 * 15, 7 + i / 18 * 16 + i % 2 * 15}
                            : POINT{(r + 53 * i) % 310, (r / 7 + 31 * i) % 230};
                 SendMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
                 seen += r % 3 == 0 ? format("(%ld, %ld) %s\n", p.x, p.y, describe(dialog).c_str()) : "";
             }
             SetDlgItemInt(dialog, COLOR_RED, r & 0xFF, FALSE);
             const int ending = r / 3 % 5;
             if (ending < 2) {
                 SendMessageA(ending == 0 ? dialog : GetDlgItem(dialog, IDCANCEL),
                              ending == 0 ? WM_LBUTTONDOWN : BM_CLICK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
             }
             const WPARAM keys[] = {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE, VK_RETURN, IDOK};
             PostMessageA(dialog, ending == 4 ? WM_COMMAND : WM_KEYDOWN, keys[ending], 0);
         }},
    };

    // The frame that the lens's state asks for, drawn over a copy of the one shown so that the texts' smoothing
    // blends alike: the screen around the pick point, enlarged and centred until a screen edge stops it, the far
    // edge first; the inverting cross-hair through the picked cell's middle; the ringed swatch; the outlined
    // value text; the black border. Pixels under the test's windows are not compared.
    std::string frameDifferences(const LensState& state, int width, int height)
    {
        const HDC window = GetDC(lens), copy = CreateCompatibleDC(window);
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        DWORD* frame = nullptr;
        const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&frame), 0, 0);
        const HGDIOBJ oldBitmap = SelectObject(copy, bitmap);
        BitBlt(copy, 0, 0, width, height, window, 0, 0, SRCCOPY);
        ReleaseDC(lens, window);
        GdiFlush();
        const std::vector<DWORD> painted(frame, frame + width * height);
        const auto scaled = [&state](int at96) { return (at96 * state.dpi + 48) / 96; };
        const int zoom = state.zoom, side = scaled(16), d = scaled(1);
        const int cellsX = (width + zoom - 1) / zoom, cellsY = (height + zoom - 1) / zoom;
        const int left = std::clamp(state.pickPoint.x - cellsX / 2, 0, screenWidth - cellsX);
        const int top = std::clamp(state.pickPoint.y - cellsY / 2, 0, screenHeight - cellsY);
        const COLORREF inversion = state.invert ? WHITE : 0;
        RECT lensPlace, plainPlace;
        GetWindowRect(lens, &lensPlace);
        GetWindowRect(plain, &plainPlace);
        std::vector<bool> known(width * height);
        for (int i = 0; i < width * height; ++i) {
            const int x = i % width, y = i / width, swatchX = x - scaled(6), swatchY = y - scaled(4);
            const POINT there = {left + x / zoom, top + y / zoom};
            const bool covered = PtInRect(&lensPlace, there) || PtInRect(&plainPlace, there);
            COLORREF c = covered ? UNKNOWN : patternColorAt(there.x, there.y) ^ inversion;
            const bool crossX = x == (state.pickPoint.x - left) * zoom + zoom / 2;
            c ^= crossX != (y == (state.pickPoint.y - top) * zoom + zoom / 2) ? WHITE : 0;
            if (swatchX >= 0 && swatchY >= 0 && swatchX < side && swatchY < side) {
                const bool ring = swatchX == 0 || swatchY == 0 || swatchX == side - 1 || swatchY == side - 1;
                c = ring ? 0 : state.currentColor ^ inversion;
            }
            known[i] = (c & UNKNOWN) == 0 || x == 0 || y == 0 || x == width - 1 || y == height - 1;
            frame[i] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
        const HGDIOBJ oldFont = SelectObject(copy, CreateFontA(-scaled(13), 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET,
            OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_SWISS, "System"));
        const ValueText text = lensValueText(state);
        SetBkMode(copy, TRANSPARENT);
        for (const POINT o : {POINT{-d, -d}, POINT{-d, d}, POINT{d, -d}, POINT{d, d}, POINT{0, 0}}) {  // outline, text
            SetTextColor(copy, o.x == 0 ? 0 : WHITE);
            TextOutA(copy, scaled(24) + o.x, scaled(4) + o.y, text.chars, lstrlenA(text.chars));
        }
        DeleteObject(SelectObject(copy, oldFont));
        const RECT all = {0, 0, width, height};
        FrameRect(copy, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        GdiFlush();
        std::string differences;
        int count = 0;
        for (int i = 0; i < width * height; ++i) {
            if (known[i] && ((painted[i] ^ frame[i]) & WHITE) != 0 && ++count <= 3) {
                differences += format(" (%d, %d) #%06lX, not #%06lX;", i % width, i / width, painted[i] & WHITE,
                                      frame[i] & WHITE);
            }
        }
        DeleteObject(SelectObject(copy, oldBitmap));
        DeleteDC(copy);
        return count == 0 ? "as its state asks" : format("%d pixels differ:", count) + differences;
    }

    // Every observable of the main window once the program is idle and the test's windows have repainted: its
    // title, place and z-order; the lens's state and value text; the zoom's scroll bar; the menu's checked and
    // greyed items; the clipboard's text; and the frame as the program painted it (composed again where a window
    // moved, and so may have uncovered the test pattern only now).
    std::vector<std::string> observables()
    {
        post(WM_APP);  // the program has handled every message posted before it once it takes this one
        WaitForSingleObject(markerTaken, INFINITE);
        RECT client;
        GetClientRect(lens, &client);
        const std::string window = describe(lens);
        // A window moved, or a dialog closed: the test pattern may show what they uncovered only now.
        const bool moved = shown.empty() || window != shown[0] || !seen.empty();
        settle(moved ? 60 : 0);
        if (!seen.empty()) {  // a closed dialog may or may not have raised its owner: the plain window comes forward
            actions.at("plain")(0);
        }
        RedrawWindow(lens, nullptr, nullptr, moved ? RDW_INVALIDATE | RDW_UPDATENOW : RDW_UPDATENOW);
        int above = 0, low = 0, high = 0;
        for (HWND w = GetTopWindow(nullptr); w != plain; w = GetWindow(w, GW_HWNDNEXT)) {
            above += w == lens;
        }
        GetScrollRange(lens, SB_VERT, &low, &high);
        OpenClipboard(nullptr);
        const HANDLE text = GetClipboardData(CF_TEXT);
        const std::string clipboard = text != nullptr ? static_cast<const char*>(GlobalLock(text)) : "";
        GlobalUnlock(text);
        CloseClipboard();
        const LensState& state = appState.lens;
        return {window, std::string(GetWindowLongA(lens, GWL_EXSTYLE) & WS_EX_TOPMOST ? "topmost, " : "") +
                            (above ? "above" : "below") + " the plain window",
                format("pick %d,%d 0x%06lX '%s' at %d DPI", state.pickPoint.x, state.pickPoint.y,
                       static_cast<unsigned long>(state.currentColor), lensValueText(state).chars, state.dpi),
                format("zoom %d..%d, thumb at %d", low, high, GetScrollPos(lens, SB_VERT)),
                "menu" + marks(GetMenu(lens)),
                "clipboard '" + clipboard + "'",
                "frame " + frameDifferences(state, client.right, client.bottom)};
    }

    // Runs a step, "name parameter", and adds a line of it and the observables it changed, then what dialogs
    // showed in it.
    void record(const std::string& step)
    {
        const std::size_t space = step.find(' ');
        actions.at(step.substr(0, space))(std::atoi(step.c_str() + space + 1));
        const std::vector<std::string> now = observables();
        transcript += step + ":";
        for (std::size_t i = 0; i < now.size(); ++i) {
            transcript += shown.empty() || now[i] != shown[i] ? " | " + now[i] : "";
        }
        transcript += "\n" + seen;
        shown = now;
        seen.clear();
    }
};

// A fixed tour of each action at and beside its edges, then a random sequence over every action.
TEST_F(Picker, TourAndRandomSequence)
{
    std::istringstream tour(getenv("TOUR") ? getenv("TOUR") :
        "resize 3,press 2,move 40,press 3,release 0,press 0,move 0,move 8,key 0,key 1,key 2,key 3,key 0,move 32,"
        "key 2,key 3,key 0,key 1,move 24,key 2,key 2,move 40,key 2,key 0,move 16,move 5,move 35,move 48,move 4,key 1,"
        "release 0,move 12,scroll 0,scroll 1,scroll 2,scroll 3,scroll 4,scroll 394,scroll 175,scroll 6,scroll 7,"
        "scroll 9,scroll 305,resize 3,scroll 8,command 0,resize 1,command 0,resize 2,scroll 71,command 0,resize 4,"
        "resize 5,command 4,command 9,key 4,copy 0,key 4,copy 1,command 2,command 9,command 3,plain 0,command 3,"
        "plain 0,command 3,dpi 2,dpi 6,dpi 5,dpi 0,resize 0,command 5,command 6,command 7,command 8,dialog 0,key 5,"
        "dialog 1,dialog 2,dialog 3,dialog 4,dialog 5,dialog 6,dialog 7,dialog 8,dialog 9,dialog 10,dialog 11,"
        "dialog 12,dialog 13,dialog 14,resize 4,dialog 15,dialog 18,dialog 21,press 0,move 2008,command 8,release 0");
    for (std::string step; std::getline(tour, step, ',');) {
        record(step);
    }
    std::mt19937 random(11);
    for (int i = 0; i < 400; ++i) {
        auto action = actions.begin();
        std::advance(action, random() % actions.size());
        record(action->first + " " + std::to_string(random() % 100000));
    }
    std::ofstream("transcripts/Picker.txt", std::ios::binary) << transcript;
}
