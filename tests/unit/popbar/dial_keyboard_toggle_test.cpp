// The dial-keyboard key's decisions over a made-up machine: which programs it opens, and how long it
// pauses and waits, as a log of the calls it makes.
#include "peers/dial_keyboard_toggle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::wstring>;

struct Machine {
    bool bCanList = true;
    std::vector<DWORD> processes{4, 8, 12};
    DWORD nDialKeysId = 0; // the process that is "DialKeys.exe"; 0 for none
    std::vector<std::wstring> programFolders{L"C:\\Program Files"};
    std::vector<std::wstring> files; // every path that exists; none: every keyboard is looked for in vain
    INT_PTR nShellAnswer = 42;
    int nFoundOnTry = 1; // 0: never found by name
    DWORD nIdleAnswer = 0;
};

// The platform's listing of these processes: it fills the list it is given and says how many bytes it
// filled, never more than it got; each call is counted.
EnumerateProcesses Listing(const std::vector<DWORD>& running, int& nCalls)
{
    return [&running, &nCalls](DWORD* pIds, DWORD cb, DWORD* pcbFilled) {
        ++nCalls;
        const size_t nFilled = std::min<size_t>(running.size(), cb / sizeof(DWORD));
        std::copy_n(running.begin(), nFilled, pIds);
        *pcbFilled = static_cast<DWORD>(nFilled * sizeof(DWORD));
        return true;
    };
}

Log Press(const Machine& machine)
{
    Log log;
    int nTries = 0;
    DialKeyboardCalls calls;
    int nListings = 0;
    calls.listProcesses = [&]() -> std::optional<std::vector<DWORD>> {
        if (!machine.bCanList)
            return std::nullopt;
        return ListAllProcesses(Listing(machine.processes, nListings));
    };
    calls.isDialKeyboard = [&](DWORD nId) {
        log.push_back(L"ask " + std::to_wstring(nId));
        return nId == machine.nDialKeysId;
    };
    calls.programFolders = [&] { return machine.programFolders; };
    calls.fileExists = [&](const std::wstring& path) {
        return std::find(machine.files.begin(), machine.files.end(), path) != machine.files.end();
    };
    calls.open = [&](const std::wstring& path) {
        log.push_back(L"open " + path);
        return machine.nShellAnswer;
    };
    calls.sleep = [&](DWORD nMs) { log.push_back(L"sleep " + std::to_wstring(nMs)); };
    calls.findDialKeyboard = [&] {
        log.push_back(L"find");
        return ++nTries == machine.nFoundOnTry;
    };
    calls.waitForInputIdle = [&](DWORD nMs) {
        log.push_back(L"wait " + std::to_wstring(nMs));
        return machine.nIdleAnswer;
    };
    RunDialKeyboardToggle(calls);
    return log;
}

const std::wstring kKeyboard = L"open C:\\Program Files\\Microsoft Touch Pack\\DialKeys\\DialKeys.exe";
const std::wstring kShowHide = L"open C:\\Program Files\\Microsoft Touch Pack\\DialKeys\\showHide.exe";

Log Finds(int nCount)
{
    Log log;
    for (int i = 1; i <= nCount; ++i) {
        log.push_back(L"find");
        if (i < nCount)
            log.push_back(L"sleep 500");
    }
    return log;
}

Log Join(Log log, const Log& more)
{
    log.insert(log.end(), more.begin(), more.end());
    return log;
}

} // namespace

TEST(DialKeyboardToggle, NoKeyboardRunningStartsItAndPausesUnlessTouchPackIsMissing)
{
    const Log asked{L"ask 4", L"ask 8", L"ask 12"};
    Machine machine;
    EXPECT_EQ(Press(machine), Join(asked, {kKeyboard, L"sleep 1000"})) << "started";
    machine.nShellAnswer = 3;
    EXPECT_EQ(Press(machine), Join(asked, {kKeyboard, L"sleep 1000"})) << "path not found: pauses all the same";
    machine.nShellAnswer = 2;
    EXPECT_EQ(Press(machine), Join(asked, {kKeyboard})) << "file not found: Touch Pack is not installed";
}

TEST(DialKeyboardToggle, RunningKeyboardGetsTheShowHideProgramWhateverItsReadiness)
{
    Machine machine;
    machine.nDialKeysId = 8;
    const Log asked{L"ask 4", L"ask 8"};
    for (DWORD nAnswer : {DWORD{0}, DWORD{WAIT_TIMEOUT}, WAIT_FAILED}) {
        machine.nIdleAnswer = nAnswer;
        EXPECT_EQ(Press(machine), Join(asked, {L"find", L"wait 5000", kShowHide})) << nAnswer;
    }
    machine.nFoundOnTry = 3;
    EXPECT_EQ(Press(machine), Join(Join(asked, Finds(3)), {L"wait 5000", kShowHide}));
    machine.nFoundOnTry = 0;
    EXPECT_EQ(Press(machine), Join(asked, Finds(12))) << "it ended meanwhile: twelve tries, eleven pauses";
}

TEST(DialKeyboardToggle, NoProcessListOrNoUsablePathDoesNothing)
{
    Machine machine;
    machine.bCanList = false;
    EXPECT_EQ(Press(machine), Log{});

    machine = Machine{};
    machine.processes.clear();
    machine.programFolders = {L""};
    EXPECT_EQ(Press(machine), (Log{L"open \\Microsoft Touch Pack\\DialKeys\\DialKeys.exe", L"sleep 1000"}))
        << "an unknown folder roots the paths at the current drive";

    machine.programFolders = {L"C:\\" + std::wstring(300, L'x')};
    EXPECT_EQ(Press(machine), Log{});
}

