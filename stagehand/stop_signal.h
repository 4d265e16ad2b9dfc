#pragma once
// A stop request from the user-interface thread to the worker: an event to wait on, and a lock
// that makes "not stopped, so start" one step.
#include "handles.h"

#include <mutex>

class CStopSignal {
public:
    CStopSignal() : m_event(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    CStopSignal(const CStopSignal&) = delete;
    CStopSignal& operator=(const CStopSignal&) = delete;

    // After this returns, no action passed to RunUnlessStopped begins any more.
    void Request()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ::SetEvent(m_event.get());
    }
    bool Requested() const { return ::WaitForSingleObject(m_event.get(), 0) == WAIT_OBJECT_0; }
    // Signalled once a stop is requested.
    HANDLE Event() const { return m_event.get(); }

    // Runs the action unless a stop was requested; a stop request meanwhile waits for it to return.
    // True when it ran.
    template <typename Action>
    bool RunUnlessStopped(Action action)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (Requested())
            return false;
        action();
        return true;
    }

private:
    fw::unique_handle m_event;
    std::mutex m_mutex;
};
