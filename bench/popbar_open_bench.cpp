// popbar_open_bench: how long Popbar's menu takes to open when the menu key arrives, beside the floor
// of showing and painting a plain top-most pop-up of the same size in another process of the same
// desktop. Figures only: the targets are printed beside them and never make the run fail.
//   popbar_open_bench POPBAR_WITHOUT_HUB [CYCLES]
//       Two rounds of CYCLES open-and-hide cycles per run (200 when not given), each beside the floor:
//       1. POPBAR_WITHOUT_HUB, a Popbar.exe in a folder with no Screen Hub beside it, so its status
//          query falls back to the registry;
//       2. the installed Popbar beside the installed Screen Hub, which answers at once: opened by
//          MSG_MENUBTN with the status query timed alongside, and by the laptop's menu key through
//          KeyRelay.
//       The bench starts and ends Popbar and Screen Hub itself; no other Popbar may run.
//   popbar_open_bench --floor-window    the floor window's own process, started by the bench itself
#include "floor_window.h"
#include "open_cycles.h"
#include "open_stats.h"
#include "status_query.h"

#include "handles.h"
#include "paths.h"
#include "popbar_menu.h"
#include "process.h"
#include "process_resources.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "registry.h"
#include "wait.h"
#include "window_query.h"

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultCycles = 200;
constexpr int kEarlyCountCycle = 10;
constexpr double kFloorFactorTarget = 2.0;
constexpr double kP99TargetMs = 16.0;
// Dismiss allowed, wired LAN on, battery at 80 %: a menu with lit and unlit pairs and two digits.
constexpr DWORD kStatusWord = STATUS_DISMISS_ALLOWED | STATUS_WIRED_LAN_ON | (80u << kBatteryShift);
// The same menu from Screen Hub's own state.
const wchar_t kScreenHubSwitches[] = L"--status 0x11 --battery 80";

// One row of the results: a window opened and hidden again, and the process whose resources are
// read meanwhile (null: none).
struct BenchRun {
    OpenTarget target;
    HANDLE hCountedProcess = nullptr;
    bool bTimeStatusQuery = false; // Screen Hub's status query timed right before each open
};

struct CountsAt {
    int nCycle;
    driver::ProcessResources counts;
};

struct RunResult {
    std::string label;
    OpenBy openBy = OpenBy::MenuKeyMessage;
    std::vector<double> openMs;  // one per completed cycle
    std::vector<double> queryMs; // with bTimeStatusQuery: one per completed cycle
    std::vector<double> restMs;  // open minus query, cycle by cycle
    std::string failure;         // why the run stopped early; empty when every cycle was done
    std::vector<CountsAt> counts;
};

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// One cycle of one run, appended to its result; false when the run has to stop.
bool MeasureCycle(const BenchRun& run, int n, RunResult& result)
{
    std::optional<StatusAnswer> answer;
    if (run.bTimeStatusQuery) {
        answer = TimeStatusQuery();
        if (!answer) {
            result.failure = "Screen Hub did not answer the status query in cycle " + std::to_string(n);
            return false;
        }
    }
    const OpenCycle cycle = RunOpenCycle(run.target);
    if (!cycle.openMs) {
        result.failure = cycle.failure + " in cycle " + std::to_string(n);
        return false;
    }
    result.openMs.push_back(*cycle.openMs);
    if (answer) {
        result.queryMs.push_back(answer->ms);
        result.restMs.push_back(*cycle.openMs - answer->ms);
    }
    return true;
}

// The runs take turns cycle by cycle, so a change in the machine's load reaches all of them alike.
std::vector<RunResult> MeasureRuns(const std::vector<BenchRun>& runs, int nCycles)
{
    std::vector<RunResult> results;
    for (const BenchRun& run : runs)
        results.push_back({run.target.label, run.target.openBy, {}, {}, {}, "", {}});
    for (int n = 1; n <= nCycles; ++n) {
        for (size_t i = 0; i < runs.size(); ++i) {
            RunResult& result = results[i];
            if (!result.failure.empty() || !MeasureCycle(runs[i], n, result))
                continue;
            if (runs[i].hCountedProcess && (n == kEarlyCountCycle || n == nCycles))
                result.counts.push_back({n, driver::ReadProcessResources(runs[i].hCountedProcess)});
        }
    }
    return results;
}

