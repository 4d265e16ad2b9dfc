#include "dial_keys.h"

#include "handles.h"
#include "utf8.h"

#include <string>

void RecordStart(const wchar_t* pszEvent)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD nPath = ::GetEnvironmentVariableW(kDialKeysJournalVariable, path, MAX_PATH);
    if (nPath == 0 || nPath >= MAX_PATH)
        return;
    wchar_t program[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    const wchar_t* pszBase = program;
    for (const wchar_t* p = program; *p; ++p) {
        if (*p == L'\\' || *p == L'/')
            pszBase = p + 1;
    }
    const std::wstring line = std::wstring(pszBase) + L" " + std::to_wstring(::GetCurrentProcessId()) + L" " + pszEvent;
    const std::string bytes = fw::Utf8(line) + "\r\n";
    // Appends are atomic between the processes that share the file.
    const fw::unique_file file(::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file)
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
