#include "relay_run.h"

#include "guarded_call.h"

namespace keyrelay {

namespace {

// The run whose hook is installed; the hook procedure reaches it through this, on the hook thread only.
CRelayRun* s_pHookRun = nullptr;

} // namespace

LRESULT CALLBACK CRelayRun::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Nothing thrown may reach the system's hook chain: the key then goes on unreported.
    const bool bSwallow = fw::GuardedCall(
        L"KeyRelay's keyboard hook",
        [&] {
            return nCode == HC_ACTION && s_pHookRun &&
                   s_pHookRun->OnKeyEvent(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam));
        },
        [] { return false; });
    return bSwallow ? 1 : ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

bool CRelayRun::Start()
{
    HMODULE hModule = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&KeyboardProc),
                              &hModule))
        return false;
    m_module.reset(hModule);

    m_hookReady.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!m_hookReady)
        return false;
    s_pHookRun = this;
    m_hookThread.reset(::CreateThread(nullptr, 0, &CRelayRun::HookThread, this, 0, &m_nHookThreadId));
    if (!m_hookThread)
        return false;
    ::WaitForSingleObject(m_hookReady.get(), INFINITE);
    if (!m_bHooked)
        return false;
    m_senderThread.reset(::CreateThread(nullptr, 0, &CRelayRun::SenderThread, this, 0, nullptr));
    return static_cast<bool>(m_senderThread);
}

bool CRelayRun::Stop()
{
    if (m_hookThread) {
        ::PostThreadMessageW(m_nHookThreadId, WM_QUIT, 0, 0);
        ::WaitForSingleObject(m_hookThread.get(), INFINITE);
    }
    s_pHookRun = nullptr;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_bStop = true;
        m_queue.Clear();
    }
    m_wake.notify_all();
    return !m_senderThread || WaitForSender();
}

bool CRelayRun::OnKeyEvent(const KBDLLHOOKSTRUCT& event)
{
    const auto report = TranslateKey(event.vkCode, event.scanCode, event.flags, m_keys);
    if (!report)
        return false;
    QueuedKey key{(report->flags & LLKHF_UP) ? WPARAM{WM_KEYUP} : WPARAM{WM_KEYDOWN}, event};
    key.record.scanCode = report->scanCode;
    key.record.flags = report->flags;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_queue.Push(key);
    }
    m_wake.notify_one();
    return report->bSwallow;
}

DWORD WINAPI CRelayRun::HookThread(void* pRun)
{
    static_cast<CRelayRun*>(pRun)->RunHook();
    return 0;
}

DWORD WINAPI CRelayRun::SenderThread(void* pRun)
{
    static_cast<CRelayRun*>(pRun)->RunSender();
    return 0;
}

void CRelayRun::RunHook()
{
    // The queue must exist before Stop can post WM_QUIT to it.
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    // The platform calls a low-level hook through the message loop of the thread that installed it.
    const fw::unique_hook hook(::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, m_module.get(), 0));
    m_bHooked = static_cast<bool>(hook);
    ::SetEvent(m_hookReady.get());
    if (!hook)
        return;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);
}

void CRelayRun::RunSender()
{
    for (;;) {
        QueuedKey key;
        {
            std::unique_lock<std::mutex> hold(m_lock);
            m_wake.wait(hold, [this] { return m_bStop || !m_queue.IsEmpty(); });
            if (m_bStop)
                return;
            key = *m_queue.Pop();
            m_bSending = true;
            ++m_nSendSerial;
        }
        // The record lives on this thread's stack until the owner has handled it.
        ::SendMessageW(m_hWndOwner, m_nMessage, key.nKeyMessage, reinterpret_cast<LPARAM>(&key.record));
        std::lock_guard<std::mutex> hold(m_lock);
        m_bSending = false;
    }
}

// Waits for the sender to end. A report on its way to this very thread is handled meanwhile, so it
// reaches the owner before KbdHkSetUnhook returns and never after. If the owner's thread calls while
// it is itself handling a report (a close request that arrives during the handler's own waits),
// the sender waits for this thread and this thread cannot wait for it: after a send has stayed
// unanswered with nothing pending here for two rounds, the sender is left to end by itself; it
// sends nothing more.
bool CRelayRun::WaitForSender()
{
    const bool bOnOwnerThread = ::GetWindowThreadProcessId(m_hWndOwner, nullptr) == ::GetCurrentThreadId();
    constexpr DWORD kRoundMs = 200;
    HANDLE hSender = m_senderThread.get();
    bool bSeenStuck = false;
    unsigned nStuckSerial = 0;
    for (;;) {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        const DWORD result = ::MsgWaitForMultipleObjects(1, &hSender, FALSE, kRoundMs, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0)
            return true;
        if (result != WAIT_TIMEOUT || !bOnOwnerThread)
            continue;
        std::lock_guard<std::mutex> hold(m_lock);
        if (!m_bSending) {
            bSeenStuck = false;
            continue;
        }
        if (bSeenStuck && nStuckSerial == m_nSendSerial)
            return false;
        bSeenStuck = true;
        nStuckSerial = m_nSendSerial;
    }
}

} // namespace keyrelay
