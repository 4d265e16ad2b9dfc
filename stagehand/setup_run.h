#pragma once
// What the wait dialog and its worker share. Both hold it, so it lives as long as either needs it,
// whenever the dialog ends.
#include "stop_signal.h"

#include <atomic>

#include <windows.h>

// Posted by the worker to the dialog when the list is done.
inline constexpr UINT WM_SETUP_DONE = WM_APP + 1;

struct CSetupRun {
    explicit CSetupRun(HWND hWnd) : m_hWndDialog(hWnd) {}

    const HWND m_hWndDialog;
    // The dialog's finished flag: 1 once it has handled WM_SETUP_DONE.
    std::atomic<int> m_nFinished{0};
    // Requested when the dialog ends before the worker is done.
    CStopSignal m_stop;
};
