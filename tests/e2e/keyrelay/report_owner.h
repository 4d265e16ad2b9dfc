#pragma once
// The window that KeyRelay reports to: it records every report as its handler sees it.
#include "handles.h"

#include <functional>
#include <vector>

namespace keyrelay_e2e {

struct Report {
    WPARAM nKeyMessage;
    DWORD vkCode;
    DWORD scanCode;
    DWORD flags;
    // The report was sent by another thread and waited for (InSendMessage in the handler).
    bool bSent;
};

class CReportOwner {
public:
    // A message-only window of the calling thread; reports reach it while that thread handles messages.
    CReportOwner();
    HWND Window() const { return m_hWnd.get(); }
    const std::vector<Report>& Reports() const { return m_reports; }
    // Runs inside the handler after each report is recorded, while the sender waits.
    void OnEachReport(std::function<void(const Report&)> handler) { m_onReport = std::move(handler); }
    // Handles this thread's messages until the number of reports is reached or the time is up.
    bool WaitForReports(std::size_t nCount, DWORD nTimeoutMs = 5000) const;

    // The registered "KeyRelay" message, as Popbar registers it.
    static UINT Message();

    // Every message of the window (fw::BoundWindowProc).
    LRESULT OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    fw::unique_hwnd m_hWnd;
    std::vector<Report> m_reports;
    std::function<void(const Report&)> m_onReport;
};

} // namespace keyrelay_e2e
