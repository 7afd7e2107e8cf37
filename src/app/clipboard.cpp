// Copy to the clipboard with every failure path closed: the clipboard is closed once opened, and
// memory is freed unless SetClipboardData has taken it.
#include "app/clipboard.h"

#include <cstring>

const ClipboardCalls SYSTEM_CLIPBOARD = {OpenClipboard, EmptyClipboard,   GlobalAlloc,    GlobalLock,
                                         GlobalUnlock,  SetClipboardData, CloseClipboard, GlobalFree};

void copyTextToClipboard(HWND owner, const char* text, const ClipboardCalls& calls)
{
    if (!calls.openClipboard(owner)) {
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
