// Stagehand copied into a fresh folder with its own .ini, run as Windows would run it; the setup
// commands are recorder.exe, which logs every start and end beside itself.
#include "stagehand_fixture.h"

#include "paths.h"
#include "process.h"
#include "registry_values.h"
#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace stagehand_e2e;

TEST_F(StagehandRun, RunsTheCommandsInOrderOneAtATimeInItsOwnFolder)
{
    WriteIni(Section("FactoryMode", {"recorder.exe 1 linger", "recorder.exe 2 linger", "recorder.exe 3 linger"}));
    Start();
    ASSERT_TRUE(Ended());
    const std::vector<Record> records = Records();
    std::vector<std::string> sequence;
    for (const Record& record : records)
        sequence.push_back(record.event + " " + record.tag);
    EXPECT_EQ(sequence, (std::vector<std::string>{"start 1", "end 1", "start 2", "end 2", "start 3", "end 3"}));
    for (const Record& record : records) {
        if (record.event == "start") {
            EXPECT_EQ(_stricmp(record.folder.c_str(), m_folder.substr(0, m_folder.size() - 1).c_str()), 0)
                << record.folder;
        }
    }
}

TEST_F(StagehandRun, MissingOrEmptyKeyEndsTheList)
{
    WriteIni("[FactoryMode]\r\nSetup1=recorder.exe 1\r\nSetup2=recorder.exe 2\r\nSetup4=recorder.exe 4\r\n");
    Start();
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Started(), (std::vector<std::string>{"1", "2"}));

    ::DeleteFileA((m_folder + "recorder.log").c_str());
    WriteIni("[FactoryMode]\r\nSetup1=recorder.exe 1\r\nSetup2=recorder.exe 2\r\nSetup3=\r\nSetup4=recorder.exe 4\r\n");
    Start();
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Started(), (std::vector<std::string>{"1", "2"}));
}

TEST_F(StagehandRun, SixtyKeysRunTheFirstFortyNine)
{
    std::vector<std::string> commands;
    std::vector<std::string> expected;
    for (int n = 1; n <= 60; ++n) {
        commands.push_back("recorder.exe " + std::to_string(n));
        if (n <= 49)
            expected.push_back(std::to_string(n));
    }
    WriteIni(Section("FactoryMode", commands));
    Start();
    ASSERT_TRUE(Ended(60000));
    EXPECT_EQ(Started(), expected);
}

TEST_F(StagehandRun, SlashInfixSelectsItsOwnKeys)
{
    WriteIni(Section("FactoryMode", {"recorder.exe plain1", "recorder.exe plain2"}) +
             "SetupExtra1=recorder.exe extra1\r\nSetupExtra2=recorder.exe extra2\r\n");
    Start("-q /Extra");
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Started(), (std::vector<std::string>{"extra1", "extra2"}));
}

TEST_F(StagehandRun, AnEmptyListClosesTheWindowAtOnce)
{
    Start();
    EXPECT_TRUE(Ended(5000)) << "no .ini file at all";
    WriteIni(Section("UserMode", {"recorder.exe user"}));
    Start();
    EXPECT_TRUE(Ended(5000)) << "no section for the mode";
    EXPECT_TRUE(Started().empty());
}

TEST_F(StagehandRun, AnExecutableOfAnotherNameReadsTheIniOfThatName)
{
    ASSERT_TRUE(::CopyFileA((m_folder + "Stagehand.exe").c_str(), (m_folder + "Prep.Exe.EXE").c_str(), FALSE));
    WriteIni(Section("FactoryMode", {"recorder.exe stagehand"}));
    WriteIni(Section("FactoryMode", {"recorder.exe prep"}), "prep.ini.ini");
    Start("", "Prep.Exe.EXE");
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Started(), (std::vector<std::string>{"prep"}));
}

