// Copy to the clipboard with every failure path closed: a busy clipboard is waited for briefly, the
// clipboard is closed once opened, and memory is freed unless SetClipboardData has taken it.
#include "app/clipboard.h"

#include <cstring>

const ClipboardCalls SYSTEM_CLIPBOARD = {OpenClipboard,    EmptyClipboard, GlobalAlloc, GlobalLock, GlobalUnlock,
                                         SetClipboardData, CloseClipboard, GlobalFree,  Sleep};

namespace {

// Clipboard managers, remote-desktop clipboard sync and password managers open the clipboard for a
// moment after every change. Ten tries 10 ms apart outwait them, while a clipboard held for good
// blocks the window for no more than about 100 ms.
constexpr int OPEN_TRIES = 10;
constexpr DWORD OPEN_RETRY_DELAY_MS = 10;

bool openWhenFree(HWND owner, const ClipboardCalls& calls)
{
    for (int tries = 1; !calls.openClipboard(owner); ++tries) {
        if (tries == OPEN_TRIES) {
            return false;
        }
        calls.sleep(OPEN_RETRY_DELAY_MS);
    }
    return true;
}

}  // namespace

void copyTextToClipboard(HWND owner, const char* text, const ClipboardCalls& calls)
{
    if (!openWhenFree(owner, calls)) {
        return;
    }
    calls.emptyClipboard();
    const std::size_t size = std::strlen(text) + 1;
    HGLOBAL memory = calls.globalAlloc(GMEM_DDESHARE, size);
    if (memory != nullptr) {
        if (void* bytes = calls.globalLock(memory)) {
            std::memcpy(bytes, text, size);
            calls.globalUnlock(memory);
            if (calls.setClipboardData(CF_TEXT, memory) != nullptr) {
                memory = nullptr;  // the clipboard owns it now
            }
        }
        if (memory != nullptr) {
            calls.globalFree(memory);
        }
    }
    calls.closeClipboard();
}
