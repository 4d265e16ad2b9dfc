#include "dialog.h"

#include "app.h"

namespace {

// The dialog being created on this thread: its procedure binds to the window at the first message.
thread_local CDialog* t_pCreating = nullptr;

const wchar_t kObjectProp[] = L"CorvaleDialogObject";

} // namespace

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
    t_pCreating = this;
    const HWND hWnd = ::CreateDialogParamW(hInstance, MAKEINTRESOURCEW(m_nIDTemplate), m_hWndParent, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    t_pCreating = nullptr;
    if (!hWnd)
        return -1;

    const bool bDisabledParent = m_hWndParent && ::IsWindowEnabled(m_hWndParent);
    if (bDisabledParent)
        ::EnableWindow(m_hWndParent, FALSE);

    MSG msg;
    while (m_bContinueModal) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
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

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    const MessageMap& map = GetMessageMap();
    for (std::size_t i = 0; i < map.count; ++i) {
        const MessageMapEntry& entry = map.entries[i];
        if (entry.message == WM_COMMAND && entry.onCommand && entry.id == wParam) {
            (this->*entry.onCommand)();
            return TRUE;
        }
    }
    if (wParam == IDOK) {
        OnOK();
        return TRUE;
    }
    if (wParam == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);

    const MessageMap& map = GetMessageMap();
    for (std::size_t i = 0; i < map.count; ++i) {
        const MessageMapEntry& entry = map.entries[i];
        if (entry.message == message && entry.onMessage)
            return (this->*entry.onMessage)(wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_pfnSuper ? ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam) : 0;
}

const CDialog::MessageMap& CDialog::GetMessageMap() const
{
    static const MessageMap empty{nullptr, 0};
    return empty;
}

void CDialog::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropW(hWnd, kObjectProp, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDialog::SubclassProc)));
}

void CDialog::Detach()
{
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropW(m_hWnd, kObjectProp);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    m_bContinueModal = false;
}

bool CDialog::IsOwnWindow(HWND hWnd) const
{
    return m_hWnd && hWnd && (hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd));
}

// The dialog procedure only binds the object; from then on the subclass sees every message first and
// this procedure answers "not handled", so the dialog class does its standard work.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDlg = t_pCreating;
    if (pDlg && !pDlg->m_hWnd) {
        pDlg->Attach(hWnd);
        // The message that brought us here has not been through the subclass yet.
        const LRESULT result = pDlg->WindowProc(message, wParam, lParam);
        if (message == WM_INITDIALOG)
            return result;
        ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}

LRESULT CALLBACK CDialog::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pDlg = static_cast<CDialog*>(::GetPropW(hWnd, kObjectProp));
    if (!pDlg)
        return ::DefDlgProcW(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC pfnSuper = pDlg->m_pfnSuper;
        pDlg->Detach();
        return ::CallWindowProcW(pfnSuper, hWnd, message, wParam, lParam);
    }
    return pDlg->WindowProc(message, wParam, lParam);
}
