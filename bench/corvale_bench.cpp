// corvale_bench: what the programs cost on this machine, each beside the least the platform needs
// for the same job, in one run. Figures only: the targets are printed beside them, never enforced.
//   corvale_bench [CYCLES [IDLE_SECONDS]]
//       1. start-up: Popbar until its hidden menu is registered with KeyRelay, beside a minimal
//          dialog program until its first window;
//       2. key to pixels, CYCLES times per subject (500 when not given), taking turns: from the
//          SendInput of the menu key's release until the window's pixels are on the screen, for
//          Popbar beside Screen Hub, the fair floor and the plain floor; with Popbar's opening step
//          by step, and the samples written to key_to_pixels.dat in the working folder;
//       3. idle: the resident Popbar left alone for IDLE_SECONDS (60 when not given);
//       4. Stagehand running 20 commands of a trivial program, beside a batch file running them.
//       The bench starts and ends every program itself; no other Popbar may run.
//   corvale_bench --floor plain|fair SKIN    a floor's own process, started by the bench itself
#include "bench_report.h"
#include "idle_rest.h"
#include "key_floors.h"
#include "key_to_pixels.h"
#include "open_steps.h"
#include "program_start.h"
#include "stagehand_run.h"

#include "controller/menu_placement.h"
#include "menu/menu_layout.h"
#include "paths.h"
#include "popbar_menu.h"
#include "process.h"
#include "program_path.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "wait.h"
#include "window_query.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultCycles = 500;
constexpr DWORD kDefaultIdleSeconds = 60;
constexpr int kStartRuns = 10;
constexpr int kSetupCommands = 20;
constexpr int kSetupRounds = 5;
constexpr double kKeyMedianRatio = 1.25;
constexpr double kKeyP99Ratio = 1.5;
constexpr double kStartRatio = 1.5;
constexpr double kIdleCpuLimitMs = 10;
constexpr double kSetupRatio = 1.2;
// Dismiss allowed, wired LAN on, battery at 80 %: a menu with lit and unlit pairs and two digits.
const wchar_t kScreenHubSwitches[] = L"--status 0x11 --battery 80";
const wchar_t kMinimalProgram[] = L"bench_minimal.exe";
const wchar_t kNoopProgram[] = L"bench_noop.exe";
const wchar_t kSetupFolder[] = L"C:\\bench-stagehand";
const char kSamplesFile[] = "key_to_pixels.dat";
// The default skin's pair buttons, and how far into a button its face's plain colour begins.
constexpr SIZE kButtonSize{100, 30};
constexpr int kIntoFace = 6;

struct Verdicts {
    int nMet = 0;
    int nMissed = 0;
    void Add(bool bMet) { ++(bMet ? nMet : nMissed); }
};

HWND StartFloor(driver::ChildProcess& floor, const wchar_t* pszKind, const std::wstring& skinPath)
{
    if (!floor.Start(fw::OwnProgramPath(), std::wstring(kFloorSwitch) + L" " + pszKind + L" \"" + skinPath + L"\""))
        return nullptr;
    HWND hWnd = nullptr;
    driver::WaitUntil([&] { return (hWnd = driver::FirstTopLevelWindow(floor.Id(), kFloorWindowClass)) != nullptr; });
    return hWnd;
}

// Points of the open menu's place: one of the background above the buttons and one inside the face
// of every button shown, so the menu counts as on the screen only once all of it is.
std::vector<PixelProbe> ProbesAt(HWND hWndSized)
{
    RECT window{};
    ::GetWindowRect(hWndSized, &window);
    const SIZE size{window.right - window.left, window.bottom - window.top};
    RECT desktop{};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    const POINT place = OpenMenuPlace(desktop.right, size);
    std::vector<PixelProbe> probes = {PixelProbe{{place.x + size.cx / 2, place.y + 3}}};
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        const ButtonSlot& slot = kButtonTable[nSlot];
        if (!slot.bShown)
            continue;
        const POINT at = ButtonPosition(slot.nRow, slot.bRightColumn, kButtonSize.cx, kButtonSize.cy);
        probes.push_back(PixelProbe{{place.x + at.x + kIntoFace, place.y + at.y + kIntoFace}});
    }
    return probes;
}

