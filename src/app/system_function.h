// Functions of system DLLs looked up at run time: the DLLs that only a few commands need are loaded on
// their first use instead of before the first frame, and functions newer systems add may be missing.
#pragma once

#include <windows.h>

// A function of a system DLL, the DLL loaded (and kept loaded for the rest of the process) if it is not
// yet; nullptr when the DLL or the function cannot be had. The program names only known DLLs (user32,
// comdlg32, shell32), which the system loads from its own folder, as it does for imports.
template <typename Function>
Function* systemFunction(const char* dll, const char* name)
{
    const HMODULE module = LoadLibraryA(dll);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
