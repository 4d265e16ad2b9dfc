#pragma once
// Stagehand copied into a fresh folder with its own .ini, run as Windows would run it; the setup
// commands are recorder.exe, which logs every start and end beside itself.
#include "handles.h"
#include "process.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace stagehand_e2e {

inline constexpr char kSetupStateKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Setup\\State";
inline constexpr char kImageState[] = "ImageState";
inline constexpr char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\Stagehand.exe";
inline constexpr char kWaitText[] = "\r\nThe installation may take several minutes.\r\nPlease wait...";

// One line of recorder.exe's log.
struct Record {
    std::string event; // "start" or "end"
    std::string tag;
    DWORD pid = 0;
    unsigned long long ms = 0;
    std::string folder;      // start only
    std::string commandLine; // start only
};

std::string Narrow(const std::wstring& text);
std::wstring Wide(const std::string& text);
// "[Section]" and Setup<infix>1..n for the given command lines.
std::string Section(const std::string& name, const std::vector<std::string>& commands, const std::string& infix = "");
bool IsRunning(DWORD pid);

class StagehandRun : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void WriteIni(const std::string& text, const std::string& name = "stagehand.ini");
    // Starts the copy in the test folder from another working folder.
    void Start(const std::string& arguments = "", const std::string& exeName = "Stagehand.exe");
    bool Ended(DWORD nTimeoutMs = 15000) { return m_stagehand.WaitForExit(nTimeoutMs).has_value(); }

    // Keeps the command "recorder.exe TAG hold" running until Release(TAG).
    void Hold(const std::string& tag);
    void Release(const std::string& tag) { ::SetEvent(m_releases.at(tag).get()); }

    std::vector<Record> Records() const;
    std::vector<std::string> Started() const;
    std::size_t Count(const std::string& event) const;
    std::optional<Record> Find(const std::string& event, const std::string& tag) const;
    bool WaitFor(const std::string& event, const std::string& tag, DWORD nTimeoutMs = 10000) const;
    // Stagehand's visible wait window, or null.
    HWND WaitWindow() const;

    std::string m_folder;
    driver::ChildProcess m_stagehand;
    std::map<std::string, fw::unique_handle> m_releases;
};

} // namespace stagehand_e2e
