#pragma once
// Binding an object to a plain window (dialogs bind themselves, see dialog.h). The object is the
// window's creation parameter; WM_NCCREATE keeps it in GWLP_USERDATA, and from that message on the
// object's OnMessage(hWnd, message, wParam, lParam) gets every message. Messages before it, and any
// whose handling throws, get the default window procedure: no exception reaches the system.
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
    try {
        return pObject->OnMessage(hWnd, message, wParam, lParam);
    } catch (...) {
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

} // namespace fw
