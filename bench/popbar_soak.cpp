// popbar_soak: Popbar resident under load for many cycles, printing what it holds every 1,000 cycles
// (or as often as asked) and at the end: handles, private bytes and working set, its GDI, device-context and GDI+ objects,
// the commands clicked against those in Screen Hub's journal, and whether it ever ended. Never part of
// the tests' verdict; its exit code is 0 only for a run with no crash and every command journaled.
//   popbar_soak [CYCLES [REPORT_EVERY]]   (10,000 cycles and a report every 1,000 when not given)
#include "soak.h"

#include <cstdio>
#include <cwchar>

namespace {

constexpr int kDefaultCycles = 10000;
constexpr int kReportEvery = 1000;

void PrintHeader()
{
    std::printf("%8s %8s %12s %12s %6s %6s %6s %6s %9s %9s %7s\n", "cycle", "handles", "private KB", "working KB",
                "GDI", "DCs", "GDI+", "OS GDI", "commands", "journaled", "crashes");
}

void PrintReport(const driver::SoakReport& report)
{
    const driver::ProcessResources& r = report.popbar;
    const instrumentation::ObjectCounts objects = r.objects.value_or(instrumentation::ObjectCounts{-1, -1, -1});
    std::printf("%8d %8lu %12lu %12lu %6ld %6ld %6ld %6lu %9zu %9zu %7d\n", report.nCycle,
                static_cast<unsigned long>(r.nHandles), static_cast<unsigned long>(r.nPrivateBytes / 1024),
                static_cast<unsigned long>(r.nWorkingSet / 1024), objects.gdiObjects, objects.deviceContexts,
                objects.gdiplusObjects, static_cast<unsigned long>(r.nGdiObjects), report.nCommandsSent,
                report.nCommandsJournaled, report.bPopbarEnded ? 1 : 0);
    std::fflush(stdout);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    int nCycles = kDefaultCycles;
    int nReportEvery = kReportEvery;
    if (argc == 3)
        nReportEvery = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    if (argc >= 2) {
        wchar_t* pEnd = nullptr;
        nCycles = static_cast<int>(std::wcstol(argv[1], &pEnd, 10));
        if (*pEnd || nCycles < 1 || nReportEvery < 1 || argc > 3) {
            std::fprintf(stderr, "usage: popbar_soak [CYCLES [REPORT_EVERY]]\n");
            return 2;
        }
    }
    std::printf("Popbar soak: %d cycles of open and hide beside Screen Hub; a button clicked through X every 4th,\n"
                "a real display change every 100th and a posted one every 10th, a refused close request every\n"
                "7th, hidden in turn by MSG_HIDEMENU, Screen Hub's code 56 and a suspend and resume; Screen Hub\n"
                "started again every 300th. GDI, DCs and GDI+: what Popbar's handle vocabulary holds; OS GDI:\n"
                "GetGuiResources (0 where the platform does not count).\n\n",
                nCycles);
    PrintHeader();
    driver::SoakOptions options;
    options.nCycles = nCycles;
    options.reportAfter = [nReportEvery](int nCycle) { return nCycle % nReportEvery == 0; };
    options.report = PrintReport;
    const driver::SoakReport last = driver::RunSoak(options);
    if (!last.failure.empty())
        std::printf("\nStopped: %ls\n", last.failure.c_str());
    const bool bClean = last.failure.empty() && !last.bPopbarEnded && last.nCommandsJournaled == last.nCommandsSent &&
                        last.nOpensJournaled == last.nOpens;
    std::printf("\n%s: %d cycles, %zu opens (%zu in the journal), %zu commands (%zu in the journal), %s\n",
                bClean ? "Clean" : "NOT CLEAN", last.nCycle, last.nOpens, last.nOpensJournaled, last.nCommandsSent,
                last.nCommandsJournaled, last.bPopbarEnded ? "Popbar ended" : "no crash");
    return bClean ? 0 : 1;
}
