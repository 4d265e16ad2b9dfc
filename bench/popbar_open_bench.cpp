// popbar_open_bench: how long Popbar's menu takes to open when the menu key arrives, beside the floor
// of showing and painting a plain top-most pop-up of the same size in another process of the same
// desktop. Figures only: the targets are printed beside them and never make the run fail.
//   popbar_open_bench [CYCLES]          Popbar must run on this desktop; CYCLES open-and-hide cycles
//                                       per run (200 when not given)
//   popbar_open_bench --floor-window    the floor window's own process, started by the bench itself
#include "floor_window.h"
#include "open_cycles.h"
#include "open_stats.h"
#include "resource_counters.h"

#include "handles.h"
#include "popbar_menu.h"
#include "process.h"
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
constexpr DWORD kStatusWord = 0x1 | 0x10 | (80u << 20);
const char kSettingsKey[] = "Software\\Corvale\\ScreenHub\\Settings";

// One row of the results: a window opened and hidden again, and the process whose resources are
// read meanwhile (null: none).
struct BenchRun {
    OpenTarget target;
    HANDLE hCountedProcess = nullptr;
};

struct CountsAt {
    int nCycle;
    ResourceCounts counts;
};

struct RunResult {
    std::string label;
    std::vector<double> openMs; // one per completed cycle
    std::string failure;        // why the run stopped early; empty when every cycle was done
    std::vector<CountsAt> counts;
};

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// The runs take turns cycle by cycle, so a change in the machine's load reaches all of them alike.
std::vector<RunResult> MeasureRuns(const std::vector<BenchRun>& runs, int nCycles)
{
    std::vector<RunResult> results;
    for (const BenchRun& run : runs)
        results.push_back({run.target.label, {}, "", {}});
    for (int n = 1; n <= nCycles; ++n) {
        for (size_t i = 0; i < runs.size(); ++i) {
            RunResult& result = results[i];
            if (!result.failure.empty())
                continue;
            const OpenCycle cycle = RunOpenCycle(runs[i].target);
            if (!cycle.openMs) {
                result.failure = cycle.failure + " in cycle " + std::to_string(n);
                continue;
            }
            result.openMs.push_back(*cycle.openMs);
            if (runs[i].hCountedProcess && (n == kEarlyCountCycle || n == nCycles))
                result.counts.push_back({n, ReadResourceCounts(runs[i].hCountedProcess)});
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

// Popbar starts Screen Hub from the folder beside its own at every open when no Screen Hub window
// is found.
std::wstring ScreenHubBesidePopbar(HANDLE hPopbar)
{
    wchar_t path[MAX_PATH] = {};
    DWORD cch = MAX_PATH;
    if (!hPopbar || !::QueryFullProcessImageNameW(hPopbar, 0, path, &cch))
        return L"";
    std::wstring folder = path;
    folder.resize(folder.find_last_of(L'\\'));
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + L"Swift Screen Hub\\ScreenHub.exe";
}

void PrintStatusSource(HANDLE hPopbar)
{
    std::printf("Status source: registry value \"Popbar\" = 0x%08lX under HKCU\\%s\n",
                static_cast<unsigned long>(kStatusWord), kSettingsKey);
    if (::FindWindowW(nullptr, L"-Screen Hub-"))
        std::printf("  WARNING: a Screen Hub window is open, so the status query asks it instead of the registry\n");
    else
        std::printf("  no Screen Hub window: every open's status query falls back to the registry\n");
    const std::wstring hub = ScreenHubBesidePopbar(hPopbar);
    if (hub.empty())
        std::printf("  (Popbar's own path is unknown: whether it can start Screen Hub is not known)\n");
    else if (::GetFileAttributesW(hub.c_str()) == INVALID_FILE_ATTRIBUTES)
        std::printf("  no ScreenHub.exe beside Popbar: every open's attempt to start it fails (file not found)\n");
    else
        std::printf("  WARNING: ScreenHub.exe stands beside Popbar: the first open starts it\n");
}

void PrintTimes(const std::vector<RunResult>& results, int nCycles)
{
    std::printf("\nOpen time over %d cycles per run (send of MSG_MENUBTN until it returned and the window is "
                "visible; QueryPerformanceCounter)\n",
                nCycles);
    std::printf("  %-40s %10s %10s %10s\n", "run", "median ms", "p99 ms", "max ms");
    for (const RunResult& result : results) {
        const OpenStats stats = Summarise(result.openMs);
        std::printf("  %-40s %10.3f %10.3f %10.3f\n", result.label.c_str(), stats.medianMs, stats.p99Ms,
                    stats.maxMs);
        if (!result.failure.empty())
            std::printf("    stopped after %zu cycles: %s\n", result.openMs.size(), result.failure.c_str());
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

std::optional<int> ParseCycles(int argc, wchar_t** argv)
{
    if (argc < 2)
        return kDefaultCycles;
    wchar_t* pEnd = nullptr;
    const long n = std::wcstol(argv[1], &pEnd, 10);
    if (*pEnd || n < 1 || n > 1000000)
        return std::nullopt;
    return static_cast<int>(n);
}

int RunBench(int nCycles)
{
    driver::WriteDword(HKEY_CURRENT_USER, kSettingsKey, "Popbar", kStatusWord);
    const HWND hWndMenu = driver::WaitForReadyMenu();
    if (!hWndMenu) {
        std::fprintf(stderr, "popbar_open_bench: no Popbar menu window (start Popbar first)\n");
        return 1;
    }
    const fw::unique_handle popbar(
        ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, driver::WindowProcessId(hWndMenu)));
    PrintStatusSource(popbar.get());

    driver::ChildProcess floorProcess;
    const HWND hWndFloor = StartFloorWindow(floorProcess);
    if (!hWndFloor) {
        std::fprintf(stderr, "popbar_open_bench: the floor window did not start\n");
        return 1;
    }

    // The floor comes first; the targets compare every later run with it.
    const std::vector<BenchRun> runs = {
        {{"floor: plain top-most pop-up 340x335", hWndFloor}, nullptr},
        {{"Popbar, status from the registry", hWndMenu}, popbar.get()},
    };
    const std::vector<RunResult> results = MeasureRuns(runs, nCycles);

    PrintTimes(results, nCycles);
    const OpenStats floor = Summarise(results.front().openMs);
    for (size_t i = 1; i < results.size(); ++i)
        PrintTargets(results[i].label, floor, Summarise(results[i].openMs));
    for (const RunResult& result : results)
        PrintCounts(result);

    for (const RunResult& result : results) {
        if (!result.failure.empty())
            return 1;
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    if (argc == 2 && std::wstring(argv[1]) == kFloorWindowSwitch)
        return RunFloorWindow();
    const std::optional<int> nCycles = ParseCycles(argc, argv);
    if (!nCycles) {
        std::fprintf(stderr, "usage: popbar_open_bench [CYCLES] | popbar_open_bench --floor-window\n");
        return 2;
    }
    return RunBench(*nCycles);
}
