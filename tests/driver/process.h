#pragma once
// A program started by a test; it is ended when the test lets go of it, whatever happened.
#include "handles.h"

#include <optional>
#include <string>

namespace driver {

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = default;
    ~ChildProcess();

    // Starts the program with the given command-line arguments and working folder (empty: the
    // program's own folder), its standard output and error into hOutput when given. False when it
    // could not be started.
    bool Start(const std::wstring& program, const std::wstring& arguments = L"", const std::wstring& folder = L"",
               HANDLE hOutput = nullptr);
    // Starts a whole command line as Windows starts one: the program is what CreateProcess parses
    // out of it (a quoted path, or the text up to the first blank that names a file).
    bool StartCommandLine(const std::wstring& commandLine, const std::wstring& folder);
    // Lets the program run on when the object ends.
    void Release();
    // The exit code once the program has ended within the time; nothing otherwise.
    std::optional<DWORD> WaitForExit(DWORD nTimeoutMs = 10000);
    bool IsRunning() const;
    void Terminate();
    DWORD Id() const { return m_nId; }
    HANDLE Handle() const { return m_process.get(); }

private:
    bool Launch(const wchar_t* pszProgram, const std::wstring& commandLine, const std::wstring& folder,
                HANDLE hOutput = nullptr);

    fw::unique_handle m_process;
    DWORD m_nId = 0;
};

// A console program run to its end: its exit code (nothing when it did not end in time and was ended)
// and what it wrote to its standard output and error, with "\n" line ends.
struct FinishedRun {
    std::optional<DWORD> exitCode;
    std::string output;
};
FinishedRun RunToEnd(const std::wstring& program, const std::wstring& arguments, DWORD nTimeoutMs = 60000);

// The path of the program a running process runs, whatever its bitness; empty when it cannot be asked.
std::wstring ProgramPathOf(DWORD nProcessId);

} // namespace driver
