// Copy to the clipboard with every failure path closed: a busy clipboard is waited for briefly, the
// clipboard is closed once opened, and memory is freed unless SetClipboardData has taken it.
#include "app/clipboard.h"

#include <cstring>

namespace {

// Clipboard managers, remote-desktop clipboard sync and password managers open the clipboard for a
// moment after every change. Ten tries 10 ms apart outwait them, while a clipboard held for good
// blocks the window for no more than about 100 ms.
constexpr int OPEN_TRIES = 10;
constexpr DWORD OPEN_RETRY_DELAY_MS = 10;

bool openWhenFree(HWND owner)
{
    for (int tries = 1; !OpenClipboard(owner); ++tries) {
        if (tries == OPEN_TRIES) {
            return false;
        }
        Sleep(OPEN_RETRY_DELAY_MS);
    }
    return true;
}

}  // namespace

void copyTextToClipboard(HWND owner, const char* text)
{
    if (!openWhenFree(owner)) {
        return;
    }
    EmptyClipboard();
    const std::size_t size = std::strlen(text) + 1;
    // The clipboard takes movable memory only; GMEM_DDESHARE alone would be fixed.
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size)) {
        bool taken = false;  // once SetClipboardData succeeds the clipboard owns the memory
        if (void* bytes = GlobalLock(memory)) {
            std::memcpy(bytes, text, size);
            GlobalUnlock(memory);
            taken = SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        if (!taken) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}
