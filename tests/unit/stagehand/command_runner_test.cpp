// Running the list: one command at a time, retries of one that cannot start, and stop requests.
#include "command_runner.h"

#include "wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <map>
#include <mutex>

namespace {

// A stand-in for process creation: each "process" is an event the test sets to end it.
class FakeStarter {
public:
    // Commands that fail to start this many times before they start (-1: never start).
    std::map<std::string, int> failures;

    ProcessStarter Starter()
    {
        return [this](const std::string& command) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_attempts.push_back(command);
            fw::unique_process_information started;
            int& left = failures[command];
            if (left != 0) {
                if (left > 0)
                    --left;
                return started;
            }
            HANDLE hEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
            started.process.reset(hEvent);
            ::DuplicateHandle(::GetCurrentProcess(), hEvent, ::GetCurrentProcess(), started.thread.put(), 0, FALSE,
                              DUPLICATE_SAME_ACCESS);
            HANDLE hMine = nullptr;
            ::DuplicateHandle(::GetCurrentProcess(), hEvent, ::GetCurrentProcess(), &hMine, 0, FALSE,
                              DUPLICATE_SAME_ACCESS);
            m_running[command].reset(hMine);
            return started;
        };
    }

    std::vector<std::string> Attempts()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_attempts;
    }
    bool Started(const std::string& command)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_running.count(command) > 0;
    }
    void End(const std::string& command)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ::SetEvent(m_running.at(command).get());
    }

private:
    std::mutex m_mutex;
    std::vector<std::string> m_attempts;
    std::map<std::string, fw::unique_handle> m_running;
};

bool Finished(std::future<void>& run, DWORD nTimeoutMs = 5000)
{
    return driver::WaitUntil([&] { return run.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                             nTimeoutMs);
}

} // namespace

TEST(RunCommandList, StartsEachCommandOnlyAfterThePreviousHasEnded)
{
    FakeStarter fake;
    CStopSignal stop;
    auto run = std::async(std::launch::async, [&] { RunCommandList({"one", "two", "three"}, stop, fake.Starter()); });
    for (const char* command : {"one", "two", "three"}) {
        ASSERT_TRUE(driver::WaitUntil([&] { return fake.Started(command); })) << command;
        EXPECT_EQ(fake.Attempts().back(), command) << "nothing else started meanwhile";
        EXPECT_FALSE(Finished(run, 50));
        fake.End(command);
    }
    EXPECT_TRUE(Finished(run));
    EXPECT_EQ(fake.Attempts(), (std::vector<std::string>{"one", "two", "three"}));
}

TEST(RunCommandList, TriesACommandFiveTimesThenGoesOn)
{
    FakeStarter fake;
    fake.failures = {{"missing", -1}, {"late", 2}};
    CStopSignal stop;
    auto run = std::async(std::launch::async, [&] { RunCommandList({"missing", "late"}, stop, fake.Starter(), 1); });
    ASSERT_TRUE(driver::WaitUntil([&] { return fake.Started("late"); }));
    fake.End("late");
    EXPECT_TRUE(Finished(run));
    EXPECT_EQ(fake.Attempts(),
              (std::vector<std::string>{"missing", "missing", "missing", "missing", "missing", "late", "late", "late"}));
}

TEST(RunCommandList, StopWhileACommandRunsReturnsAndStartsNoMore)
{
    FakeStarter fake;
    CStopSignal stop;
    auto run = std::async(std::launch::async, [&] { RunCommandList({"one", "two"}, stop, fake.Starter()); });
    ASSERT_TRUE(driver::WaitUntil([&] { return fake.Started("one"); }));
    stop.Request();
    EXPECT_TRUE(Finished(run)) << "the running command is not waited for";
    fake.End("one");
    EXPECT_EQ(fake.Attempts(), (std::vector<std::string>{"one"}));
}

TEST(RunCommandList, StopDuringARetryPauseWakesTheRunAndEndsIt)
{
    FakeStarter fake;
    fake.failures = {{"missing", -1}};
    CStopSignal stop;
    // With a pause this long the run could only end within the deadline by waking on the stop.
    auto run = std::async(std::launch::async,
                          [&] { RunCommandList({"missing", "next"}, stop, fake.Starter(), 60000); });
    ASSERT_TRUE(driver::WaitUntil([&] { return !fake.Attempts().empty(); }));
    stop.Request();
    EXPECT_TRUE(Finished(run));
    EXPECT_EQ(fake.Attempts(), (std::vector<std::string>{"missing"}));
}

TEST(RunCommandList, StopBeforeTheStartStartsNothing)
{
    FakeStarter fake;
    CStopSignal stop;
    stop.Request();
    RunCommandList({"one"}, stop, fake.Starter());
    EXPECT_TRUE(fake.Attempts().empty());
}

TEST(StartCommand, MissingProgramGivesNoHandles)
{
    const fw::unique_process_information started = StartCommand("C:\\no-such-folder\\no-such-program.exe /x");
    EXPECT_FALSE(started.process);
    EXPECT_FALSE(started.thread);
}