HWND StartFloorWindow(driver::ChildProcess& floor)
{
    HWND hWnd = nullptr;
    if (!floor.Start(OwnPath(), kFloorWindowSwitch))
        return nullptr;
    driver::WaitUntil([&] {
        const auto windows = driver::TopLevelWindows(floor.Id(), kFloorWindowClass);
        hWnd = windows.empty() ? nullptr : windows.front();
        return hWnd != nullptr;
    });
    return hWnd;
}

// Starts Popbar and waits until its start-up is over; the menu window, or null.
HWND StartPopbar(driver::ChildProcess& popbar, const std::wstring& path)
{
    if (!popbar.Start(path)) {
        std::fprintf(stderr, "popbar_open_bench: %ls did not start\n", path.c_str());
        return nullptr;
    }
    const HWND hWndMenu = driver::WaitForReadyMenu();
    if (!hWndMenu || driver::WindowProcessId(hWndMenu) != popbar.Id()) {
        std::fprintf(stderr, "popbar_open_bench: no menu window of %ls (is another Popbar running?)\n",
                     path.c_str());
        return nullptr;
    }
    return hWndMenu;
}

// Popbar starts Screen Hub from the folder beside its own at every open when no Screen Hub window
// is found.
std::wstring ScreenHubBeside(const std::wstring& popbarPath)
{
    std::wstring folder = popbarPath.substr(0, popbarPath.find_last_of(L'\\'));
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + L"Swift Screen Hub\\ScreenHub.exe";
}

void PrintRegistrySource(const std::wstring& popbarPath)
{
    std::printf("Status source: registry value \"Popbar\" = 0x%08lX under HKCU\\%s\n",
                static_cast<unsigned long>(kStatusWord), kHubSettingsKeyA);
    if (::FindWindowW(nullptr, kScreenHubTitle))
        std::printf("  WARNING: a Screen Hub window is open, so the status query asks it instead of the registry\n");
    else
        std::printf("  no Screen Hub window: every open's status query falls back to the registry\n");
    if (::GetFileAttributesW(ScreenHubBeside(popbarPath).c_str()) == INVALID_FILE_ATTRIBUTES)
        std::printf("  no ScreenHub.exe beside Popbar: every open's attempt to start it fails (file not found)\n");
    else
        std::printf("  WARNING: ScreenHub.exe stands beside Popbar: the first open starts it\n");
}

void PrintTimes(const std::vector<RunResult>& results, int nCycles)
{
    std::printf("\nOpen time over %d cycles per run (QueryPerformanceCounter). MSG_MENUBTN: from its send until "
                "the send\nhas returned and the window is visible. Laptop key: from the SendInput of the key's "
                "release until the\nwindow is visible (IsWindowVisible polled without sleeping), which it is from "
                "the show, before the\nmenu's paint.\n",
                nCycles);
    std::printf("  %-58s %10s %10s %10s\n", "run", "median ms", "p99 ms", "max ms");
    for (const RunResult& result : results) {
        const OpenStats stats = Summarise(result.openMs);
        std::printf("  %-58s %10.3f %10.3f %10.3f\n", result.label.c_str(), stats.medianMs, stats.p99Ms,
                    stats.maxMs);
        if (!result.failure.empty())
            std::printf("    stopped after %zu cycles: %s\n", result.openMs.size(), result.failure.c_str());
    }
}

