#include "process.h"

#include <vector>

namespace driver {

ChildProcess::~ChildProcess()
{
    Terminate();
}

bool ChildProcess::Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    return Launch(program.c_str(), commandLine, folder.empty() ? program.substr(0, program.find_last_of(L'\\')) : folder);
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

bool ChildProcess::Launch(const wchar_t* pszProgram, const std::wstring& commandLine, const std::wstring& folder)
{
    Terminate();
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(pszProgram, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return false;
    fw::unique_handle thread(pi.hThread);
    m_process.reset(pi.hProcess);
    m_nId = pi.dwProcessId;
    return true;
}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD nTimeoutMs)
{
    if (!m_process || ::WaitForSingleObject(m_process.get(), nTimeoutMs) != WAIT_OBJECT_0)
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
        ::WaitForSingleObject(m_process.get(), 5000);
    }
    m_process.reset();
    m_nId = 0;
}

} // namespace driver
