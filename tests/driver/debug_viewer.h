#pragma once
// The debug viewer, as installed among the tools, run for a test: it writes every trace text it gets
// from Popbar, one a line, to a file of its own in the temp folder, which goes when the run ends.
#include "process.h"

#include <windows.h>

#include <string>

namespace driver {

class DebugViewerRun {
public:
    // Starts the viewer and waits until its window is there; Started() says whether it came.
    DebugViewerRun();
    DebugViewerRun(const DebugViewerRun&) = delete;
    DebugViewerRun& operator=(const DebugViewerRun&) = delete;
    ~DebugViewerRun();

    bool Started() const { return m_bStarted; }
    // Every text received so far, in UTF-8.
    std::string Traces() const;
    // How often the text stands in the traces.
    size_t Count(const std::string& text) const;
    // True once the text stands there at least nCount times.
    bool WaitFor(const std::string& text, size_t nCount = 1, DWORD nTimeoutMs = 10000) const;

private:
    std::wstring m_path;
    ChildProcess m_viewer;
    bool m_bStarted = false;
};

} // namespace driver