void WriteSamples(const std::vector<std::vector<KeyCycle>>& cycles, const std::vector<KeySubject>& subjects)
{
    std::ofstream out(kSamplesFile);
    out << "#";
    for (const KeySubject& subject : subjects)
        out << " \"" << subject.label << "\"";
    out << "\n";
    for (size_t n = 0; n < cycles.front().size(); ++n) {
        for (size_t i = 0; i < subjects.size(); ++i) {
            const KeyCycle& cycle = cycles[i][n];
            out << (i ? " " : "");
            if (cycle.ms)
                out << *cycle.ms;
            else
                out << "NaN";
        }
        out << "\n";
    }
}

std::vector<double> Samples(const std::vector<KeyCycle>& cycles)
{
    std::vector<double> samples;
    for (const KeyCycle& cycle : cycles) {
        if (cycle.ms)
            samples.push_back(*cycle.ms);
    }
    return samples;
}

bool RunStartSection(Verdicts& verdicts)
{
    std::printf("\n=== Start-up, %d starts each, taking turns (from CreateProcess)\n", kStartRuns);
    const StartTimes times =
        MeasureStarts(driver::InstalledPath(L"Popbar\\Popbar.exe"), driver::TestProgramFolder() + kMinimalProgram, kStartRuns);
    PrintStatsHeader("program, until");
    PrintStatsRow("Popbar, its menu window made (its DLLs loaded)", times.popbarWindowMs);
    PrintStatsRow("Popbar, its hidden menu registered with KeyRelay", times.popbarMs);
    PrintStatsRow("minimal dialog program, its first window", times.minimalMs);
    if (!times.failure.empty()) {
        std::printf("  stopped: %s\n", times.failure.c_str());
        return false;
    }
    verdicts.Add(PrintRatioTarget("start-up median, Popbar / minimal", Summarise(times.popbarMs).medianMs,
                                  Summarise(times.minimalMs).medianMs, kStartRatio));
    return true;
}

bool RunKeySection(std::vector<KeySubject>& subjects, int nCycles, Verdicts& verdicts)
{
    std::printf("\n=== Key to pixels, %d cycles per subject, taking turns\n", nCycles);
    std::printf("  From the SendInput of the menu key's release (extended scan code 0x54) until the screen shows the\n"
                "  window's own colours at 15 points of its place, read back from the screen (GetPixel on the\n"
                "  screen's context, polled without sleeping). Each floor hooks the key ahead of KeyRelay for its\n"
                "  own cycles only. Popbar runs beside Screen Hub. The fair floor takes the foreground as the menu\n"
                "  must, is layered, top-most and 85 %% opaque, and paints the menu's background from a cached\n"
                "  bitmap; the plain floor is a top-most pop-up that fills itself with one colour.\n");
    for (KeySubject& subject : subjects) {
        std::string failure;
        if (!Calibrate(subject, failure)) {
            std::printf("  %s: %s\n", subject.label.c_str(), failure.c_str());
            return false;
        }
    }
    std::vector<std::vector<KeyCycle>> cycles(subjects.size());
    std::vector<std::string> failures(subjects.size());
    for (int n = 1; n <= nCycles; ++n) {
        for (size_t i = 0; i < subjects.size(); ++i) {
            KeyCycle cycle = RunKeyCycle(subjects[i]);
            if (!cycle.ms && failures[i].empty())
                failures[i] = cycle.failure + " in cycle " + std::to_string(n);
            cycles[i].push_back(std::move(cycle));
        }
    }
    PrintStatsHeader("subject");
    for (size_t i = 0; i < subjects.size(); ++i) {
        PrintStatsRow(subjects[i].label, Samples(cycles[i]));
        if (!failures[i].empty())
            std::printf("    first failed cycle: %s\n", failures[i].c_str());
    }
    std::printf("\n  Popbar's opening step by step (moments recorded by its test build)\n");
    PrintStatsHeader("step");
    for (const StepTimes& step : OpeningSteps(cycles.front()))
        PrintStatsRow(step.label, step.samplesMs);
    WriteSamples(cycles, subjects);

    const OpenStats popbar = Summarise(Samples(cycles[0]));
    const OpenStats fair = Summarise(Samples(cycles[1]));
    std::printf("\n");
    verdicts.Add(PrintRatioTarget("key to pixels median, Popbar / fair floor", popbar.medianMs, fair.medianMs,
                                  kKeyMedianRatio));
    verdicts.Add(PrintRatioTarget("key to pixels p99, Popbar / fair floor", popbar.p99Ms, fair.p99Ms, kKeyP99Ratio));
    return std::all_of(failures.begin(), failures.end(), [](const std::string& failure) { return failure.empty(); });
}

