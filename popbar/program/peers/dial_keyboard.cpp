#include "peers/dial_keyboard.h"

#include "com_apartment.h"
#include "errors.h"
#include "guarded_call.h"
#include "handles.h"
#include "peers/dial_keyboard_toggle.h"
#include "protocol/dial_keyboard.h"

#include <windows.h>
#include <psapi.h>
#include <shlobj.h>
#include <shellapi.h>

#include <exception>
#include <thread>

namespace {

// Enough to read a process's program path, whatever its bitness.
constexpr DWORD kNameAccess = PROCESS_QUERY_LIMITED_INFORMATION;
// The keyboard found by name is also waited for: WaitForInputIdle fails at once (access denied) on a
// handle that may not be waited on or asked about.
constexpr DWORD kWaitAccess = PROCESS_QUERY_INFORMATION | SYNCHRONIZE;
std::optional<std::vector<DWORD>> ListProcesses()
{
    return ListAllProcesses([](DWORD* pIds, DWORD cb, DWORD* pcbFilled) { return ::EnumProcesses(pIds, cb, pcbFilled) != FALSE; });
}

fw::unique_handle OpenProcess(DWORD nProcessId, DWORD nAccess)
{
    return fw::unique_handle(::OpenProcess(nAccess, FALSE, nProcessId));
}

// The base name of the process's program; empty when it cannot be read. The program's path, not the
// first module's name: a 32-bit Popbar on 64-bit Windows may not read the modules of a 64-bit
// process, such as the dial keyboard of the Touch Pack's 64-bit package.
std::wstring ProgramName(HANDLE hProcess)
{
    wchar_t path[MAX_PATH] = {};
    DWORD nChars = MAX_PATH;
    if (!::QueryFullProcessImageNameW(hProcess, 0, path, &nChars))
        return {};
    const std::wstring whole(path, nChars);
    return whole.substr(whole.find_last_of(L'\\') + 1);
}

bool IsDialKeyboard(DWORD nProcessId)
{
    const fw::unique_handle process = OpenProcess(nProcessId, kNameAccess);
    return process && ProgramName(process.get()) == kDialKeysName;
}

// The first process whose program has this name in any letter case; the caller owns it.
fw::unique_handle FindProcessByName(const std::wstring& name)
{
    const auto processes = ListProcesses();
    if (!processes)
        return {};
    const std::wstring wanted = LowerCased(name);
    for (DWORD nProcessId : *processes) {
        fw::unique_handle process = OpenProcess(nProcessId, kWaitAccess);
        if (process && LowerCased(ProgramName(process.get())) == wanted)
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

// The machine's own Program Files folder, as Windows records it in its own registry view, when it is
// not Popbar's: for a 32-bit Popbar on 64-bit Windows. Empty otherwise.
std::wstring NativeProgramFilesFolder()
{
    BOOL bWow64 = FALSE;
    if (!::IsWow64Process(::GetCurrentProcess(), &bWow64) || !bWow64)
        return {};
    fw::unique_hkey key;
    if (!fw::RegistryOk(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                                        KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.put())))
        return {};
    wchar_t folder[MAX_PATH] = {};
    DWORD cb = sizeof(folder); // RegGetValueW terminates the text, or fails when it does not fit
    if (!fw::RegistryOk(::RegGetValueW(key.get(), nullptr, L"ProgramFilesDir", RRF_RT_REG_SZ, nullptr, folder, &cb)))
        return {};
    return folder;
}

std::vector<std::wstring> ProgramFolders()
{
    std::vector<std::wstring> folders{ProgramFilesFolder()};
    const std::wstring native = NativeProgramFilesFolder();
    if (!native.empty())
        folders.push_back(native);
    return folders;
}

bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The shell's answer for the program, as ShellExecuteW gives it: above 32 when started. The toggle's
// thread ends right after its last start, so the shell must have finished with the start before it
// returns (SEE_MASK_NOASYNC).
INT_PTR OpenProgram(const std::wstring& path)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = path.c_str();
    info.lpDirectory = L".";
    info.nShow = SW_SHOWNORMAL;
    if (::ShellExecuteExW(&info))
        return reinterpret_cast<INT_PTR>(info.hInstApp);
    // A failure's number as ShellExecuteW answers it (2 for a missing file): the shell's, else the
    // system's, which shares its numbers up to 32.
    const auto nShell = reinterpret_cast<INT_PTR>(info.hInstApp);
    if (nShell > 0 && nShell <= 32)
        return nShell;
    const DWORD nError = ::GetLastError();
    return nError <= 32 ? static_cast<INT_PTR>(nError) : 0;
}

// Starts the dial keyboard, or has it shown or hidden; blocks the calling thread while it waits.
void ToggleDialKeyboard()
{
    fw::unique_handle keyboard;
    DialKeyboardCalls calls;
    calls.listProcesses = ListProcesses;
    calls.isDialKeyboard = IsDialKeyboard;
    calls.programFolders = ProgramFolders;
    calls.fileExists = FileExists;
    calls.open = OpenProgram;
    calls.sleep = [](DWORD nMs) { ::Sleep(nMs); };
    calls.findDialKeyboard = [&] {
        keyboard = FindProcessByName(kDialKeysName);
        return static_cast<bool>(keyboard);
    };
    calls.waitForInputIdle = [&](DWORD nTimeoutMs) { return ::WaitForInputIdle(keyboard.get(), nTimeoutMs); };
    RunDialKeyboardToggle(calls);
}

} // namespace

bool StartDialKeyboardToggle(HWND hWndDone, UINT nDoneMessage)
{
    try {
        // Detached: it holds nothing of the menu's, and the process may end while it waits.
        std::thread([hWndDone, nDoneMessage] {
            fw::GuardedCall(
                L"dial-keyboard toggle",
                [] {
                    // The shell may hand a start to extensions that need COM on the calling thread.
                    const fw::com_apartment com;
                    ToggleDialKeyboard();
                },
                [] {});
            // Done, however the toggle ended: the next press may run.
            ::PostMessageW(hWndDone, nDoneMessage, 0, 0);
        }).detach();
    } catch (const std::exception& e) {
        fw::ReportFailure(fw::ExceptionText(L"dial-keyboard toggle's start", &e));
        return false;
    } catch (...) {
        fw::ReportFailure(fw::ExceptionText(L"dial-keyboard toggle's start", nullptr));
        return false;
    }
    return true;
}
