#include "dial_keys.h"

#include "handles.h"
#include "program_path.h"
#include "utf8.h"

#include <string>

void RecordStart(const wchar_t* pszEvent)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD nPath = ::GetEnvironmentVariableW(kDialKeysJournalVariable, path, MAX_PATH);
    if (nPath == 0 || nPath >= MAX_PATH)
        return;
    const std::wstring program = fw::OwnProgramPath();
    const std::wstring line = program.substr(program.find_last_of(L"\\/") + 1) + L" " +
                              std::to_wstring(::GetCurrentProcessId()) + L" " + pszEvent;
    const std::string bytes = fw::Utf8(line) + "\r\n";
    // Appends are atomic between the processes that share the file.
    const fw::unique_file file(::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file)
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