void PrintRest(const char* pszWho, const RestFigures& rest)
{
    std::printf("  %-28s %10.3f %14s %12.1f %12.1f\n", pszWho, rest.cpuMs,
                rest.loopMessages ? std::to_string(*rest.loopMessages).c_str() : "not counted",
                static_cast<double>(rest.nPrivateBytes) / 1024.0, static_cast<double>(rest.nWorkingSet) / 1024.0);
}

bool RunIdleSection(const driver::ChildProcess& popbar, DWORD nSeconds, Verdicts& verdicts)
{
    std::printf("\n=== Idle: Popbar resident with its menu hidden, left alone for %lu s beside a minimal dialog program\n",
                static_cast<unsigned long>(nSeconds));
    const IdleFigures figures = MeasureIdle(popbar.Handle(), popbar.Id(), driver::TestProgramFolder() + kMinimalProgram, nSeconds);
    if (!figures.failure.empty()) {
        std::printf("  stopped: %s\n", figures.failure.c_str());
        return false;
    }
    std::printf("  %-28s %10s %14s %12s %12s\n", "program", "CPU ms", "loop messages", "private KB", "working KB");
    PrintRest("Popbar", figures.popbar);
    PrintRest("minimal dialog program", figures.minimal);
    verdicts.Add(PrintLimitTarget("idle CPU time of Popbar", figures.popbar.cpuMs, kIdleCpuLimitMs, "ms"));
    const bool bQuiet = figures.popbar.loopMessages && *figures.popbar.loopMessages == 0;
    std::printf("  %-44s %9s (target none: no timer, no wake-ups): %s\n", "messages taken by Popbar's loop",
                figures.popbar.loopMessages ? std::to_string(*figures.popbar.loopMessages).c_str() : "not counted",
                bQuiet ? "met" : "MISSED");
    verdicts.Add(bQuiet);
    std::printf("  %-44s %9.2f x private bytes, %.2f x working set of the minimal program\n", "Popbar at rest",
                static_cast<double>(figures.popbar.nPrivateBytes) / static_cast<double>(figures.minimal.nPrivateBytes),
                static_cast<double>(figures.popbar.nWorkingSet) / static_cast<double>(figures.minimal.nWorkingSet));
    return true;
}

bool RunSetupSection(Verdicts& verdicts)
{
    std::printf("\n=== Stagehand: %d commands of a trivial program, %d rounds, taking turns with a batch file\n",
                kSetupCommands, kSetupRounds);
    const SetupRunTimes times = MeasureSetupRuns(driver::InstalledPath(L"Stagehand\\Stagehand.exe"),
                                                 driver::TestProgramFolder() + kNoopProgram, kSetupFolder,
                                                 kSetupCommands, kSetupRounds);
    PrintStatsHeader("runner, from its start until it has ended");
    PrintStatsRow("Stagehand", times.stagehandMs);
    PrintStatsRow("cmd.exe /c with a batch file", times.batchMs);
    if (!times.failure.empty()) {
        std::printf("  stopped: %s\n", times.failure.c_str());
        return false;
    }
    verdicts.Add(PrintRatioTarget("Stagehand median / batch file", Summarise(times.stagehandMs).medianMs,
                                  Summarise(times.batchMs).medianMs, kSetupRatio));
    return true;
}

