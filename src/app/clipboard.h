// Placing a text on the clipboard as CF_TEXT. The system calls are passed in, so that tests can
// make each of them fail and see that nothing leaks, the clipboard is always closed and a busy one waited for.
#pragma once

#include <windows.h>

struct ClipboardCalls {
    BOOL(WINAPI* openClipboard)(HWND);
    BOOL(WINAPI* emptyClipboard)();
    HGLOBAL(WINAPI* globalAlloc)(UINT, SIZE_T);
    LPVOID(WINAPI* globalLock)(HGLOBAL);
    BOOL(WINAPI* globalUnlock)(HGLOBAL);
    HANDLE(WINAPI* setClipboardData)(UINT, HANDLE);
    BOOL(WINAPI* closeClipboard)();
    HGLOBAL(WINAPI* globalFree)(HGLOBAL);
    void(WINAPI* sleep)(DWORD);
};

extern const ClipboardCalls SYSTEM_CLIPBOARD;

// Replaces the clipboard's content with text. A clipboard that another program holds is tried again
// for about 100 ms, and then left alone; memory the clipboard did not take is freed. Nothing is reported.
void copyTextToClipboard(HWND owner, const char* text, const ClipboardCalls& calls = SYSTEM_CLIPBOARD);
