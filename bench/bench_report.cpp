#include "bench_report.h"

#include <cstdio>

namespace {

const char* Verdict(bool bMet)
{
    return bMet ? "met" : "MISSED";
}

} // namespace

void PrintStatsHeader(const char* pszFirstColumn)
{
    std::printf("  %-52s %7s %10s %10s %10s\n", pszFirstColumn, "samples", "median ms", "p99 ms", "max ms");
}

void PrintStatsRow(const std::string& label, const std::vector<double>& samplesMs)
{
    const OpenStats stats = Summarise(samplesMs);
    std::printf("  %-52s %7zu %10.3f %10.3f %10.3f\n", label.c_str(), samplesMs.size(), stats.medianMs, stats.p99Ms,
                stats.maxMs);
}

bool PrintRatioTarget(const std::string& what, double value, double base, double maxRatio)
{
    const double ratio = base > 0 ? value / base : 0;
    const bool bMet = base > 0 && ratio <= maxRatio;
    std::printf("  %-44s %9.3f ms against %9.3f ms = %5.2f x (target %.2f x): %s\n", what.c_str(), value, base, ratio,
                maxRatio, Verdict(bMet));
    return bMet;
}

bool PrintLimitTarget(const std::string& what, double value, double limit, const char* pszUnit)
{
    const bool bMet = value < limit;
    std::printf("  %-44s %9.3f %s (target under %g %s): %s\n", what.c_str(), value, pszUnit, limit, pszUnit,
                Verdict(bMet));
    return bMet;
}
