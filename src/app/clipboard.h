// Placing a text on the clipboard as CF_TEXT. The system calls are passed in, so that tests can
// make each of them fail and see that nothing leaks and the clipboard is always closed.
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
};

extern const ClipboardCalls SYSTEM_CLIPBOARD;

// Replaces the clipboard's content with text. Memory the clipboard did not take is freed; a
// clipboard that cannot be opened is left alone. Nothing is reported.
void copyTextToClipboard(HWND owner, const char* text, const ClipboardCalls& calls = SYSTEM_CLIPBOARD);
