#include "library_search.h"

#include <windows.h>

namespace fw {

void LimitLibrarySearch()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto pSetDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    // The system folder, the program's own folder and the folders added with AddDllDirectory, where
    // assistive technology and input methods put theirs; never the current folder or the PATH.
    if (pSetDefaultDllDirectories)
        pSetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

} // namespace fw
