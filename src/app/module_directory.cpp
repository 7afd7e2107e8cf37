// The executable's path cut after its last separator. UTF-16 holds every character of any folder name,
// and no character of it contains the code of "\" as a byte of a longer one, as code page 932's can.
#include "app/module_directory.h"

#include <cwchar>

#include "app/app_state.h"

bool moduleDirectory(wchar_t (&buffer)[MAX_PATH])
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(appState.instance, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return false;  // no path, or one cut short: the folder it names would not be the program's
    }
    std::size_t end = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (path[i] == L'\\' || path[i] == L'/') {
            end = i + 1;
        }
    }
    std::wmemcpy(buffer, path, end);
    buffer[end] = L'\0';
    return true;
}
