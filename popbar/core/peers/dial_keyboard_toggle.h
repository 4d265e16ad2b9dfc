#pragma once
// The dial-keyboard key: the Touch Pack's dial keyboard is started when it does not run, and shown
// or hidden by the Touch Pack's own show-hide program when it does. These are the decisions; the
// platform calls they need come in as functions.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct DialKeyboardPaths {
    std::wstring keyboard;
    std::wstring showHide;
};

// Both programs' paths under the Program Files folder; an unknown folder is empty, so the paths
// start at the current drive's root. Nothing when the paths would not fit MAX_PATH characters with
// their terminating null: such a path cannot name a program to start.
std::optional<DialKeyboardPaths> DialKeyboardPathsUnder(const std::wstring& programFolder);

// The paths under the first of the folders where the keyboard's program exists; when it exists in
// none, those under the first folder, whose program the shell then does not find; with no folder at
// all, those under an empty one. Nothing when the first folder's paths would be too long. The folders
// come in the order they are looked in: the Program Files folder of Popbar's own kind, then, for a
// 32-bit Popbar on 64-bit Windows, the machine's own one, where the Touch Pack's 64-bit package goes.
std::optional<DialKeyboardPaths> ChooseDialKeyboardPaths(const std::vector<std::wstring>& folders,
                                                         const std::function<bool(const std::wstring&)>& exists);

// Asks the platform for the running processes' ids (EnumProcesses: a list of cb bytes in, the bytes
// filled out); false when it cannot list them.
using EnumerateProcesses = std::function<bool(DWORD* pIds, DWORD cb, DWORD* pcbFilled)>;
// Every running process's id, however many there are: a list the platform fills to the last byte may
// have been cut short, so it is asked again with a list twice as long until room is left over.
// Nothing when the platform cannot list them.
std::optional<std::vector<DWORD>> ListAllProcesses(const EnumerateProcesses& enumerate);

// "A" to "Z" become small letters; every other character stays as it is.
std::wstring LowerCased(std::wstring text);

struct DialKeyboardCalls {
    // The ids of the running processes; nothing when they cannot be listed.
    std::function<std::optional<std::vector<DWORD>>()> listProcesses;
    // True when the process's program is "DialKeys.exe", letter case included.
    std::function<bool(DWORD nProcessId)> isDialKeyboard;
    // The Program Files folders to look in, in order (see ChooseDialKeyboardPaths); a folder that
    // cannot be found is empty.
    std::function<std::vector<std::wstring>()> programFolders;
    std::function<bool(const std::wstring& path)> fileExists;
    // Opens a program through the shell; the shell's answer.
    std::function<INT_PTR(const std::wstring& path)> open;
    std::function<void(DWORD nMs)> sleep;
    // Looks the dial keyboard's process up by name in any letter case, and keeps it for the wait.
    std::function<bool()> findDialKeyboard;
    // Waits until the process found is ready for input; WaitForInputIdle's answer.
    std::function<DWORD(DWORD nTimeoutMs)> waitForInputIdle;
};

// One press of the dial-keyboard key.
void RunDialKeyboardToggle(const DialKeyboardCalls& calls);