// A 32-bit Popbar on 64-bit Windows looks in its own Program Files folder, then in the machine's own,
// where the Touch Pack's 64-bit package installs.
TEST(DialKeyboardToggle, TheKeyboardIsTakenFromTheFirstFolderThatHoldsIt)
{
    const std::wstring x86 = L"C:\\Program Files (x86)";
    const std::wstring native = L"C:\\Program Files";
    const std::wstring tail = L"\\Microsoft Touch Pack\\DialKeys\\";
    const struct {
        std::vector<std::wstring> folders;
        std::vector<std::wstring> files;
        std::optional<std::wstring> chosen; // the folder of the paths; nothing: no paths
    } cases[] = {
        {{x86, native}, {x86 + tail + L"DialKeys.exe"}, x86},
        {{x86, native}, {native + tail + L"DialKeys.exe"}, native},
        {{x86, native}, {x86 + tail + L"DialKeys.exe", native + tail + L"DialKeys.exe"}, x86},
        {{x86, native}, {}, x86}, // in neither: the shell does not find the first
        {{x86, native}, {x86 + tail + L"showHide.exe", native + tail + L"DialKeys.exe"}, native},
        {{L"", native}, {native + tail + L"DialKeys.exe"}, native},
        {{L"C:\\" + std::wstring(300, L'x'), native}, {native + tail + L"DialKeys.exe"}, native},
        {{L"C:\\" + std::wstring(300, L'x'), native}, {}, std::nullopt},
        {{native}, {}, native},
        {{}, {}, L""}, // no folder known: the current drive's root
    };
    for (const auto& c : cases) {
        const auto exists = [&](const std::wstring& path) {
            return std::find(c.files.begin(), c.files.end(), path) != c.files.end();
        };
        const auto paths = ChooseDialKeyboardPaths(c.folders, exists);
        const std::wstring where = c.folders.empty() ? L"none" : c.folders.front();
        if (!c.chosen) {
            EXPECT_FALSE(paths) << where.size();
            continue;
        }
        ASSERT_TRUE(paths) << where.size();
        EXPECT_EQ(paths->keyboard, *c.chosen + tail + L"DialKeys.exe") << c.files.size();
        EXPECT_EQ(paths->showHide, *c.chosen + tail + L"showHide.exe") << c.files.size();
    }

    Machine machine;
    machine.programFolders = {x86, native};
    machine.files = {native + tail + L"DialKeys.exe"};
    machine.nDialKeysId = 12;
    EXPECT_EQ(Press(machine), (Log{L"ask 4", L"ask 8", L"ask 12", L"find", L"wait 5000", L"open " + native + tail + L"showHide.exe"}))
        << "the running keyboard of the 64-bit package is shown or hidden by its own program";
}

TEST(DialKeyboardToggle, EveryProcessIsListedAndAKeyboardStartedLastIsFound)
{
    for (const size_t nRunning : {size_t{0}, size_t{1023}, size_t{1024}, size_t{1025}, size_t{5000}}) {
        std::vector<DWORD> running(nRunning);
        for (size_t i = 0; i < nRunning; ++i)
            running[i] = static_cast<DWORD>(4 * (i + 1));
        int nCalls = 0;
        const auto processes = ListAllProcesses(Listing(running, nCalls));
        ASSERT_TRUE(processes) << nRunning;
        EXPECT_EQ(*processes, running) << nRunning;
        EXPECT_EQ(nCalls, nRunning < 1024 ? 1 : nRunning < 2048 ? 2 : 4) << nRunning;
    }
    EXPECT_FALSE(ListAllProcesses([](DWORD*, DWORD, DWORD*) { return false; }));

    // 5000 processes with the keyboard the last of them: it is found and shown or hidden.
    Machine machine;
    machine.processes.resize(5000);
    for (size_t i = 0; i < machine.processes.size(); ++i)
        machine.processes[i] = static_cast<DWORD>(4 * (i + 1));
    machine.nDialKeysId = machine.processes.back();
    const Log log = Press(machine);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 4], L"ask 20000");
    EXPECT_EQ(Log(log.end() - 3, log.end()), (Log{L"find", L"wait 5000", kShowHide}));
}

TEST(DialKeyboardToggle, PathsFitMaxPathWithTheirNullOrAreNotMade)
{
    // "\Microsoft Touch Pack\DialKeys\DialKeys.exe" is 43 characters.
    for (size_t nFolder : {size_t{0}, size_t{100}, size_t{215}, size_t{216}}) {
        const auto paths = DialKeyboardPathsUnder(std::wstring(nFolder, L'f'));
        ASSERT_TRUE(paths) << nFolder;
        EXPECT_EQ(paths->keyboard.size(), nFolder + 43);
        EXPECT_EQ(paths->showHide.substr(nFolder), L"\\Microsoft Touch Pack\\DialKeys\\showHide.exe");
    }
    for (size_t nFolder : {size_t{217}, size_t{259}, size_t{4000}})
        EXPECT_FALSE(DialKeyboardPathsUnder(std::wstring(nFolder, L'f'))) << nFolder;
}

TEST(DialKeyboardToggle, LowerCasingTouchesOnlyAToZ)
{
    EXPECT_EQ(LowerCased(L"DialKeys.EXE"), L"dialkeys.exe");
    EXPECT_EQ(LowerCased(L"@AZ[`az{\u00C9\u0130"), L"@az[`az{\u00C9\u0130");
    EXPECT_EQ(LowerCased(L""), L"");
}