void PrintQuerySplit(const RunResult& result)
{
    if (result.queryMs.empty())
        return;
    std::printf("\nOpen time split for %s\n", result.label.c_str());
    std::printf("  The status query is measured from the bench, not inside Popbar: in the same cycles, right before\n"
                "  each open, made as the menu makes it (FindWindowW \"-Screen Hub-\", then SendMessageTimeoutW\n"
                "  MSG_HUBCMD 2225 code 19, SMTO_ABORTIFHUNG, 3000 ms); \"rest\" is open minus query, cycle by cycle.\n");
    std::printf("  %-20s %10s %10s %10s\n", "part", "median ms", "p99 ms", "max ms");
    const std::pair<const char*, const std::vector<double>*> parts[] = {
        {"open", &result.openMs}, {"status query", &result.queryMs}, {"rest (open - query)", &result.restMs}};
    for (const auto& [pszPart, pSamples] : parts) {
        const OpenStats stats = Summarise(*pSamples);
        std::printf("  %-20s %10.3f %10.3f %10.3f\n", pszPart, stats.medianMs, stats.p99Ms, stats.maxMs);
    }
}

void PrintTargets(const std::string& label, const OpenStats& floor, const OpenStats& popbar)
{
    auto verdict = [](bool bMet) { return bMet ? "met" : "MISSED"; };
    const double limit = kFloorFactorTarget * floor.medianMs;
    std::printf("\nTargets for %s (reported, never enforced)\n", label.c_str());
    std::printf("  median open within %.0f x floor: %.3f ms against %.3f ms: %s\n", kFloorFactorTarget,
                popbar.medianMs, limit, verdict(popbar.medianMs <= limit));
    std::printf("  p99 open under %.0f ms: %.3f ms: %s\n", kP99TargetMs, popbar.p99Ms,
                verdict(popbar.p99Ms < kP99TargetMs));
}

void PrintCounts(const RunResult& result)
{
    if (result.counts.empty())
        return;
    std::printf("\nPopbar's resources (%s)\n", result.label.c_str());
    std::printf("  %-20s %10s %10s %10s\n", "after cycle", "handles", "GDI", "USER");
    bool bFromSystemList = false;
    bool bGuiZero = false;
    for (const CountsAt& at : result.counts) {
        std::printf("  %-20d %10lu %10lu %10lu\n", at.nCycle, static_cast<unsigned long>(at.counts.nHandles),
                    static_cast<unsigned long>(at.counts.nGdiObjects),
                    static_cast<unsigned long>(at.counts.nUserObjects));
        bFromSystemList = bFromSystemList || at.counts.bHandlesFromSystemList;
        bGuiZero = bGuiZero || !at.counts.nGdiObjects || !at.counts.nUserObjects;
    }
    if (bFromSystemList)
        std::printf("  (GetProcessHandleCount answered 0: handles counted in the system handle list)\n");
    if (bGuiZero)
        std::printf("  (0 = not counted: GetGuiResources answers 0 here, as under Wine)\n");
}

// Everything a round prints; the first result is the floor. False when a run stopped early.
bool PrintRound(const std::vector<RunResult>& results, int nCycles)
{
    PrintTimes(results, nCycles);
    for (const RunResult& result : results)
        PrintQuerySplit(result);
    const OpenStats floor = Summarise(results.front().openMs);
    for (size_t i = 1; i < results.size(); ++i) {
        // The floor opens by the message, so only the runs opened the same way compare with it.
        if (results[i].openBy == OpenBy::MenuKeyMessage)
            PrintTargets(results[i].label, floor, Summarise(results[i].openMs));
    }
    bool bComplete = true;
    for (const RunResult& result : results) {
        PrintCounts(result);
        bComplete = bComplete && result.failure.empty();
    }
    return bComplete;
}

bool RunRegistryRound(const std::wstring& popbarPath, HWND hWndFloor, int nCycles)
{
    std::printf("\n=== Round 1: Popbar without Screen Hub (%ls)\n", popbarPath.c_str());
    driver::WriteDword(HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA, kStatusWord);
    driver::ChildProcess popbar;
    const HWND hWndMenu = StartPopbar(popbar, popbarPath);
    if (!hWndMenu)
        return false;
    PrintRegistrySource(popbarPath);
    const std::vector<BenchRun> runs = {
        {{"floor: plain top-most pop-up 340x335", hWndFloor}, nullptr},
        {{"Popbar, status from the registry", hWndMenu}, popbar.Handle()},
    };
    return PrintRound(MeasureRuns(runs, nCycles), nCycles);
}

