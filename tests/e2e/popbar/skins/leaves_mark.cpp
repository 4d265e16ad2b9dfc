// The start-up code of a skin library that must never run inside Popbar: once loaded as a library, it
// writes the file that CORVALE_SKIN_MARK names.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD nReason, LPVOID)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableW(L"CORVALE_SKIN_MARK", path, MAX_PATH);
    if (nReason == DLL_PROCESS_ATTACH && n > 0 && n < MAX_PATH) {
        const HANDLE hMark = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hMark != INVALID_HANDLE_VALUE)
            ::CloseHandle(hMark);
    }
    return TRUE;
}
