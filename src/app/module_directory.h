// The directory of the running executable, where the read-me lies, in UTF-16: a folder name that the
// system's code page cannot hold (表示 Café under code page 1252 or 932) comes through whole.
#pragma once

#include <windows.h>

// Writes the running executable's drive and directory, ending in a separator, into buffer; false, and
// nothing written, when the system cannot give the whole path.
bool moduleDirectory(wchar_t (&buffer)[MAX_PATH]);