bool RunScreenHubRound(HWND hWndFloor, int nCycles)
{
    const std::wstring hubPath = driver::InstalledPath(L"Swift Screen Hub\\ScreenHub.exe");
    const std::wstring popbarPath = driver::InstalledPath(L"Popbar\\Popbar.exe");
    std::printf("\n=== Round 2: Popbar beside Screen Hub (%ls)\n", popbarPath.c_str());
    // Declared first, so it ends after Popbar.
    driver::ChildProcess hub;
    if (!hub.Start(hubPath, kScreenHubSwitches) ||
        !driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) != nullptr; }, 20000)) {
        std::fprintf(stderr, "popbar_open_bench: Screen Hub (%ls) did not start\n", hubPath.c_str());
        return false;
    }
    driver::ChildProcess popbar;
    const HWND hWndMenu = StartPopbar(popbar, popbarPath);
    if (!hWndMenu)
        return false;
    const std::optional<StatusAnswer> answer = TimeStatusQuery();
    if (!answer) {
        std::fprintf(stderr, "popbar_open_bench: Screen Hub does not answer the status query\n");
        return false;
    }
    std::printf("Status source: Screen Hub, started with %ls, answers the status query with 0x%08lX\n",
                kScreenHubSwitches, static_cast<unsigned long>(answer->status));
    const std::vector<BenchRun> runs = {
        {{"floor: plain top-most pop-up 340x335", hWndFloor}, nullptr},
        {{"Popbar beside Screen Hub, MSG_MENUBTN", hWndMenu}, popbar.Handle(), true},
        {{"Popbar beside Screen Hub, laptop key through KeyRelay", hWndMenu, OpenBy::LaptopKey}, popbar.Handle()},
    };
    return PrintRound(MeasureRuns(runs, nCycles), nCycles);
}

std::optional<int> ParseCycles(int argc, wchar_t** argv)
{
    if (argc < 3)
        return kDefaultCycles;
    wchar_t* pEnd = nullptr;
    const long n = std::wcstol(argv[2], &pEnd, 10);
    if (*pEnd || n < 1 || n > 1000000)
        return std::nullopt;
    return static_cast<int>(n);
}

int RunBench(const std::wstring& popbarWithoutHub, int nCycles)
{
    if (const HWND hWndOther = ::FindWindowW(kMenuWindowClass, nullptr)) {
        std::fprintf(stderr, "popbar_open_bench: a Popbar already runs (process %lu); end it first\n",
                     static_cast<unsigned long>(driver::WindowProcessId(hWndOther)));
        return 1;
    }
    driver::ChildProcess floorProcess;
    const HWND hWndFloor = StartFloorWindow(floorProcess);
    if (!hWndFloor) {
        std::fprintf(stderr, "popbar_open_bench: the floor window did not start\n");
        return 1;
    }
    const bool bRegistryRound = RunRegistryRound(popbarWithoutHub, hWndFloor, nCycles);
    const bool bScreenHubRound = RunScreenHubRound(hWndFloor, nCycles);
    return bRegistryRound && bScreenHubRound ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    if (argc == 2 && std::wstring(argv[1]) == kFloorWindowSwitch)
        return RunFloorWindow();
    const std::optional<int> nCycles = ParseCycles(argc, argv);
    if (argc < 2 || argc > 3 || !nCycles) {
        std::fprintf(stderr, "usage: popbar_open_bench POPBAR_WITHOUT_HUB [CYCLES] | popbar_open_bench --floor-window\n");
        return 2;
    }
    return RunBench(argv[1], *nCycles);
}
