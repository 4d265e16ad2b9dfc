#include "process.h"

#include "files.h"
#include "wait.h"

#include <vector>

namespace driver {

ChildProcess::~ChildProcess()
{
    Terminate();
}

bool ChildProcess::Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
                         HANDLE hOutput)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    return Launch(program.c_str(), commandLine, folder.empty() ? program.substr(0, program.find_last_of(L'\\')) : folder,
                  hOutput);
}

bool ChildProcess::StartCommandLine(const std::wstring& commandLine, const std::wstring& folder)
{
    return Launch(nullptr, commandLine, folder);
}

void ChildProcess::Release()
{
    m_process.reset();
    m_nId = 0;
}

bool ChildProcess::Launch(const wchar_t* pszProgram, const std::wstring& commandLine, const std::wstring& folder,
                          HANDLE hOutput)
{
    Terminate();
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (hOutput) {
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = hOutput;
        si.hStdError = hOutput;
    }
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(pszProgram, buffer.data(), nullptr, nullptr, hOutput != nullptr, 0, nullptr, folder.c_str(),
                          &si, &pi))
        return false;
    fw::unique_handle thread(pi.hThread);
    m_process.reset(pi.hProcess);
    m_nId = pi.dwProcessId;
    return true;
}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD nTimeoutMs)
{
    if (!m_process || ::WaitForSingleObject(m_process.get(), Deadline(nTimeoutMs)) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.get(), &code);
    return code;
}

bool ChildProcess::IsRunning() const
{
    return m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

void ChildProcess::Terminate()
{
    if (IsRunning()) {
        ::TerminateProcess(m_process.get(), 255);
        ::WaitForSingleObject(m_process.get(), Deadline(5000));
    }
    m_process.reset();
    m_nId = 0;
}

FinishedRun RunToEnd(const std::wstring& program, const std::wstring& arguments, DWORD nTimeoutMs)
{
    wchar_t szFolder[MAX_PATH] = {};
    wchar_t szFile[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szFolder);
    if (!::GetTempFileNameW(szFolder, L"out", 0, szFile))
        return {};
    FinishedRun run;
    {
        SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
        const fw::unique_file output(::CreateFileW(szFile, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ChildProcess process;
        if (output && process.Start(program, arguments, L"", output.get()))
            run.exitCode = process.WaitForExit(nTimeoutMs);
    }
    // The C runtime writes text with CRLF line ends.
    for (char c : ReadWholeFile(szFile)) {
        if (c != '\r')
            run.output += c;
    }
    ::DeleteFileW(szFile);
    return run;
}

std::wstring ProgramPathOf(DWORD nProcessId)
{
    const fw::unique_handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, nProcessId));
    wchar_t path[MAX_PATH] = {};
    DWORD n = MAX_PATH;
    return process && ::QueryFullProcessImageNameW(process.get(), 0, path, &n) ? std::wstring(path, n) : L"";
}

} // namespace driver
