#include "command_runner.h"

fw::unique_process_information StartCommand(const std::string& commandLine)
{
    fw::unique_process_information started;
    if (commandLine.size() >= kMaxCommandLineChars)
        return started;
    // CreateProcessA may write into the command line.
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (::CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        started.process.reset(pi.hProcess);
        started.thread.reset(pi.hThread);
    }
    return started;
}

void RunCommandList(const std::vector<std::string>& commands, CStopSignal& stop, const ProcessStarter& start,
                    DWORD nRetryPauseMs)
{
    for (const std::string& command : commands) {
        for (int attempt = 1; attempt <= kStartAttempts; ++attempt) {
            fw::unique_process_information started;
            if (!stop.RunUnlessStopped([&] { started = start(command); }))
                return;
            if (started.process) {
                const HANDLE waits[] = {started.process.get(), stop.Event()};
                const DWORD woken = ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
                started.process.reset();
                started.thread.reset();
                if (woken != WAIT_OBJECT_0)
                    return;
                break;
            }
            if (::WaitForSingleObject(stop.Event(), nRetryPauseMs) != WAIT_TIMEOUT)
                return;
        }
    }
}
