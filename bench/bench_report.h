#pragma once
// How the bench prints its figures: tables of median, 99th percentile and maximum, and targets as
// ratios with their verdict. Targets are reported, never enforced.
#include "open_stats.h"

#include <string>
#include <vector>

void PrintStatsHeader(const char* pszFirstColumn);
void PrintStatsRow(const std::string& label, const std::vector<double>& samplesMs);

// "what: 12.000 ms against 10.000 ms = 1.20 x (target 1.25 x): met"; true when met.
bool PrintRatioTarget(const std::string& what, double value, double base, double maxRatio);
// "what: 3.000 ms (target under 10 ms): met"; true when met.
bool PrintLimitTarget(const std::string& what, double value, double limit, const char* pszUnit);