TEST_F(StagehandRun, ImageStateCompleteSelectsUserModeAndAnythingElseFactoryMode)
{
    const driver::ScopedValue saved(HKEY_LOCAL_MACHINE, kSetupStateKey, kImageState, std::nullopt);
    WriteIni(Section("UserMode", {"recorder.exe user"}) + Section("FactoryMode", {"recorder.exe factory"}));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"IMAGE_STATE_COMPLETE", "user"},
        {"image_state_complete", "factory"},
        {"IMAGE_STATE_COMPLETE ", "factory"},
        {"IMAGE_STATE_UNDEPLOYABLE", "factory"},
    };
    for (const auto& [state, mode] : cases) {
        ASSERT_TRUE(driver::WriteString(HKEY_LOCAL_MACHINE, kSetupStateKey, kImageState, state));
        ::DeleteFileA((m_folder + "recorder.log").c_str());
        Start();
        ASSERT_TRUE(Ended());
        EXPECT_EQ(Started(), (std::vector<std::string>{mode})) << '"' << state << '"';
    }
    driver::DeleteValue(HKEY_LOCAL_MACHINE, kSetupStateKey, kImageState);
    ::DeleteFileA((m_folder + "recorder.log").c_str());
    Start();
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Started(), (std::vector<std::string>{"factory"})) << "no ImageState value";
}

TEST_F(StagehandRun, BeforeVersionSixTheMarkerFilesDecideAndTheRegistryDoesNot)
{
    const driver::ScopedValue savedVersion(HKEY_CURRENT_USER, kAppDefaultsKey, "Version", std::nullopt);
    const driver::ScopedValue savedState(HKEY_LOCAL_MACHINE, kSetupStateKey, kImageState, std::nullopt);
    ASSERT_TRUE(driver::WriteString(HKEY_CURRENT_USER, kAppDefaultsKey, "Version", "winxp"));
    ASSERT_TRUE(driver::WriteString(HKEY_LOCAL_MACHINE, kSetupStateKey, kImageState, "IMAGE_STATE_COMPLETE"));
    WriteIni(Section("UserMode", {"recorder.exe user"}) + Section("FactoryMode", {"recorder.exe factory"}));

    auto runMode = [&] {
        ::DeleteFileA((m_folder + "recorder.log").c_str());
        Start();
        EXPECT_TRUE(Ended());
        const std::vector<std::string> started = Started();
        return started.size() == 1 ? started[0] : std::string("?");
    };
    ASSERT_EQ(::GetFileAttributesA("C:\\SYSPREP"), INVALID_FILE_ATTRIBUTES) << "the prefix has no SYSPREP folder";
    EXPECT_EQ(runMode(), "factory") << "neither file: the registry plays no part";

    ASSERT_TRUE(::CreateDirectoryA("C:\\SYSPREP", nullptr));
    std::ofstream("C:\\SYSPREP\\SYSPREP.EXE") << "marker";
    EXPECT_EQ(runMode(), "user");
    ::DeleteFileA("C:\\SYSPREP\\SYSPREP.EXE");
    ::RemoveDirectoryA("C:\\SYSPREP");

    const bool bOptionsExisted = ::GetFileAttributesA("C:\\Windows\\OPTIONS") != INVALID_FILE_ATTRIBUTES;
    ::CreateDirectoryA("C:\\Windows\\OPTIONS", nullptr);
    std::ofstream("C:\\Windows\\OPTIONS\\Oemreset.exe") << "marker";
    EXPECT_EQ(runMode(), "user");
    ::DeleteFileA("C:\\Windows\\OPTIONS\\Oemreset.exe");
    if (!bOptionsExisted)
        ::RemoveDirectoryA("C:\\Windows\\OPTIONS");
}

TEST_F(StagehandRun, MacrosAreReplacedInTheCommandLine)
{
    char winDir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(winDir, MAX_PATH);
    char computer[256] = {};
    DWORD nComputer = sizeof(computer);
    ::GetComputerNameA(computer, &nComputer);
    const auto programFiles =
        driver::ReadString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    auto language =
        driver::ReadString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language", "InstallLanguage");
    ASSERT_TRUE(programFiles && language);
    for (char& c : *language)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));

    WriteIni(Section("FactoryMode", {"%CurrentLocation%\\recorder.exe m [%WinDir%] [%ProgramFiles%] [%ComputerName%] "
                                     "[%LangID%] [%windir%] [%CurrentLocation%tools] [%WINDIR%]"}));
    Start();
    ASSERT_TRUE(Ended());
    const auto started = Find("start", "m");
    ASSERT_TRUE(started);
    EXPECT_EQ(started->commandLine, m_folder + "recorder.exe m [" + winDir + "] [" + *programFiles + "] [" + computer +
                                        "] [" + *language + "] [%windir%] [%CurrentLocation%tools] [%WINDIR%]");
}

