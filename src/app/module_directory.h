// The directory of the running executable, where the read-me lies. Its path is scanned double-byte
// aware, so that a trail byte equal to "\" (as in many code page 932 characters) is never a separator.
#pragma once

#include <windows.h>

#include <cstddef>

using LeadByteTest = bool (*)(unsigned char byte);

// Writes the drive and directory of path, up to and including its last separator ("\" or "/"),
// into buffer; a path with a drive and no separator gives the drive alone, any other path the
// empty text. Never writes more than size bytes, terminator included.
void directoryOfPath(const char* path, LeadByteTest isLeadByte, char* buffer, std::size_t size);

// The running executable's drive and directory, ending in a separator, split by the system's
// code page.
void moduleDirectory(char (&buffer)[MAX_PATH]);
