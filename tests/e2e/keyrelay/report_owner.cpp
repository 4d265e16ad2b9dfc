#include "report_owner.h"

#include "protocol/keyrelay.h"

#include "wait.h"
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
    wc.lpfnWndProc = &CReportOwner::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kOwnerClass;
    RegisterClassOnce(wc);
    m_hWnd.reset(::CreateWindowExW(0, kOwnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this));
}

bool CReportOwner::WaitForReports(std::size_t nCount, DWORD nTimeoutMs) const
{
    return driver::WaitUntil([&] { return m_reports.size() >= nCount; }, nTimeoutMs);
}

LRESULT CALLBACK CReportOwner::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
    }
    auto* pOwner = reinterpret_cast<CReportOwner*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (pOwner && message == Message()) {
        const auto* pKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        pOwner->m_reports.push_back({wParam, pKey->vkCode, pKey->scanCode, pKey->flags, ::InSendMessage() != FALSE});
        if (pOwner->m_onReport)
            pOwner->m_onReport(pOwner->m_reports.back());
        return 1;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace keyrelay_e2e