TEST_F(StagehandRun, ProgramFilesIsReadWhereTheKeyOnlyAllowsReading)
{
    const char key[] = "Software\\Microsoft\\Windows\\CurrentVersion";
    const auto programFiles = driver::ReadString(HKEY_LOCAL_MACHINE, key, "ProgramFilesDir");
    ASSERT_TRUE(programFiles);
    WriteIni(Section("FactoryMode", {"recorder.exe p %ProgramFiles%\\x"}));
    driver::ReadOnlyKey readOnly(HKEY_LOCAL_MACHINE, key);
    ASSERT_TRUE(readOnly.Applied());
    Start();
    ASSERT_TRUE(Ended());
    const auto started = Find("start", "p");
    ASSERT_TRUE(started);
    EXPECT_EQ(started->commandLine, "recorder.exe p " + *programFiles + "\\x");
}

TEST_F(StagehandRun, ALongValueRunsAsItsFirst259Characters)
{
    const std::string command = "recorder.exe long " + std::string(300, 'a');
    WriteIni(Section("FactoryMode", {command}));
    Start();
    ASSERT_TRUE(Ended());
    const auto started = Find("start", "long");
    ASSERT_TRUE(started);
    EXPECT_EQ(started->commandLine, command.substr(0, 259));
}

namespace {

// Every byte value, line ends included.
std::string AllBytes()
{
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

// Every byte value but the line ends: junk that no line end cuts off from what follows it.
std::string JunkWithoutLineEnds()
{
    std::string junk = AllBytes();
    junk.erase(std::remove_if(junk.begin(), junk.end(), [](char c) { return c == '\r' || c == '\n'; }), junk.end());
    return junk;
}

std::string Repeat(const std::string& text, int n)
{
    std::string repeated;
    for (int i = 0; i < n; ++i)
        repeated += text;
    return repeated;
}

std::vector<std::string> Commands(int nFirst, int nLast)
{
    std::vector<std::string> commands;
    for (int n = nFirst; n <= nLast; ++n)
        commands.push_back("recorder.exe " + std::to_string(n));
    return commands;
}

// A registry value that one case sets for its run.
struct Setting {
    HKEY hRoot;
    const char* pszKey;
    const char* pszName;
    std::string value;
};

const char kComputerNameKey[] = "System\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
const char kLanguageKey[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";

// One hostile .ini file: its bytes, the settings of its run, and the command lines that must
// start, in order.
struct HostileIni {
    const char* name;
    std::string ini;
    std::vector<Setting> settings;
    std::vector<std::string> started;
};

} // namespace

TEST_F(StagehandRun, HostileIniFilesRunWhatTheRulesLetThroughAndEnd)
{
    const std::string header = "[FactoryMode]\r\n";
    const std::string setup1 = "Setup1=recorder.exe 1\r\n";
    const std::string setup2 = "Setup2=recorder.exe 2\r\n";
    // The longest computer name there is (longer ones make the platform's call fail).
    const std::string computerName = "ABCDEFGHIJKLMNO";
    // A language text that fills its 256-byte field, and a programs folder made of that macro.
    const std::string language(255, 'L');
    const std::string programsFolder = Repeat("%LangID%", 31);

    const HostileIni cases[] = {
        {"junk before, between and after the lines",
         AllBytes() + "\r\n" + header + setup1 + AllBytes() + "\r\n" + setup2 + AllBytes(),
         {},
         {"recorder.exe 1", "recorder.exe 2"}},
        {"junk inside a value: its zero byte ends the value",
         header + "Setup1=recorder.exe 1 " + AllBytes() + "\r\n" + setup2,
         {},
         {"recorder.exe 1 ", "recorder.exe 2"}},
        {"junk without line ends runs into the next key, which ends the list",
         header + setup1 + JunkWithoutLineEnds() + setup2 + "Setup3=recorder.exe 3\r\n",
         {},
         {"recorder.exe 1"}},
        {"junk without line ends before the section name hides the section",
         JunkWithoutLineEnds() + header + setup1,
         {},
         {}},
        {"a value of 10,000 characters runs as its first 259",
         header + "Setup1=recorder.exe 1 " + std::string(10000, 'v') + "\r\n" + setup2,
         {},
         {"recorder.exe 1 " + std::string(244, 'v'), "recorder.exe 2"}},
        {"a key name of 10,000 characters between two keys",
         header + setup1 + std::string(10000, 'k') + "=recorder.exe k\r\n" + setup2,
         {},
         {"recorder.exe 1", "recorder.exe 2"}},
        {"a thousand keys: the first 49 run", Section("FactoryMode", Commands(1, 1000)), {}, Commands(1, 49)},
        // 33 characters, then 12 whole macros, then the cut: "%CurrentLo".
        {"%CurrentLocation%\\ over and over: cut at 259, then each one replaced",
         header + "Setup1=%CurrentLocation%\\recorder.exe 1 " + Repeat("%CurrentLocation%\\", 20) + "\r\n",
         {},
         {m_folder + "recorder.exe 1 " + Repeat(m_folder, 12) + "%CurrentLo"}},
        // 15 characters, then 17 whole macros, then the cut: "%Compu".
        {"%ComputerName% over and over: cut at 259, then each one replaced",
         header + "Setup1=recorder.exe 1 " + Repeat("%ComputerName%", 20) + "\r\n",
         {{HKEY_LOCAL_MACHINE, kComputerNameKey, "ComputerName", computerName}},
         {"recorder.exe 1 " + Repeat(computerName, 17) + "%Compu"}},
        // Command 2 grows to 15 + 17 * 31 * 255 characters, past what a program can be started with.
        {"macro values holding macros: a line of 7,665 runs whole, one of 134,400 is skipped",
         header + "Setup1=recorder.exe 1 " + Repeat("%LangID%", 30) + "\r\nSetup2=recorder.exe 2 " +
             Repeat("%ProgramFiles%", 17) + "\r\nSetup3=recorder.exe 3\r\n",
         {{HKEY_LOCAL_MACHINE, kLanguageKey, "InstallLanguage", language},
          {HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", programsFolder}},
         {"recorder.exe 1 " + Repeat(language, 30), "recorder.exe 3"}},
    };
    for (const HostileIni& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<driver::ScopedValue>> settings;
        for (const Setting& setting : c.settings)
            settings.push_back(
                std::make_unique<driver::ScopedValue>(setting.hRoot, setting.pszKey, setting.pszName, setting.value));
        ::DeleteFileA((m_folder + "recorder.log").c_str());
        WriteIni(c.ini);
        Start();
        const std::optional<DWORD> exitCode = m_stagehand.WaitForExit(30000);
        ASSERT_TRUE(exitCode) << "Stagehand did not end";
        EXPECT_EQ(*exitCode, 0u) << "ended by its own return, not by a fault";
        std::vector<std::string> started;
        for (const Record& record : Records())
            if (record.event == "start")
                started.push_back(record.commandLine);
        EXPECT_EQ(started, c.started);
    }
}

TEST_F(StagehandRun, RewritingTheIniDuringTheRunChangesNothingInThisRun)
{
    Hold("first");
    WriteIni(Section("FactoryMode", {"recorder.exe first hold", "recorder.exe second"}));
    Start();
    ASSERT_TRUE(WaitFor("start", "first"));
    WriteIni(Section("FactoryMode", {"recorder.exe first", "recorder.exe changed", "recorder.exe added"}));
    Release("first");
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Started(), (std::vector<std::string>{"first", "second"}));
}

TEST_F(StagehandRun, ACommandThatCannotStartIsTriedForTenSecondsThenSkipped)
{
    WriteIni(Section("FactoryMode",
                     {"recorder.exe before", "C:\\stagehand-test\\no-such-program.exe", "recorder.exe after"}));
    Start();
    ASSERT_TRUE(Ended(30000));
    EXPECT_EQ(Started(), (std::vector<std::string>{"before", "after"}));
    const auto before = Find("end", "before");
    const auto after = Find("start", "after");
    ASSERT_TRUE(before && after);
    const unsigned long long gap = after->ms - before->ms;
    std::printf("gap for a program that cannot start: %llu ms\n", gap);
    EXPECT_GE(gap, 9500u) << "five attempts, each followed by a 2000 ms pause";
}

TEST_F(StagehandRun, TheWaitWindowShowsItsTextWhileACommandRunsAndClosesAfterTheLast)
{
    Hold("only");
    WriteIni(Section("FactoryMode", {"recorder.exe only hold"}));
    Start();
    ASSERT_TRUE(WaitFor("start", "only"));
    HWND hDlg = nullptr;
    ASSERT_TRUE(driver::WaitUntil([&] { return (hDlg = WaitWindow()) != nullptr; }));

    const LONG_PTR style = ::GetWindowLongPtrW(hDlg, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION) << "no caption";
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_TRUE(::GetWindowLongPtrW(hDlg, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    // WM_GETICON from another process answers nothing under Wine, so only the icon it sets is checked.
    fw::unique_hmodule image(::LoadLibraryExA((m_folder + "Stagehand.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    EXPECT_TRUE(::LoadIconA(image.get(), MAKEINTRESOURCEA(128))) << "the program's icon";

    HWND hText = ::FindWindowExW(hDlg, nullptr, L"Static", nullptr);
    ASSERT_TRUE(hText);
    EXPECT_EQ(::FindWindowExW(hDlg, hText, nullptr, nullptr), nullptr) << "one control";
    EXPECT_EQ(static_cast<int>(::GetWindowLongPtrW(hText, GWLP_ID)), -1);
    EXPECT_TRUE(::GetWindowLongPtrW(hText, GWL_STYLE) & SS_CENTER);
    EXPECT_EQ(Narrow(driver::WindowText(hText)), kWaitText);

    Release("only");
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(::IsWindow(hDlg));
}

// How the user ends the wait window early: a close request, Escape, or Enter.
struct EarlyEnd {
    const char* name;
    UINT message;
    WPARAM wParam;
};

class StagehandEarlyEnd : public StagehandRun, public testing::WithParamInterface<EarlyEnd> {};

TEST_P(StagehandEarlyEnd, LeavesTheRunningCommandRunningAndStartsNoMore)
{
    Hold("3");
    WriteIni(Section("FactoryMode",
                     {"recorder.exe 1", "recorder.exe 2", "recorder.exe 3 hold", "recorder.exe 4", "recorder.exe 5"}));
    Start();
    ASSERT_TRUE(WaitFor("start", "3"));
    HWND hDlg = nullptr;
    ASSERT_TRUE(driver::WaitUntil([&] { return (hDlg = WaitWindow()) != nullptr; }));
    ::PostMessageW(hDlg, GetParam().message, GetParam().wParam, 0);
    ASSERT_TRUE(Ended(5000)) << "the window ends without waiting for the command";

    const auto third = Find("start", "3");
    ASSERT_TRUE(third);
    EXPECT_TRUE(IsRunning(third->pid)) << "command 3 is not ended with the window";
    EXPECT_FALSE(Find("end", "3"));
    Release("3");
    ASSERT_TRUE(WaitFor("end", "3"));
    EXPECT_EQ(Started(), (std::vector<std::string>{"1", "2", "3"}));
}

INSTANTIATE_TEST_SUITE_P(Stagehand, StagehandEarlyEnd,
                         testing::Values(EarlyEnd{"Close", WM_CLOSE, 0}, EarlyEnd{"Escape", WM_KEYDOWN, VK_ESCAPE},
                                         EarlyEnd{"Enter", WM_KEYDOWN, VK_RETURN}),
                         [](const testing::TestParamInfo<EarlyEnd>& info) { return std::string(info.param.name); });
