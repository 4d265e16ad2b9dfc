#pragma once
// One registration with KeyRelay: a hook thread of the library runs the low-level keyboard hook in
// its own message loop and only queues what it reports, so the hook returns at once however long
// the owner takes; a sender thread sends the queued records to the owner one by one and waits for
// each to be handled.
#include "handles.h"
#include "key_translation.h"
#include "report_queue.h"

#include <condition_variable>
#include <mutex>

namespace keyrelay {

// Its owner, its two threads and the queue between them.
class CRelayRun {
public:
    CRelayRun(HWND hWndOwner, UINT nMessage, const StandInKeys& keys)
        : m_hWndOwner(hWndOwner), m_nMessage(nMessage), m_keys(keys)
    {
    }

    HWND Owner() const { return m_hWndOwner; }
    bool Start();
    // False when the sender could not be waited for (see WaitForSender); the run must then live on.
    bool Stop();
    // Called by the hook procedure: true when the event must not be passed on.
    bool OnKeyEvent(const KBDLLHOOKSTRUCT& event);

private:
    static LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI HookThread(void* pRun);
    static DWORD WINAPI SenderThread(void* pRun);
    void RunHook();
    void RunSender();
    bool WaitForSender();

    const HWND m_hWndOwner;
    const UINT m_nMessage;
    const StandInKeys m_keys;
    // Keeps the library loaded while its threads run, also if its user frees it without unhooking.
    fw::unique_hmodule m_module;

    fw::unique_handle m_hookThread;
    DWORD m_nHookThreadId = 0;
    fw::unique_handle m_hookReady;
    bool m_bHooked = false;

    fw::unique_handle m_senderThread;
    std::mutex m_lock;
    std::condition_variable m_wake;
    CReportQueue m_queue;
    bool m_bStop = false;
    bool m_bSending = false;
    unsigned m_nSendSerial = 0;
};

} // namespace keyrelay
