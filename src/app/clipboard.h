// Placing a text on the clipboard as CF_TEXT, waiting briefly for a clipboard another program holds
// and releasing on every path what the clipboard did not take.
#pragma once

#include <windows.h>

// Replaces the clipboard's content with text. A clipboard that another program holds is tried again for
// about 100 ms, and then left alone; memory the clipboard did not take is freed. Nothing is reported.
void copyTextToClipboard(HWND owner, const char* text);
