// The high-resolution clock of the Wine-side timing programs, in seconds.
// QueryPerformanceCounter is monotonic, so differences measure elapsed time.
#pragma once

#include <windows.h>

inline double secondsNow()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}
