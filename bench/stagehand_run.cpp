#include "stagehand_run.h"

#include "bench_clock.h"
#include "process.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace {

constexpr DWORD kRunTimeoutMs = 120000;

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// The same list in both modes, so the machine's mode does not matter.
bool WriteList(const std::wstring& iniPath, const std::wstring& batchPath, const std::wstring& noopName, int nCommands)
{
    std::ofstream ini(std::filesystem::path(iniPath), std::ios::binary);
    for (const char* pszSection : {"[UserMode]", "[FactoryMode]"}) {
        ini << pszSection << "\r\n";
        for (int n = 1; n <= nCommands; ++n)
            ini << "Setup" << n << "=%CurrentLocation%\\" << Narrow(noopName) << "\r\n";
    }
    std::ofstream batch(std::filesystem::path(batchPath), std::ios::binary);
    batch << "@echo off\r\n";
    for (int n = 1; n <= nCommands; ++n)
        batch << "\"%~dp0" << Narrow(noopName) << "\"\r\n";
    return ini.good() && batch.good();
}

std::optional<double> TimeRun(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder)
{
    driver::ChildProcess process;
    const LONGLONG nStart = bench::Now();
    if (!process.Start(program, arguments, folder) || !process.WaitForExit(kRunTimeoutMs))
        return std::nullopt;
    return bench::Milliseconds(bench::Now() - nStart);
}

std::wstring SystemProgram(const wchar_t* pszName)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + pszName;
}

} // namespace

SetupRunTimes MeasureSetupRuns(const std::wstring& stagehandPath, const std::wstring& noopPath,
                               const std::wstring& folder, int nCommands, int nRounds)
{
    SetupRunTimes times;
    const std::wstring noopName = noopPath.substr(noopPath.find_last_of(L'\\') + 1);
    const std::wstring stagehand = folder + L"\\Stagehand.exe";
    const std::wstring batch = folder + L"\\commands.bat";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    if (!::CopyFileW(stagehandPath.c_str(), stagehand.c_str(), FALSE) ||
        !::CopyFileW(noopPath.c_str(), (folder + L"\\" + noopName).c_str(), FALSE) ||
        !WriteList(folder + L"\\stagehand.ini", batch, noopName, nCommands)) {
        times.failure = "could not lay out " + Narrow(folder);
        return times;
    }
    for (int n = 1; n <= nRounds; ++n) {
        const std::optional<double> stagehandMs = TimeRun(stagehand, L"", folder);
        const std::optional<double> batchMs = TimeRun(SystemProgram(L"cmd.exe"), L"/c \"" + batch + L"\"", folder);
        if (!stagehandMs || !batchMs) {
            times.failure = std::string(stagehandMs ? "the batch file" : "Stagehand") + " did not end in round " +
                            std::to_string(n);
            break;
        }
        times.stagehandMs.push_back(*stagehandMs);
        times.batchMs.push_back(*batchMs);
    }
    return times;
}
