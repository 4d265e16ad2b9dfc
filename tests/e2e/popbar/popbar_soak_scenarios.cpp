// A resident Popbar's day in 500 cycles (scripts/soak runs the same for as long as asked): Popbar keeps
// running, every command clicked reaches Screen Hub's journal exactly once, and what Popbar holds after
// the run is what it held after the first 50 cycles.
#include "popbar_session.h"
#include "soak.h"

#include <gtest/gtest.h>

#include <optional>

using namespace popbar_e2e;

namespace {

constexpr int kEarlyCycle = 50;
// Measured over 600 cycles in three runs: the commit charge did not move by a byte after cycle 50.
// A heap may still take one more block of 64 KB for the same load without leaking anything.
constexpr SIZE_T kPrivateBytesTolerance = 64 * 1024;

} // namespace

TEST(PopbarSoak, FiveHundredCyclesKeepPopbarUpEveryCommandJournaledOnceAndNothingGrowing)
{
    ASSERT_TRUE(EndScreenHub());
    std::optional<driver::SoakReport> early;
    driver::SoakOptions options;
    options.nCycles = 500;
    options.reportAfter = [](int nCycle) { return nCycle == kEarlyCycle; };
    options.report = [&](const driver::SoakReport& report) {
        if (report.nCycle == kEarlyCycle)
            early = report;
    };
    const driver::SoakReport last = driver::RunSoak(options);
    EXPECT_TRUE(EndScreenHub());

    ASSERT_TRUE(last.failure.empty()) << std::string(last.failure.begin(), last.failure.end());
    EXPECT_FALSE(last.bPopbarEnded);
    EXPECT_EQ(last.nCycle, 500);
    EXPECT_GT(last.nCommandsSent, 100u);
    EXPECT_EQ(last.nCommandsJournaled, last.nCommandsSent);
    EXPECT_EQ(last.nOpensJournaled, last.nOpens);

    ASSERT_TRUE(early);
    EXPECT_GT(early->popbar.nHandles, 0u);
    EXPECT_EQ(last.popbar.nHandles, early->popbar.nHandles);
    EXPECT_GT(early->popbar.nPrivateBytes, 0u);
    EXPECT_LE(last.popbar.nPrivateBytes, early->popbar.nPrivateBytes + kPrivateBytesTolerance);
    ASSERT_TRUE(last.popbar.objects);
    ASSERT_TRUE(early->popbar.objects);
    EXPECT_GT(early->popbar.objects->gdiplusObjects, 0) << "the buttons' pictures and the background";
    EXPECT_EQ(last.popbar.objects->gdiObjects, early->popbar.objects->gdiObjects);
    EXPECT_EQ(last.popbar.objects->deviceContexts, early->popbar.objects->deviceContexts);
    EXPECT_EQ(last.popbar.objects->gdiplusObjects, early->popbar.objects->gdiplusObjects);
}
