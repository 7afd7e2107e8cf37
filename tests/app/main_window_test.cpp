// The picker as a user sees it, checked after every action: a model of how it is meant to behave predicts
// every observable, and the real window under Wine, over the test pattern, must show exactly that.
#include <gtest/gtest.h>

#include <windows.h>
#include <colordlg.h>
#include <winternl.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "app/app_state.h"
#include "app/lens_frame.h"
#include "app/main_window.h"
#include "app/system_function.h"
#include "resource_ids.h"
#include "test_pattern.h"

constexpr COLORREF UNKNOWN = 0x01000000, WHITE = 0x00FFFFFF;  // UNKNOWN: a pixel under a window of the test

template <typename... Values>
static std::string format(const char* pattern, Values... values)
{
    char text[512];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

// A copy of a device context's pixels as 0x00RRGGBB, in a bitmap that text can be drawn on.
struct Dib {
    HDC dc = CreateCompatibleDC(nullptr);
    DWORD* bits = nullptr;
    HBITMAP bitmap;
    HGDIOBJ old;
    Dib(HDC source, int width, int height)
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        old = SelectObject(dc, bitmap);
        BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
        GdiFlush();
    }
    ~Dib()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

static BOOL CALLBACK countWindow(HWND, LPARAM count)  // counts the windows EnumThreadWindows meets
{
    return ++*reinterpret_cast<int*>(count);
}

// The process's GDI objects, counted in the handle table the system shares with it (Wine's GetGuiResources
// gives 0), and its windows, the only USER objects the picker makes.
static std::string objectCounts()
{
    struct Entry { UINT64 object; ULONG owner; USHORT extType; UCHAR type, generation; UINT64 user; };
    const auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const Entry* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
    const auto gdi = std::count_if(table, table + 0x10000, [](const Entry& e) { return e.type != 0; });
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&windows));
    return format("%d GDI objects, %d windows", static_cast<int>(gdi), windows);
}

// SetClipboardData as the picker calls it, through its import: the test sees the memory handed over, and
// can have the clipboard refuse it.
#ifdef _WIN64
extern "C" decltype(&SetClipboardData) setClipboardDataImport asm("__imp_SetClipboardData");
#else
extern "C" decltype(&SetClipboardData) setClipboardDataImport asm("__imp__SetClipboardData@8");
#endif
static const auto systemSetClipboardData = setClipboardDataImport;
static HANDLE handedOver;
static bool refuseData, lockedAtHandOver;
static HANDLE WINAPI setClipboardData(UINT format, HANDLE data)
{
    handedOver = data;
    lockedAtHandOver = (GlobalFlags(data) & GMEM_LOCKCOUNT) != 0;
    return refuseData ? nullptr : systemSetClipboardData(format, data);
}

// Another program's hold on the clipboard: taken before a copy and given back after ms, or after the copy.
static void whileClipboardHeld(DWORD ms, const std::function<void()>& copy)
{
    static const HANDLE taken = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    static const HANDLE done = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ResetEvent(done);  // a brief hold leaves it set
    static DWORD held;
    held = ms;
    const HANDLE thread = CreateThread(nullptr, 0, [](void*) -> DWORD WINAPI {
        OpenClipboard(nullptr);
        SetEvent(taken);
        WaitForSingleObject(done, held);
        return CloseClipboard();
    }, nullptr, 0, nullptr);
    WaitForSingleObject(taken, INFINITE);
    copy();
    SetEvent(done);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}

static std::function<void(HWND)> dialogScript;  // what the user does in the next dialog, inside its modal loop

// The picker's window over the test pattern, a plain window beside it, and the model of what they show.
class Picker : public testing::Test {
protected:
    HWND pattern = showTestPattern(), plain = nullptr, lens = nullptr;
    const LONG screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::deque<std::string> steps;  // the latest, printed when a check fails
    std::string seen, objects;      // what dialogs and copies showed during a step; the counts the model expects

