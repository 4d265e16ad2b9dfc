#pragma once
// Where an opening's time goes: the moments that a test build of Popbar records, step by step,
// between the key's release and its pixels on the screen.
#include "key_to_pixels.h"

#include <string>
#include <vector>

struct StepTimes {
    std::string label;
    std::vector<double> samplesMs; // one per cycle that reached both ends of the step
};

std::vector<StepTimes> OpeningSteps(const std::vector<KeyCycle>& cycles);
