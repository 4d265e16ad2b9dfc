#include "key_target.h"

#include "window_binding.h"

#include "wait.h"
#include "windowclass.h"

#include <algorithm>
#include <chrono>

namespace keyrelay_e2e {

namespace {

constexpr wchar_t kTargetClass[] = L"KEYRELAY_TEST_TARGET";

} // namespace

CKeyTarget::CKeyTarget() : m_thread(&CKeyTarget::Run, this)
{
    std::unique_lock<std::mutex> hold(m_lock);
    m_changed.wait(hold, [this] { return m_nThreadId != 0; });
}

CKeyTarget::~CKeyTarget()
{
    ::PostThreadMessageW(m_nThreadId, WM_QUIT, 0, 0);
    m_thread.join();
}

bool CKeyTarget::TakeForeground()
{
    return m_hWnd && driver::WaitUntil([this] {
               ::SetForegroundWindow(m_hWnd);
               return ::GetForegroundWindow() == m_hWnd;
           });
}

bool CKeyTarget::WaitForKeyDown(UINT nVirtualKey, DWORD nTimeoutMs)
{
    std::unique_lock<std::mutex> hold(m_lock);
    return m_changed.wait_for(hold, std::chrono::milliseconds(driver::Deadline(nTimeoutMs)), [&] {
        return std::find(m_keysDown.begin(), m_keysDown.end(), nVirtualKey) != m_keysDown.end();
    });
}

bool CKeyTarget::HasSeenKeyDown(UINT nVirtualKey)
{
    std::lock_guard<std::mutex> hold(m_lock);
    return std::find(m_keysDown.begin(), m_keysDown.end(), nVirtualKey) != m_keysDown.end();
}

void CKeyTarget::Run()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &fw::BoundWindowProc<CKeyTarget>;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kTargetClass;
    RegisterClassOnce(wc);
    const fw::unique_hwnd window(::CreateWindowExW(0, kTargetClass, L"KeyRelay test target",
                                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                                   nullptr, wc.hInstance, this));
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_hWnd = window.get();
        m_nThreadId = ::GetCurrentThreadId();
    }
    m_changed.notify_all();
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

LRESULT CKeyTarget::OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        {
            std::lock_guard<std::mutex> hold(m_lock);
            m_keysDown.push_back(static_cast<UINT>(wParam));
        }
        m_changed.notify_all();
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace keyrelay_e2e