    struct Model {  // what the picker shows, as the model predicts it
        int zoom = 5, zoomMax = 31, thumb = 5, dpi = 96, notation = 2;  // the notations in F3 order: HTML
        bool invert = false, onTop = true, abovePlain = true, dragging = false;
        bool uncovered = true;       // a window moved or closed: the pattern repaints what it uncovered
        bool systemObjects = true;   // the system may make objects in the step, which it keeps for reuse
        POINT pick = {0, 0};
        COLORREF color = 0, chartColor = 0;
        DWORD failedCopy = 0;   // 1, or the error, when the step composed a frame from a screen it cannot copy
        RECT place = {};
        std::string repaint = "whole", clipboard, notes;
        int scaled(int at96) const { return (at96 * dpi + 48) / 96; }
    } model;

    void SetUp() override
    {
        MSG quit;  // the window an earlier test destroyed posted WM_QUIT, which would end any dialog at once
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        plain = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 700, 560, 200, 120, nullptr, nullptr, nullptr,
                                nullptr);
        settle(100);  // the pattern on the screen before the picker samples its first colour there
        appState = AppState{};
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        LoadStringA(instance, STR_WINDOW_TITLE, appState.windowTitle, WINDOW_TEXT_SIZE);
        LoadStringA(instance, STR_WINDOW_CLASS, appState.windowClassName, WINDOW_TEXT_SIZE);
        registerMainWindowClass(instance);  // once per process; later calls fail harmlessly
        ASSERT_NE(lens = createMainWindow(instance), nullptr);
        ShowWindow(lens, SW_SHOWNOACTIVATE);
        GetWindowRect(lens, &model.place);
        model.place = {model.place.left, 0, model.place.left + 174, 161};  // at 96 DPI; the system picks x
        setClipboardDataImport = setClipboardData;
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
        check();
    }

    void TearDown() override
    {
        setClipboardDataImport = systemSetClipboardData;
        for (HWND window : {lens, plain, pattern}) {
            DestroyWindow(window);
        }
    }

    void settle(int ms)  // lets the test's windows repaint, for ms at least
    {
        for (const DWORD end = GetTickCount() + ms; GetTickCount() <= end; Sleep(10)) {
            for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
                DispatchMessageA(&message);
            }
        }
    }

    void send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageA(lens, message, wParam, lParam); }

    COLORREF screenAt(POINT p)  // CLR_INVALID off the screen, else the pattern where no window of the test lies
    {
        RECT window, screen = {0, 0, screenWidth, screenHeight};
        for (HWND w : {lens, plain}) {
            if (GetWindowRect(w, &window) && PtInRect(&window, p)) {
                return UNKNOWN;
            }
        }
        return PtInRect(&screen, p) ? patternColorAt(p.x, p.y) : CLR_INVALID;
    }

    const char* picked(POINT p)
    {
        model.pick = p;
        model.color = screenAt(p);
        return "whole";
    }

    // A new client size: the ceiling follows its shorter side and the thumb stays at the zoom, as far as the
    // range allows; a change of width or height repaints the whole lens.
    const char* resized(const RECT& before)
    {
        RECT client;
        GetClientRect(lens, &client);
        model.zoomMax = std::max<LONG>(1, std::min<LONG>({client.right, client.bottom, 31}));
        model.thumb = std::min(model.zoom, model.zoomMax);
        model.uncovered = true;
        return client.right != before.right || client.bottom != before.bottom ? "whole" : "none";
    }

    // Opens a dialog from its command; script acts in it as the user once it shows, inside its modal loop.
    // The dialog disables the picker, which ends a drag; the picker is repainted when it closes.
    const char* openDialog(UINT command, std::function<void(HWND)> script)
    {
        dialogScript = std::move(script);
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) WINAPI {
            const HWND dialog = FindWindowExA(nullptr, nullptr, "#32770", nullptr);
            if (dialog != nullptr && IsWindowVisible(dialog)) {
                KillTimer(nullptr, timer);
                UpdateWindow(dialog);
                dialogScript(dialog);
            }
        });
        send(WM_COMMAND, command);
        KillTimer(nullptr, timer);
        model.dragging = false;
        model.uncovered = model.systemObjects = true;
        return "whole";
    }

    // The chart, hovered over points, shows the colour under the pointer in both its texts: 16-pixel cells from
    // (7, 7), 18 across and 12 down, blue picking the block of 6 x 6, green rising rightwards and red downwards.
    // It ends with a click on the last point (0), the same and Escape (1), Cancel (2), Escape (3), or an OK
    // command, its button being hidden (4).
    const char* chart(int r, const std::vector<POINT>& points)
    {
        return openDialog(CMD_COLOR_CHART, [&](HWND dialog) {
            const auto inChart = [](POINT p) { return p.x >= 7 && p.x < 7 + 18 * 16 && p.y >= 7 && p.y < 7 + 12 * 16; };
            const int levels[] = {0, 56, 104, 152, 200, 255};
            POINT corner = {0, 0}, chartCorner = {0, 0};  // its client area opens over the lens's
            ClientToScreen(lens, &corner);
            ClientToScreen(dialog, &chartCorner);
            const POINT offset = {chartCorner.x - corner.x, chartCorner.y - corner.y};
            seen += format("chart at the lens's corner %+ld,%+ld\n", offset.x, offset.y);
            model.notes += "chart at the lens's corner +0,+0\n";
            const std::string counts = objectCounts();
            for (const POINT p : points) {  // the texts as it opens, kept from the last opening, then after each hover
                char rgb[32], html[32];
                GetDlgItemTextA(dialog, CTL_CHART_RGB, rgb, sizeof rgb);
                GetDlgItemTextA(dialog, CTL_CHART_HTML, html, sizeof html);
                seen += format("%s %s\n", rgb, html);
                const unsigned red = GetRValue(model.chartColor), green = GetGValue(model.chartColor);
                const unsigned blue = GetBValue(model.chartColor);
                model.notes += format("R:%u, G:%u, B:%u #%02X%02X%02X\n", red, green, blue, red, green, blue);
                SendMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
                const int column = (p.x - 7) / 16, row = (p.y - 7) / 16, block = column / 6 + 3 * (row / 6);
                if (inChart(p)) {
                    model.chartColor = RGB(levels[row % 6], levels[column % 6], levels[block]);
                }
            }
            seen += objectCounts() == counts ? "hovering made no objects\n" : "hovering made objects\n";
            model.notes += "hovering made no objects\n";
            const POINT last = points.back();
            if (r % 5 <= 1) {
                SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(last.x, last.y));
            }
            if (r % 5 == 2) {
                SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
            }
            PostMessageA(dialog, r % 5 == 4 ? WM_COMMAND : WM_KEYDOWN, r % 5 == 4 ? IDOK : VK_ESCAPE, 0);
            model.color = (r % 5 <= 1 && inChart(last)) || r % 5 == 4 ? model.chartColor : model.color;
        });
    }

    // The actions, "name parameter": each drives the real window as a user would, tells the model what follows,
    // and says whether the whole lens must then be repainted ("whole") or nothing ("none").
    const std::map<std::string, std::function<const char*(int)>> actions = {
        {"arrow", [this](int r) {  // the arrow keys stop at the screen's edge on the side they move towards
             POINT p = model.pick;
             const int key = VK_LEFT + r % 4;
             send(WM_KEYDOWN, key);
             p.x = key == VK_LEFT ? std::max(p.x - 1, 0L) : key == VK_RIGHT ? std::min(p.x + 1, screenWidth - 1) : p.x;
             p.y = key == VK_UP ? std::max(p.y - 1, 0L) : key == VK_DOWN ? std::min(p.y + 1, screenHeight - 1) : p.y;
             return picked(p);
         }},
        {"press", [this](int r) {  // at a corner of the client area, or just outside it
             RECT client;
             GetClientRect(lens, &client);
             const POINT at[] = {{0, 0}, {client.right - 1, client.bottom - 1}, {client.right, 5}, {5, client.bottom}};
             send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at[r % 4].x, at[r % 4].y));
             model.dragging = model.dragging || PtInRect(&client, at[r % 4]);
             model.systemObjects = true;  // the system's cross cursor, loaded once
             return "none";
         }},
        {"move", [this](int r) {  // to a point at or next to an edge of the screen or of the window, or inside it
             RECT w;
             GetWindowRect(lens, &w);
             const LONG xs[] = {-2, 0, 1, screenWidth - 2, screenWidth - 1, screenWidth + 1, w.left - 1, w.right,
                                w.left + 20, r % 997};
             const LONG ys[] = {-2, 0, 1, screenHeight - 2, screenHeight - 1, screenHeight + 1, w.top - 1, w.bottom,
                                w.top + 40, r % 761};
             POINT p = {xs[r % 10], ys[r / 10 % 10]}, client = p;
             ScreenToClient(lens, &client);
             send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
             return model.dragging ? picked(p) : "none";
         }},
        {"release", [this](int) {
             send(WM_LBUTTONUP);
             model.dragging = false;
             return "none";
         }},
        {"scroll", [this](int r) {  // every code, one no scroll bar sends (9), and thumbs beyond the range
             const int code = r % 10, thumb = r / 10 % 40, zoom = model.zoom, thumbBefore = model.thumb;
             send(WM_VSCROLL, MAKEWPARAM(code, thumb));
             const bool down = code == SB_LINEDOWN || code == SB_PAGEDOWN, up = code == SB_LINEUP || code == SB_PAGEUP;
             const int wanted = code == SB_THUMBPOSITION || code == SB_THUMBTRACK ? thumb : zoom + down - up;
             model.zoom = model.thumb = std::max(1, std::min(wanted, model.zoomMax));
             return model.zoom != thumbBefore ? "whole" : "none";
         }},
        {"resize", [this](int r) {
             const SIZE sizes[] = {{174, 161}, {401, 70}, {130, 340}, {120, 90}, {260, 220}, {140, 40}};  // the last
             // leaves no client height, where the zoom stops at 1
             const SIZE size = sizes[r % 6];
             RECT before;
             GetClientRect(lens, &before);
             model.place = {30 + r % 7 * 10, 40 + r % 5 * 10, 30 + r % 7 * 10 + size.cx, 40 + r % 5 * 10 + size.cy};
             MoveWindow(lens, model.place.left, model.place.top, size.cx, size.cy, TRUE);
             return resized(before);
         }},
        {"fit", [this](int) {  // grows the window to whole cells from the same corner
             RECT client, outer;
             GetClientRect(lens, &client);
             GetWindowRect(lens, &outer);
             send(WM_COMMAND, CMD_FIT_SIZE);
             const int zoom = model.zoom, lackX = client.right % zoom, lackY = client.bottom % zoom;
             model.place = outer;
             model.place.right += lackX != 0 ? zoom - lackX : 0;
             model.place.bottom += lackY != 0 ? zoom - lackY : 0;
             return resized(client);
         }},
        {"dpi", [this](int r) {  // moved to a display of another DPI, with or without the place the system suggests
             const int dpis[] = {96, 120, 144, 192}, dpi = model.dpi = dpis[r % 4];
             const LONG x = model.place.left + 3, y = model.place.top + 5;
             RECT before, suggested = {x, y, x + model.scaled(174), y + model.scaled(161)};
             GetClientRect(lens, &before);
             send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), r / 4 % 2 != 0 ? reinterpret_cast<LPARAM>(&suggested) : 0);
             model.place = r / 4 % 2 != 0 ? suggested : model.place;
             resized(before);
             return "whole";
         }},
        {"display", [this](int) {  // a display added, removed or changed: the lens reads the screen again
             send(WM_DISPLAYCHANGE);
             return "whole";
         }},
        {"notation", [this](int r) {
             send(WM_COMMAND, MODE_SCREEN_COORDS + r % 5);
             model.notation = r % 5;
             return "whole";
         }},
        {"F3", [this](int) {
             send(WM_COMMAND, CMD_NEXT_MODE);
             model.notation = (model.notation + 1) % 5;
             return "whole";
         }},
        {"invert", [this](int) {
             send(WM_COMMAND, CMD_INVERT);
             model.invert = !model.invert;
             return "whole";
         }},
        // Always on top turned off leaves the picker at the top of the ordinary windows, until another comes forward.
        {"top", [this](int) {
             send(WM_COMMAND, CMD_ALWAYS_ON_TOP);
             model.onTop = !model.onTop;
             model.abovePlain = true;
             return "none";
         }},
        {"plain", [this](int) {
             SetWindowPos(plain, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
             model.abovePlain = model.onTop;
             return "none";
         }},
        // Copy to a free clipboard (0), to one another program holds shorter (1) or longer (2) than Copy waits,
        // and to one that refuses the data (3), which is left empty and the memory freed.
        {"copy", [this](int r) {
             const int how = r % 4;
             const auto copy = [this] { send(WM_COMMAND, CMD_COPY_VALUE); };
             handedOver = nullptr;
             refuseData = how == 3;
             how == 1 || how == 2 ? whileClipboardHeld(how == 1 ? 30 : INFINITE, copy) : copy();
             refuseData = false;
             const bool freed = handedOver != nullptr && GlobalFlags(handedOver) == GMEM_INVALID_HANDLE;
             seen += format("handed over %s, %slocked\n", !handedOver ? "nothing" : freed ? "and freed" : "and kept",
                            lockedAtHandOver ? "" : "un");
             model.notes += format("handed over %s, unlocked\n", how == 2 ? "nothing" : how == 3 ? "and freed"
                                                                                                 : "and kept");
             const POINT& p = model.pick;
             const ValueText text =
                 formatValueText(model.color, model.invert, p.x, p.y, model.zoom, DisplayMode(model.notation));
             model.clipboard = how == 2 ? model.clipboard : how == 3 ? "" : text.chars;
             return "none";
         }},
        {"chart", [this](int r) {  // below 5, over every cell at alternate corners; else at random points
             const LONG edges[] = {6, 7, 8, 22, 23, 294, 295, 198, 199, 150};
             std::mt19937 random(r);
             std::vector<POINT> points;
             for (LONG i = 0, corner = 0; i < (r < 5 ? 216 : 3); ++i, corner = 15 - corner) {
                 const POINT cell = {7 + i % 18 * 16 + corner, 7 + i / 18 * 16 + corner};
                 const POINT edge = {edges[random() % 10], edges[random() % 10]};
                 const POINT any = {LONG(random() % 300), LONG(random() % 205)};
                 points.push_back(r < 5 ? cell : random() % 2 ? edge : any);
             }
             return chart(r, points);
         }},
        // The colour dialog opens at the picked colour in its red, green and blue boxes; the user composes a colour
        // there and ends with OK (0), Cancel (1) or Escape (2).
        {"colour", [this](int r) {
             return openDialog(CMD_CREATE_COLOR, [this, r](HWND dialog) {
                 const COLORREF composed = r / 3 * 0x010305 & WHITE, c = model.color & WHITE;
                 for (int i = 0; i < 3; ++i) {
                     seen += format("%u ", GetDlgItemInt(dialog, COLOR_RED + i, nullptr, FALSE));
                     SetDlgItemInt(dialog, COLOR_RED + i, composed >> 8 * i & 0xFF, FALSE);
                 }
                 model.notes += format("%u %u %u ", GetRValue(c), GetGValue(c), GetBValue(c));
                 if (r % 3 == 2) {
                     PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
                 } else {
                     SendMessageA(GetDlgItem(dialog, r % 3 == 0 ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
                 }
                 model.color = r % 3 == 0 ? composed : model.color;
             });
         }},
        {"about", [this](int r) {  // ends on OK (0), Escape (1) or Enter (2)
             openDialog(CMD_ABOUT, [&](HWND dialog) {
                 for (HWND w = dialog; w != nullptr; w = GetWindow(w, w == dialog ? GW_CHILD : GW_HWNDNEXT)) {
                     wchar_t text[64] = {};
                     GetWindowTextW(w, text, 64);
                     char utf8[192] = {};
                     WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
                     seen += std::string(utf8) + "|";
                 }
                 seen += "\n";
                 model.notes += "バージョン情報|Qen Color Picker|(C) 2026 Qen|OK|v.1.0.1.2|\n";
                 if (r % 3 == 0) {
                     SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                 } else {
                     PostMessageA(dialog, WM_KEYDOWN, r % 3 == 1 ? VK_ESCAPE : VK_RETURN, 0);
                 }
             });
             return "";  // where the box lay, as the system decides
         }},
        // A frame composed from a screen that cannot be copied: a metafile gives the system's reason, a deleted
        // context none, whatever error an earlier call left.
        {"failed", [this](int r) {
             const HDC metafile = CreateMetaFileA(nullptr), deleted = CreateCompatibleDC(nullptr), paint = GetDC(lens);
             DeleteDC(deleted);
             SetLastError(ERROR_ACCESS_DENIED);
             composeLensFrame(lens, paint, r % 2 != 0 ? metafile : deleted, appState.lens, appState.valueFont);
             ReleaseDC(lens, paint);
             DeleteMetaFile(CloseMetaFile(metafile));
             model.failedCopy = r % 2 != 0 ? ERROR_INVALID_HANDLE : 1;
             return "none";
         }},
    };

    // The frame the model predicts, drawn over a copy of the one shown so that the texts' smoothing blends
    // alike: the screen around the pick point, enlarged and centred until a screen edge stops it, the far edge
    // first; a failed copy's reason; the inverting cross-hair through the picked cell's middle; the ringed
    // swatch; the outlined value text; the black border. Pixels under the test's windows are not compared.
    std::string frameDifferences(int width, int height)
    {
        const HDC window = GetDC(lens);
        const Dib shown(window, width, height), predicted(window, width, height);
        ReleaseDC(lens, window);
        const int size = width * height, zoom = model.zoom;
        const int cellsX = (width + zoom - 1) / zoom, cellsY = (height + zoom - 1) / zoom;
        const COLORREF inversion = model.invert ? WHITE : 0;
        if (model.color == UNKNOWN) {  // picked under a window of the test: the swatch tells which colour
            const DWORD swatch = shown.bits[model.scaled(12) * width + model.scaled(12)] ^ inversion;
            model.color = RGB(swatch >> 16 & 0xFF, swatch >> 8 & 0xFF, swatch & 0xFF);
        }
        const LONG left = std::min(std::max(model.pick.x - cellsX / 2, 0L), screenWidth - cellsX);
        const LONG top = std::min(std::max(model.pick.y - cellsY / 2, 0L), screenHeight - cellsY);
        const LONG crossX = (model.pick.x - left) * zoom + zoom / 2, crossY = (model.pick.y - top) * zoom + zoom / 2;
        std::vector<bool> known(size);
        const auto paint = [&](int i, COLORREF c) {
            predicted.bits[i] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
            known[i] = true;
        };
        for (int i = 0; i < size; ++i) {  // a failed copy leaves the frame as Wine makes a new bitmap: black
            const COLORREF there = model.failedCopy ? 0 : screenAt({left + i % width / zoom, top + i / width / zoom});
            if (there != UNKNOWN) {
                paint(i, model.failedCopy ? 0 : there ^ inversion);
            }
        }
        char* reason = nullptr;  // in red in the system font, on the surface's white, on one line
        const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM;
        if (model.failedCopy > 1 && FormatMessageA(flags, nullptr, model.failedCopy, LANG_USER_DEFAULT,
                                                   reinterpret_cast<LPSTR>(&reason), 0, nullptr)) {
            SelectObject(predicted.dc, GetStockObject(SYSTEM_FONT));
            SetTextColor(predicted.dc, RGB(255, 0, 0));
            TextOutA(predicted.dc, model.scaled(7), model.scaled(24), reason, int(std::strcspn(reason, "\r\n")));
            LocalFree(reason);
            GdiFlush();
        }
        const int side = model.scaled(16), swatchX = model.scaled(6), swatchY = model.scaled(4);
        for (int i = 0; i < size; ++i) {
            const int x = i % width - swatchX, y = i / width - swatchY;
            predicted.bits[i] ^= (i / width == crossY) != (i % width == crossX) ? WHITE : 0;
            if (x >= 0 && y >= 0 && x < side && y < side) {
                paint(i, x == 0 || y == 0 || x == side - 1 || y == side - 1 ? 0 : (model.color ^ inversion) & WHITE);
            }
        }
        const HGDIOBJ font = SelectObject(predicted.dc, CreateFontA(-model.scaled(13), 0, 0, 0, FW_BOLD, 0, 0, 0,
            ANSI_CHARSET, OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_SWISS, "System"));
        const std::string text = formatValueText(model.color, model.invert, model.pick.x, model.pick.y, zoom,
                                                 DisplayMode(model.notation)).chars;
        const int d = model.scaled(1);
        SetBkMode(predicted.dc, TRANSPARENT);
        for (const POINT o : {POINT{-d, -d}, POINT{-d, d}, POINT{d, -d}, POINT{d, d}, POINT{0, 0}}) {  // outline, text
            SetTextColor(predicted.dc, o.x == 0 ? 0 : WHITE);
            TextOutA(predicted.dc, model.scaled(24) + o.x, model.scaled(4) + o.y, text.c_str(), int(text.size()));
        }
        DeleteObject(SelectObject(predicted.dc, font));
        GdiFlush();
        std::string differences;
        int count = 0;
        for (int i = 0; i < size; ++i) {
            if (i % width == 0 || i / width == 0 || i % width == width - 1 || i / width == height - 1) {
                paint(i, 0);
            }
            if (known[i] && ((shown.bits[i] ^ predicted.bits[i]) & WHITE) != 0 && ++count <= 3) {
                differences += format(" (%d, %d) #%06lX, not #%06lX;", i % width, i / width, shown.bits[i] & WHITE,
                                      predicted.bits[i] & WHITE);
            }
        }
        return count == 0 ? "as predicted" : format("%d pixels differ:", count) + differences;
    }

    // Every observable: from the real window, or from the model, printed alike so that a difference shows.
    std::string observables(bool real)
    {
        RECT place = model.place, update, client;
        GetClientRect(lens, &client);
        const bool updating = GetUpdateRect(lens, &update, FALSE);
        // An empty lens has nothing to repaint.
        std::string repaint = IsRectEmpty(&client) && !model.repaint.empty() ? "none" : model.repaint;
        std::string menu, clipboard = model.clipboard, frame = "as predicted";
        int zBelow = real ? 0 : model.abovePlain, low = 1, high = model.zoomMax, thumb = model.thumb;
        bool topmost = model.onTop;
        for (UINT id : {MODE_SCREEN_COORDS, MODE_COLORREF, MODE_HTML, MODE_RGB, MODE_HSB, CMD_INVERT, CMD_ALWAYS_ON_TOP,
                        CMD_COPY_VALUE}) {
            const bool checked = id == UINT(MODE_SCREEN_COORDS + model.notation) ||
                                 (id == CMD_INVERT && model.invert) || (id == CMD_ALWAYS_ON_TOP && model.onTop);
            const UINT state = real ? GetMenuState(GetMenu(lens), id, MF_BYCOMMAND) : checked ? MF_CHECKED : 0;
            menu += format(" %u%s%s", id, state & MF_CHECKED ? " checked" : "", state & MF_GRAYED ? " greyed" : "");
        }
        if (real) {
            const bool none = !updating || IsRectEmpty(&client);
            repaint = model.repaint.empty() ? "" : none ? "none" : EqualRect(&update, &client) ? "whole" : "part";
            settle(model.uncovered ? 60 : 0);
            GetWindowRect(lens, &place);
            GetScrollRange(lens, SB_VERT, &low, &high);
            thumb = GetScrollPos(lens, SB_VERT);
            topmost = GetWindowLongA(lens, GWL_EXSTYLE) & WS_EX_TOPMOST;
            if (model.failedCopy == 0) {  // composed afresh, unless the step composed its own
                InvalidateRect(lens, nullptr, FALSE);
                UpdateWindow(lens);
            }
            frame = frameDifferences(client.right, client.bottom);
            for (HWND w = GetTopWindow(nullptr); w != plain; w = GetWindow(w, GW_HWNDNEXT)) {
                zBelow += w == lens;
            }
            if (OpenClipboard(nullptr)) {
                const HANDLE text = GetClipboardData(CF_TEXT);
                clipboard = text != nullptr ? static_cast<const char*>(GlobalLock(text)) : "";
                GlobalUnlock(text);
                CloseClipboard();
            }
        }
        char title[32];
        GetWindowTextA(lens, title, sizeof title);
        const std::string counts = real ? objectCounts() : objects;
        objects = real && model.systemObjects ? counts : objects;  // the counts the model predicts from then on
        return format("window '%s' at %ld,%ld %ldx%ld%s%s\nrepaint %s\nzoom range %d..%d, thumb at %d\nmenu%s\n",
                      real ? title : "Qen Color Picker", place.left, place.top, place.right - place.left,
                      place.bottom - place.top, topmost ? ", topmost" : "",
                      zBelow != 0 ? ", above the plain window" : "", repaint.c_str(), low, high, thumb, menu.c_str()) +
               "clipboard '" + clipboard + "'\nobjects: " + counts + "\nframe " + frame + "\n" +
               (real ? seen : model.notes);
    }

    // Runs one step, "name parameter", and checks every observable after it.
    void run(const std::string& step)
    {
        std::istringstream words(step);
        std::string name;
        int r = 0;
        words >> name >> r;
        steps.push_back(step);
        if (steps.size() > 8) {
            steps.pop_front();
        }
        static std::set<std::string> done;  // the system keeps what it makes on a step's first use
        model.systemObjects = model.systemObjects || done.insert(name).second;
        model.repaint = actions.at(name)(r);
        check();
    }

    void check()
    {
        const std::string real = observables(true), expected = observables(false);
        std::string last;
        for (const std::string& step : steps) {
            last += (last.empty() ? "" : ",") + step;
        }
        ASSERT_EQ(real, expected) << "after the steps " << last;
        seen.clear();
        model.notes.clear();
        model.uncovered = model.systemObjects = false;
        model.failedCopy = 0;
    }
};

// A fixed tour: each action at and beside its edges. REPLAY="name parameter,..." runs those steps instead,
// such as the last steps that a failure prints.
TEST_F(Picker, Tour)
{
    std::istringstream tour(getenv("REPLAY") != nullptr ? getenv("REPLAY") :
        "press 2,move 55,press 3,release 0,press 0,move 0,move 11,arrow 0,arrow 1,arrow 2,arrow 3,arrow 0,move 44,"
        "arrow 2,arrow 3,arrow 0,arrow 1,move 33,arrow 2,arrow 2,move 55,arrow 2,move 55,arrow 0,move 22,move 66,"
        "move 77,move 88,move 99,move 46,arrow 1,release 0,move 12,scroll 0,scroll 1,scroll 2,scroll 3,scroll 4,"
        "scroll 394,scroll 175,scroll 6,scroll 7,scroll 8,scroll 9,scroll 305,resize 3,scroll 8,fit 0,resize 1,"
        "fit 0,resize 2,scroll 71,fit 0,resize 4,resize 5,notation 0,copy 0,F3 0,copy 0,F3 0,copy 1,F3 0,copy 2,"
        "invert 0,F3 0,copy 3,F3 0,copy 0,invert 0,top 0,plain 0,top 0,plain 0,top 0,dpi 2,dpi 6,dpi 5,dpi 0,"
        "display 0,chart 0,chart 1,chart 2,chart 3,chart 4,colour 0,colour 1,colour 2,colour 3,colour 4,colour 5,"
        "failed 1,"
        "failed 0,about 0,about 1,about 2,resize 0");
    for (std::string step; std::getline(tour, step, ',') && !HasFailure();) {
        run(step);
    }
}

// Seeded random sequences (SEED, 11 unless given) over every action.
TEST_F(Picker, RandomSequences)
{
    std::mt19937 random(getenv("SEED") != nullptr ? std::atoi(getenv("SEED")) : 11);
    for (int i = 0; i < 400 && !HasFailure(); ++i) {
        auto action = actions.begin();
        std::advance(action, random() % actions.size());
        run(action->first + " " + std::to_string(random() % 100000));
    }
}

// planted.dll lies beside the test program, which stands in for the picker, as a browser may leave a DLL
// beside it in Downloads: a command must not load it in place of a system one, nor may a system DLL load
// it by name once start-up has kept the search to the system folder.
TEST(SystemDlls, ADllBesideTheProgramIsNotLoadedOnFirstUseNorAfterStartUp)
{
    EXPECT_EQ(systemFunction<void()>("planted.dll", "planted"), nullptr) << "a command loaded it";
    ASSERT_TRUE(FreeLibrary(LoadLibraryA("planted.dll"))) << "the DLL is missing: the test would prove nothing";
    loadDllsFromSystemFolderOnly();
    EXPECT_EQ(LoadLibraryA("planted.dll"), nullptr) << "a system DLL could load it by name";
}
