#include "process.h"

#include <vector>

namespace driver {

ChildProcess::~ChildProcess()
{
    Terminate();
}

bool ChildProcess::Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder)
{
    Terminate();
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');

    std::wstring workFolder = folder;
    if (workFolder.empty())
        workFolder = program.substr(0, program.find_last_of(L'\\'));

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, workFolder.c_str(),
                          &si, &pi))
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
