// Guards for the device contexts and GDI objects a paint or a pixel read takes: each gives back what it
// took when it goes out of scope, so that no path can keep one.
#pragma once

#include <windows.h>

// A window's device context from GetDC or GetWindowDC, released to that window.
class ScopedDC {
public:
    ScopedDC(HWND window, HDC dc) : window_(window), dc_(dc) {}
    ~ScopedDC() { ReleaseDC(window_, dc_); }
    ScopedDC(const ScopedDC&) = delete;
    ScopedDC& operator=(const ScopedDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The whole screen's device context, the desktop window's, for reading pixels of every display.
class ScopedScreenDC : public ScopedDC {
public:
    ScopedScreenDC() : ScopedDC(GetDesktopWindow(), GetWindowDC(GetDesktopWindow())) {}
};

// A handle this code created, given back by release: a memory device context (DeleteDC), or a bitmap,
// font or brush (DeleteObject).
template <typename Handle, BOOL(WINAPI* release)(Handle)>
class Owned {
public:
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { release(handle_); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    operator Handle() const { return handle_; }

private:
    Handle handle_;
};

using ScopedMemoryDC = Owned<HDC, DeleteDC>;
using ScopedGdiObject = Owned<HGDIOBJ, DeleteObject>;

// An object selected into a device context, and the one it replaced selected back.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelectObject() { SelectObject(dc_, previous_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
