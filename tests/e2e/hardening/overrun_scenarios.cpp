// The programs' hardening at work: a program built with it that overruns a buffer on its stack is
// stopped, whether the buffer function's size check or the stack's guard finds it.
#include "paths.h"
#include "process.h"

#include <gtest/gtest.h>

TEST(Hardening, AProgramThatOverrunsABufferIsStoppedNotCarriedOn)
{
    const std::wstring program = driver::TestProgramFolder() + L"overrun.exe";
    const driver::FinishedRun fits = driver::RunToEnd(program, L"fits");
    ASSERT_EQ(fits.exitCode, std::optional<DWORD>(0)) << fits.output;
    EXPECT_NE(fits.output.find("carried on"), std::string::npos) << "a copy that fits goes on";

    for (const wchar_t* pszMode : {L"copy", L"loop"}) {
        const driver::FinishedRun overrun = driver::RunToEnd(program, pszMode);
        ASSERT_TRUE(overrun.exitCode.has_value()) << "it ended";
        EXPECT_NE(*overrun.exitCode, 0u) << overrun.output;
        EXPECT_EQ(overrun.output.find("carried on"), std::string::npos) << overrun.output;
    }
}
