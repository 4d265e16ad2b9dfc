#include "debug_viewer.h"

#include "files.h"
#include "paths.h"
#include "protocol/debug_viewer.h"
#include "wait.h"

namespace driver {

DebugViewerRun::DebugViewerRun()
{
    wchar_t folder[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    if (!::GetTempFileNameW(folder, L"trc", 0, file))
        return;
    m_path = file;
    m_bStarted = m_viewer.Start(ToolPath(L"DebugView.exe"), L"\"" + m_path + L"\"") &&
                 WaitUntil([] { return ::FindWindowW(kViewerClass, kViewerTitle) != nullptr; });
}

DebugViewerRun::~DebugViewerRun()
{
    m_viewer.Terminate();
    if (!m_path.empty())
        ::DeleteFileW(m_path.c_str());
}

std::string DebugViewerRun::Traces() const
{
    return ReadWholeFile(m_path);
}

size_t DebugViewerRun::Count(const std::string& text) const
{
    const std::string traces = Traces();
    size_t nCount = 0;
    for (size_t at = traces.find(text); at != std::string::npos; at = traces.find(text, at + text.size()))
        ++nCount;
    return nCount;
}

bool DebugViewerRun::WaitFor(const std::string& text, size_t nCount, DWORD nTimeoutMs) const
{
    return WaitUntil([&] { return Count(text) >= nCount; }, nTimeoutMs);
}

} // namespace driver
