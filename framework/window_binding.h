#pragma once
// Binding an object to a plain window (dialogs bind themselves, see dialog.h). The object is the
// window's creation parameter; WM_NCCREATE keeps it in GWLP_USERDATA, and from that message on the
// object's OnMessage(hWnd, message, wParam, lParam) gets every message, WM_NCDESTROY last, after
// which the window no longer names it. Messages before it get the default window procedure, and so
// does one whose handling throws (fw::GuardedCall says so): no exception reaches the system.
#include "guarded_call.h"

#include <windows.h>

namespace fw {

template <typename T>
LRESULT CALLBACK BoundWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
    }
    auto* pObject = reinterpret_cast<T*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (!pObject)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    return GuardedCall(
        L"window procedure", [&] { return pObject->OnMessage(hWnd, message, wParam, lParam); },
        [&] { return ::DefWindowProcW(hWnd, message, wParam, lParam); });
}

// The object bound to a live window of this process by BoundWindowProc<T>; null for any other
// window, for a window before WM_NCCREATE and after WM_NCDESTROY, and for a handle no longer valid.
template <typename T>
T* BoundObject(HWND hWnd)
{
    DWORD nProcessId = 0;
    if (!hWnd || !::GetWindowThreadProcessId(hWnd, &nProcessId) || nProcessId != ::GetCurrentProcessId())
        return nullptr;
    if (::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&BoundWindowProc<T>))
        return nullptr;
    return reinterpret_cast<T*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

} // namespace fw
