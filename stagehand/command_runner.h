#pragma once
// Running the command list: one command at a time, each to its end, retrying one that cannot start.
#include "handles.h"
#include "stop_signal.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr int kStartAttempts = 5;
inline constexpr DWORD kRetryPauseMs = 2000;
// The longest command line a program can be started with, terminator included.
inline constexpr std::size_t kMaxCommandLineChars = 32767;

// Starts one command line; both handles are empty when it could not be started.
using ProcessStarter = std::function<fw::unique_process_information(const std::string& commandLine)>;

// CreateProcessA with the command line alone, no inherited handles, the parent's environment and
// current directory. A line of kMaxCommandLineChars or more cannot be started: it is never handed
// to CreateProcessA, since not every implementation refuses it, and one that does not starts the
// program with the line cut to its length modulo 65536.
fw::unique_process_information StartCommand(const std::string& commandLine);

// Runs the commands in order, waiting for each process to end. A command that cannot be started
// is tried kStartAttempts times, a pause after each failure, then skipped. A stop request ends
// the run at once, also in a pause or while a command runs; that command is left running.
void RunCommandList(const std::vector<std::string>& commands, CStopSignal& stop, const ProcessStarter& start,
                    DWORD nRetryPauseMs = kRetryPauseMs);
