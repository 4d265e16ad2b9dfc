#include "screenhub_app.h"

#include "command_line.h"
#include "hub_settings.h"
#include "protocol/screen_hub.h"
#include "starting_state.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

const wchar_t kSingleInstanceMutex[] = L"Local\\CorvaleScreenHub";

// The words after the program's name in a command line.
std::vector<std::wstring> ArgumentWords(const std::wstring& commandLine)
{
    std::vector<std::wstring> words = fw::CommandLineWords(commandLine.c_str());
    if (!words.empty())
        words.erase(words.begin());
    return words;
}

// The command line's switches; with none, those of the environment variable, parsed the same way.
std::vector<std::wstring> SwitchWords()
{
    std::vector<std::wstring> words = ArgumentWords(::GetCommandLineW());
    if (!words.empty())
        return words;
    const DWORD cch = ::GetEnvironmentVariableW(kOptionsVariable, nullptr, 0);
    if (cch == 0)
        return words;
    std::wstring value(cch, L'\0');
    value.resize(::GetEnvironmentVariableW(kOptionsVariable, value.data(), cch));
    return ArgumentWords(L"ScreenHub.exe " + value);
}

fw::unique_file OpenJournal(const std::wstring& path)
{
    return fw::unique_file(::CreateFileW(path.c_str(), FILE_APPEND_DATA,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

CScreenHubApp g_app;

BOOL CScreenHubApp::InitInstance()
{
    const std::optional<HubOptions> options = ParseHubOptions(SwitchWords());
    if (!options) {
        m_nExitCode = 2;
        return FALSE;
    }
    // The mutex also covers two copies started at once, before either has its window.
    if (::FindWindowW(nullptr, kScreenHubTitle))
        return FALSE;
    m_singleInstance.reset(::CreateMutexW(nullptr, FALSE, kSingleInstanceMutex));
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;

    fw::unique_file journal;
    if (!options->journalPath.empty()) {
        journal = OpenJournal(options->journalPath);
        if (!journal) {
            m_nExitCode = 3;
            return FALSE;
        }
    }

    const HubState state = StartingState(*options, ReadHubSetting(kStatusValue), ReadHubSetting(kDisplayValue),
                                         ReadBatteryPercent(*options));
    m_window.emplace(*options, state, std::move(journal));
    if (!m_window->Create(m_hInstance)) {
        m_nExitCode = 1;
        return FALSE;
    }
    return TRUE;
}
