// Splits a module path at its last separator, stepping over double-byte characters whole.
// Every copy is bounded by the caller's buffer.
#include "app/module_directory.h"

#include <cstring>

#include "lens/app_state.h"
#include "lens/platform_win.h"

namespace {

bool isSystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

void directoryOfPath(const char* path, LeadByteTest isLeadByte, char* buffer, std::size_t size)
{
    if (size == 0) {
        return;
    }
    const bool hasDrive = path[0] != '\0' && path[1] == ':';
    std::size_t end = hasDrive ? 2 : 0;  // bytes to keep
    for (std::size_t i = end; path[i] != '\0'; ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte) && path[i + 1] != '\0') {
            ++i;  // the trail byte goes with its lead byte
        } else if (byte == '\\' || byte == '/') {
            end = i + 1;
        }
    }
    const std::size_t kept = end < size ? end : size - 1;
    std::memcpy(buffer, path, kept);
    buffer[kept] = '\0';
}

void moduleDirectory(char (&buffer)[MAX_PATH])
{
    char path[MAX_PATH + 1] = {};  // the extra byte keeps a path that fills MAX_PATH terminated
    GetModuleFileNameA(toInstance(appState.instance), path, MAX_PATH);
    directoryOfPath(path, isSystemLeadByte, buffer, MAX_PATH);
}
