// The Win32 implementation of the lens platform, and the conversions between the core's opaque
// handles and the platform's own. Built only into Windows executables; the program installs it at entry.
#pragma once

#include <windows.h>

#include "lens/platform.h"

Platform& win32Platform();

// The core's handles are the platform's, under types of their own.
inline WindowHandle handleOf(HWND window) { return reinterpret_cast<WindowHandle>(window); }
inline SurfaceHandle handleOf(HDC surface) { return reinterpret_cast<SurfaceHandle>(surface); }
inline GdiObject handleOf(HGDIOBJ object) { return reinterpret_cast<GdiObject>(object); }
inline InstanceHandle handleOf(HINSTANCE instance) { return reinterpret_cast<InstanceHandle>(instance); }
inline HWND toWindow(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline HDC toSurface(SurfaceHandle surface) { return reinterpret_cast<HDC>(surface); }
inline HGDIOBJ toObject(GdiObject object) { return reinterpret_cast<HGDIOBJ>(object); }
inline HINSTANCE toInstance(InstanceHandle instance) { return reinterpret_cast<HINSTANCE>(instance); }
