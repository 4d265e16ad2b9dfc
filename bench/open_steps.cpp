#include "open_steps.h"

#include "bench_clock.h"

namespace {


// A moment of a cycle: the bench's own two, or one of Popbar's marks.
enum class Moment { ReleaseSent, PixelsSeen, Mark };

struct Edge {
    Moment kind;
    OpenStep step;
};

constexpr Edge Sent{Moment::ReleaseSent, OpenStep::Count};
constexpr Edge Seen{Moment::PixelsSeen, OpenStep::Count};
constexpr Edge At(OpenStep step)
{
    return {Moment::Mark, step};
}

struct StepDefinition {
    const char* pszLabel;
    Edge from;
    Edge to;
};

const StepDefinition kSteps[] = {
    {"key release to Popbar (KeyRelay's hook and sender)", Sent, At(OpenStep::KeyIn)},
    {"Screen Hub looked up", At(OpenStep::KeyIn), At(OpenStep::ScreenHubEnsured)},
    {"status query", At(OpenStep::ScreenHubEnsured), At(OpenStep::StatusAnswered)},
    {"pair and battery looks", At(OpenStep::StatusAnswered), At(OpenStep::LooksSet)},
    {"display mode read and its face", At(OpenStep::LooksSet), At(OpenStep::DisplayFaceSet)},
    {"foreground taken", At(OpenStep::DisplayFaceSet), At(OpenStep::ForegroundTaken)},
    {"placement and show", At(OpenStep::ForegroundTaken), At(OpenStep::Shown)},
    {"show to the end of the menu window's own last paint", At(OpenStep::Shown), At(OpenStep::MenuPainted)},
    {"then its buttons, to the end of the last one's paint", At(OpenStep::MenuPainted), At(OpenStep::Painted)},
    {"show to pixels seen on the screen", At(OpenStep::Shown), Seen},
    {"whole: key release to pixels seen", Sent, Seen},
};

LONGLONG MomentOf(const KeyCycle& cycle, const Edge& edge)
{
    switch (edge.kind) {
    case Moment::ReleaseSent:
        return cycle.nReleaseSent;
    case Moment::PixelsSeen:
        return cycle.nPixelsSeen;
    case Moment::Mark:
        return cycle.profile ? cycle.profile->marks[static_cast<int>(edge.step)] : 0;
    }
    return 0;
}

} // namespace

std::vector<StepTimes> OpeningSteps(const std::vector<KeyCycle>& cycles)
{
    std::vector<StepTimes> steps;
    for (const StepDefinition& definition : kSteps) {
        StepTimes times{definition.pszLabel, {}};
        for (const KeyCycle& cycle : cycles) {
            const LONGLONG from = MomentOf(cycle, definition.from);
            const LONGLONG to = MomentOf(cycle, definition.to);
            if (cycle.ms && from && to)
                times.samplesMs.push_back(bench::Milliseconds(to - from));
        }
        steps.push_back(std::move(times));
    }
    return steps;
}
