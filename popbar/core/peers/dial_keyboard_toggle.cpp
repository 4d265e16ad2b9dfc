#include "peers/dial_keyboard_toggle.h"

#include "protocol/dial_keyboard.h"

#include <algorithm>

namespace {

// The shell's answer when the file does not exist: Touch Pack is not installed.
constexpr INT_PTR kFileNotFound = 2;
// Gives a keyboard just started time to come up before the next key report is handled.
constexpr DWORD kStartPauseMs = 1000;
constexpr int kLookupTries = 12;
constexpr DWORD kLookupPauseMs = 500;
constexpr DWORD kReadyWaitMs = 5000;
// The design's list length, and a bound far beyond any machine's processes (64 MB of ids).
constexpr size_t kFirstProcessListLength = 1024;
constexpr size_t kLongestProcessList = size_t{1} << 24;

} // namespace

std::optional<DialKeyboardPaths> DialKeyboardPathsUnder(const std::wstring& programFolder)
{
    DialKeyboardPaths paths{programFolder + L"\\" + kDialKeysProgram, programFolder + L"\\" + kShowHideProgram};
    if (std::max(paths.keyboard.size(), paths.showHide.size()) >= MAX_PATH)
        return std::nullopt;
    return paths;
}

std::optional<DialKeyboardPaths> ChooseDialKeyboardPaths(const std::vector<std::wstring>& folders,
                                                         const std::function<bool(const std::wstring&)>& exists)
{
    if (folders.empty())
        return DialKeyboardPathsUnder(L"");
    for (const std::wstring& folder : folders) {
        const auto paths = DialKeyboardPathsUnder(folder);
        if (paths && exists(paths->keyboard))
            return paths;
    }
    return DialKeyboardPathsUnder(folders.front());
}

std::optional<std::vector<DWORD>> ListAllProcesses(const EnumerateProcesses& enumerate)
{
    std::vector<DWORD> ids(kFirstProcessListLength);
    for (;;) {
        const DWORD cbList = static_cast<DWORD>(ids.size() * sizeof(DWORD));
        DWORD cbFilled = 0;
        if (!enumerate(ids.data(), cbList, &cbFilled))
            return std::nullopt;
        if (cbFilled < cbList || ids.size() >= kLongestProcessList) {
            ids.resize(std::min<DWORD>(cbFilled, cbList) / sizeof(DWORD));
            return ids;
        }
        ids.resize(ids.size() * 2);
    }
}

std::wstring LowerCased(std::wstring text)
{
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

void RunDialKeyboardToggle(const DialKeyboardCalls& calls)
{
    const auto processes = calls.listProcesses();
    if (!processes)
        return;
    const bool bRunning = std::any_of(processes->begin(), processes->end(), calls.isDialKeyboard);
    const auto paths = ChooseDialKeyboardPaths(calls.programFolders(), calls.fileExists);
    if (!paths)
        return;

    if (!bRunning) {
        if (calls.open(paths->keyboard) != kFileNotFound)
            calls.sleep(kStartPauseMs);
        return;
    }
    for (int nTry = 1; !calls.findDialKeyboard(); ++nTry) {
        // It ended meanwhile: there is nothing to show or hide.
        if (nTry == kLookupTries)
            return;
        calls.sleep(kLookupPauseMs);
    }
    // Ready, not ready in time, or not to be waited for: the show-hide program runs all the same.
    calls.waitForInputIdle(kReadyWaitMs);
    calls.open(paths->showHide);
}
