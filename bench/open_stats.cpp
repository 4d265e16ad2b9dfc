#include "open_stats.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest sample that at least the given share of all samples do not exceed.
double NearestRank(const std::vector<double>& sorted, double share)
{
    const auto rank = static_cast<size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace

OpenStats Summarise(std::vector<double> samplesMs)
{
    if (samplesMs.empty())
        return {};
    std::sort(samplesMs.begin(), samplesMs.end());
    return {NearestRank(samplesMs, 0.5), NearestRank(samplesMs, 0.99), samplesMs.back()};
}
