#include "dialog.h"

#include "app.h"
#include "guarded_call.h"

namespace {

ModalLoopWatcher s_pfnLoopWatcher = nullptr;

// Messages whose result the dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

} // namespace

void WatchModalLoops(ModalLoopWatcher watcher)
{
    s_pfnLoopWatcher = watcher;
}

CDialog::CDialog(UINT nIDTemplate, HWND hWndParent) : m_nIDTemplate(nIDTemplate), m_hWndParent(hWndParent) {}

CDialog::~CDialog()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal()
{
    const HINSTANCE hInstance = GetApp() ? GetApp()->m_hInstance : ::GetModuleHandleW(nullptr);
    m_bContinueModal = true;
    m_nModalResult = -1;
    const HWND hWnd = ::CreateDialogParamW(hInstance, MAKEINTRESOURCEW(m_nIDTemplate), m_hWndParent, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    if (!hWnd)
        return -1;

    const bool bDisabledParent = m_hWndParent && ::IsWindowEnabled(m_hWndParent);
    if (bDisabledParent)
        ::EnableWindow(m_hWndParent, FALSE);

    MSG msg;
    while (m_bContinueModal) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (s_pfnLoopWatcher)
            s_pfnLoopWatcher();
        if (got == -1)
            break;
        if (got == 0) {
            // A quit request belongs to whoever runs the loop outside this dialog.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsOwnWindow(msg.hwnd) && PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }

    if (bDisabledParent)
        ::EnableWindow(m_hWndParent, TRUE);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = false;
    // Wake the loop if it is waiting for a message.
    if (m_hWnd)
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    return m_hWnd && ::IsDialogMessageW(m_hWnd, pMsg);
}

const CDialog::MessageMap& CDialog::GetMessageMap() const
{
    static const MessageMap empty{nullptr, 0};
    return empty;
}

bool CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const MessageMap& map = GetMessageMap();
    for (std::size_t i = 0; i < map.count; ++i) {
        const MessageMapEntry& entry = map.entries[i];
        if (entry.message == 0 || entry.message != message)
            continue;
        if (entry.onCommand) {
            if (entry.id == wParam) {
                (this->*entry.onCommand)();
                result = 0;
                return true;
            }
            continue;
        }
        BOOL bHandled = TRUE;
        result = (this->*entry.onMessage)(wParam, lParam, bHandled);
        if (bHandled)
            return true;
    }
    if (message == WM_INITDIALOG) {
        result = TRUE;
        return true;
    }
    if (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) {
        EndDialog(static_cast<INT_PTR>(wParam));
        result = 0;
        return true;
    }
    return false;
}

bool CDialog::IsOwnWindow(HWND hWnd) const
{
    return m_hWnd && hWnd && (hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* pBinding = reinterpret_cast<CDialog*>(lParam);
        pBinding->m_hWnd = hWnd;
        ::SetWindowLongPtrW(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(pBinding));
    }
    auto* pDlg = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!pDlg)
        return FALSE;
    if (message == WM_NCDESTROY) {
        // The window is gone, whoever destroyed it: so is the modal run.
        ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
        pDlg->m_hWnd = nullptr;
        pDlg->m_bContinueModal = false;
        return FALSE;
    }
    LRESULT result = 0;
    const bool bHandled = fw::GuardedCall(
        L"dialog procedure", [&] { return pDlg->HandleMessage(message, wParam, lParam, result); }, [] { return false; });
    if (!bHandled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
