#include "report_owner.h"

#include "protocol/keyrelay.h"

#include "wait.h"
#include "window_binding.h"
#include "windowclass.h"

namespace keyrelay_e2e {

namespace {

constexpr wchar_t kOwnerClass[] = L"KEYRELAY_TEST_OWNER";

} // namespace

UINT CReportOwner::Message()
{
    static const UINT s_nMessage = ::RegisterWindowMessageW(kKeyRelayMessageName);
    return s_nMessage;
}

CReportOwner::CReportOwner()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &fw::BoundWindowProc<CReportOwner>;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kOwnerClass;
    RegisterClassOnce(wc);
    m_hWnd.reset(::CreateWindowExW(0, kOwnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this));
}

bool CReportOwner::WaitForReports(std::size_t nCount, DWORD nTimeoutMs) const
{
    return driver::WaitUntil([&] { return m_reports.size() >= nCount; }, nTimeoutMs);
}

LRESULT CReportOwner::OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == Message()) {
        const auto* pKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        m_reports.push_back({wParam, pKey->vkCode, pKey->scanCode, pKey->flags, ::InSendMessage() != FALSE});
        if (m_onReport)
            m_onReport(m_reports.back());
        return 1;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace keyrelay_e2e
