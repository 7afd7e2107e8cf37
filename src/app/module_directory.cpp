// Splits the module path at its last separator, stepping over double-byte characters whole, so that a
// folder such as 表示 (0x95 0x5C) keeps its name. Every copy is bounded by the caller's buffer.
#include "app/module_directory.h"

#include <cstring>

#include "app/app_state.h"

void moduleDirectory(char (&buffer)[MAX_PATH])
{
    char path[MAX_PATH + 1] = {};  // the extra byte keeps a path that fills MAX_PATH terminated
    GetModuleFileNameA(appState.instance, path, MAX_PATH);
    std::size_t end = path[0] != '\0' && path[1] == ':' ? 2 : 0;  // the drive, then up to the last separator
    for (std::size_t i = end; path[i] != '\0'; ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && path[i + 1] != '\0') {
            ++i;  // the trail byte goes with its lead byte
        } else if (path[i] == '\\' || path[i] == '/') {
            end = i + 1;
        }
    }
    const std::size_t kept = end < MAX_PATH ? end : MAX_PATH - 1;
    std::memcpy(buffer, path, kept);
    buffer[kept] = '\0';
}
