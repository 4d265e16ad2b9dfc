#include "peers/dial_keyboard.h"

#include "handles.h"
#include "peers/dial_keyboard_toggle.h"
#include "protocol/dial_keyboard.h"

#include <windows.h>
#include <psapi.h>
#include <shlobj.h>
#include <shellapi.h>

namespace {

// Enough to read a process's module names.
constexpr DWORD kNameAccess = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
// The keyboard found by name is also waited for: WaitForInputIdle fails at once (access denied)
// on a handle that may not be waited on.
constexpr DWORD kWaitAccess = kNameAccess | SYNCHRONIZE;
constexpr DWORD kMaxProcesses = 1024;

std::optional<std::vector<DWORD>> ListProcesses()
{
    std::vector<DWORD> ids(kMaxProcesses);
    DWORD cb = 0;
    if (!::EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &cb))
        return std::nullopt;
    ids.resize(cb / sizeof(DWORD));
    return ids;
}

fw::unique_handle OpenProcess(DWORD nProcessId, DWORD nAccess)
{
    return fw::unique_handle(::OpenProcess(nAccess, FALSE, nProcessId));
}

// The base name of the process's first module; empty when it cannot be read.
std::wstring FirstModuleName(HANDLE hProcess)
{
    HMODULE hModule = nullptr;
    DWORD cbNeeded = 0;
    if (!::EnumProcessModules(hProcess, &hModule, sizeof(hModule), &cbNeeded))
        return {};
    wchar_t name[MAX_PATH] = {};
    const DWORD nChars = ::GetModuleBaseNameW(hProcess, hModule, name, MAX_PATH);
    return std::wstring(name, nChars);
}

bool IsDialKeyboard(DWORD nProcessId)
{
    const fw::unique_handle process = OpenProcess(nProcessId, kNameAccess);
    return process && FirstModuleName(process.get()) == kDialKeysName;
}

// The first process whose first module has this name in any letter case; the caller owns it.
fw::unique_handle FindProcessByName(const std::wstring& name)
{
    const auto processes = ListProcesses();
    if (!processes)
        return {};
    const std::wstring wanted = LowerCased(name);
    for (DWORD nProcessId : *processes) {
        fw::unique_handle process = OpenProcess(nProcessId, kWaitAccess);
        if (process && LowerCased(FirstModuleName(process.get())) == wanted)
            return process;
    }
    return {};
}

std::wstring ProgramFilesFolder()
{
    wchar_t folder[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, folder, CSIDL_PROGRAM_FILES, FALSE))
        return {};
    return folder;
}

INT_PTR OpenProgram(const std::wstring& path)
{
    return reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, L".", SW_SHOWNORMAL));
}

} // namespace

void ToggleDialKeyboard()
{
    fw::unique_handle keyboard;
    DialKeyboardCalls calls;
    calls.listProcesses = ListProcesses;
    calls.isDialKeyboard = IsDialKeyboard;
    calls.programFolder = ProgramFilesFolder;
    calls.open = OpenProgram;
    calls.sleep = [](DWORD nMs) { ::Sleep(nMs); };
    calls.findDialKeyboard = [&] {
        keyboard = FindProcessByName(kDialKeysName);
        return static_cast<bool>(keyboard);
    };
    calls.waitForInputIdle = [&](DWORD nTimeoutMs) { return ::WaitForInputIdle(keyboard.get(), nTimeoutMs); };
    RunDialKeyboardToggle(calls);
}
