#pragma once
// Summaries of measured times.
#include <vector>

struct OpenStats {
    double medianMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
};

// Nearest-rank median, 99th percentile and maximum; all zero for no samples.
OpenStats Summarise(std::vector<double> samplesMs);
