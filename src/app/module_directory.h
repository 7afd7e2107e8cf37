// The directory of the running executable, where the read-me lies. Its path is scanned double-byte
// aware, so that a trail byte equal to "\" (as in many code page 932 characters) is never a separator.
#pragma once

#include <windows.h>

// The running executable's drive and directory, ending in a separator, split by the system's code page.
void moduleDirectory(char (&buffer)[MAX_PATH]);
