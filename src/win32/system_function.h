// Functions of system DLLs looked up at run time, and every DLL taken from the system folder alone: the
// program's folder may be Downloads, where a browser can have left a DLL of any name.
#pragma once

#include <windows.h>

// A function of a system DLL, the DLL loaded from the system folder (and kept loaded for the rest of the
// process) if it is not yet; nullptr when the DLL or the function cannot be had. Systems that lack the
// search flags (Windows 7 before KB2533623) refuse them; the names given here are all known DLLs, which
// such systems load from the system folder anyway.
template <typename Function>
Function* systemFunction(const char* dll, const char* name)
{
    HMODULE module = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        module = LoadLibraryA(dll);
    }
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// From here on the DLLs that system DLLs load on their own come from the system folder too, never from
// the program's. Called first thing at start-up; systems without the setting keep their search order.
inline void loadDllsFromSystemFolderOnly()
{
    if (const auto setDefaultDllDirectories =
            systemFunction<decltype(SetDefaultDllDirectories)>("kernel32.dll", "SetDefaultDllDirectories")) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}
