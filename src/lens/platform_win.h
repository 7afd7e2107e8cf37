// The Win32 implementation of the lens platform: the real USER32 and GDI calls.
// Built only into Windows executables; the program installs it at entry.
#pragma once

#include "lens/platform.h"

Platform& win32Platform();
