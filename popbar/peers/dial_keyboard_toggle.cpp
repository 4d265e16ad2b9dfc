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
