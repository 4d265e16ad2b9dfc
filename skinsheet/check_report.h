#pragma once
// The checker's report: one line for each problem, then the verdict.
#include "skin_check.h"

#include <string>

// "<id> (<what the picture is for>): <what is wrong>" for each problem, then a line that says
// whether the skin shows a complete menu. Lines end in '\n'.
std::string FormatReport(const std::vector<SkinProblem>& problems);
