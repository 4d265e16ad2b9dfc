#pragma once
// A window on a thread of its own that takes the foreground and records the keys it receives: where
// keys that KeyRelay passes on arrive, also while the test's own thread is held up.
#include "handles.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace keyrelay_e2e {

class CKeyTarget {
public:
    CKeyTarget();
    ~CKeyTarget();
    CKeyTarget(const CKeyTarget&) = delete;
    CKeyTarget& operator=(const CKeyTarget&) = delete;

    HWND Window() const { return m_hWnd; }
    // Makes the window the foreground window and waits until it is.
    bool TakeForeground();
    // Waits (the time stretched by driver::Deadline), without handling the calling thread's messages,
    // until the key has come down here.
    bool WaitForKeyDown(UINT nVirtualKey, DWORD nTimeoutMs = 5000);
    bool HasSeenKeyDown(UINT nVirtualKey);

    // Every message of the window, on its own thread (fw::BoundWindowProc).
    LRESULT OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Run();

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<UINT> m_keysDown;
    HWND m_hWnd = nullptr;
    DWORD m_nThreadId = 0;
    std::thread m_thread;
};

} // namespace keyrelay_e2e