int RunBench(int nCycles, DWORD nIdleSeconds)
{
    if (const HWND hWndOther = ::FindWindowW(kMenuWindowClass, nullptr)) {
        std::fprintf(stderr, "corvale_bench: a Popbar already runs (process %lu); end it first\n",
                     static_cast<unsigned long>(driver::WindowProcessId(hWndOther)));
        return 1;
    }
    // Declared first, so it ends after Popbar.
    driver::ChildProcess hub;
    if (!hub.Start(driver::InstalledPath(L"Swift Screen Hub\\ScreenHub.exe"), kScreenHubSwitches) ||
        !driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) != nullptr; }, 20000)) {
        std::fprintf(stderr, "corvale_bench: Screen Hub did not start\n");
        return 1;
    }
    Verdicts verdicts;
    bool bComplete = RunStartSection(verdicts);

    driver::ChildProcess popbar;
    const std::wstring skin = driver::InstalledPath(L"Popbar\\resource.dll");
    driver::ChildProcess plainFloor;
    driver::ChildProcess fairFloor;
    // The start-ups' last Popbar must be gone.
    const bool bStarted = driver::WaitUntilNoMenu() && popbar.Start(driver::InstalledPath(L"Popbar\\Popbar.exe"));
    const HWND hWndMenu = bStarted ? driver::WaitForReadyMenu(popbar.Id()) : nullptr;
    // The floors hook the keyboard only while armed, so KeyRelay's hook stays where Popbar put it.
    const HWND hWndFair = StartFloor(fairFloor, kFairFloorTitle, skin);
    const HWND hWndPlain = StartFloor(plainFloor, kPlainFloorTitle, skin);
    if (!hWndMenu || !hWndFair || !hWndPlain) {
        std::fprintf(stderr, "corvale_bench: %s did not start\n", !hWndMenu ? "Popbar" : "a floor window");
        return 1;
    }
    std::vector<KeySubject> subjects = {
        {"Popbar", hWndMenu, false, popbar.Id(), ProbesAt(hWndFair)},
        {"fair floor", hWndFair, true, 0, ProbesAt(hWndFair)},
        {"plain floor", hWndPlain, true, 0, ProbesAt(hWndFair)},
    };
    bComplete = RunKeySection(subjects, nCycles, verdicts) && bComplete;
    bComplete = RunIdleSection(popbar, nIdleSeconds, verdicts) && bComplete;
    bComplete = RunSetupSection(verdicts) && bComplete;

    std::printf("\nTargets: %d met, %d missed%s\n", verdicts.nMet, verdicts.nMissed,
                bComplete ? "" : "; some runs stopped early (see above)");
    return bComplete ? 0 : 1;
}

std::optional<long> Number(const wchar_t* pszText, long nMax)
{
    wchar_t* pEnd = nullptr;
    const long n = std::wcstol(pszText, &pEnd, 10);
    if (*pEnd || n < 1 || n > nMax)
        return std::nullopt;
    return n;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    if (argc == 4 && std::wstring(argv[1]) == kFloorSwitch)
        return RunFloor(std::wstring(argv[2]) == kFairFloorTitle ? FloorKind::Fair : FloorKind::Plain, argv[3]);
    const std::optional<long> nCycles = argc >= 2 ? Number(argv[1], 1000000) : kDefaultCycles;
    const std::optional<long> nIdleSeconds = argc >= 3 ? Number(argv[2], 3600) : kDefaultIdleSeconds;
    if (argc > 3 || !nCycles || !nIdleSeconds) {
        std::fprintf(stderr, "usage: corvale_bench [CYCLES [IDLE_SECONDS]] | corvale_bench --floor plain|fair SKIN\n");
        return 2;
    }
    return RunBench(static_cast<int>(*nCycles), static_cast<DWORD>(*nIdleSeconds));
}
