#include "app/kestrel_menu_app.h"

#include "app/keyrelay_message.h"
#include "controller/kestrel_menu_dlg.h"
#include "windowclass.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

// The menu window's class: a renamed copy of the system dialog class, by which a second Popbar
// (and Screen Hub) finds the running menu.
constexpr wchar_t kMenuClass[] = L"KESTREL_MENU";

} // namespace

// The application object comes before the message id: both are made before start-up runs.
static CKestrelMenuApp s_app;
const UINT g_nKeyRelayMessage = ::RegisterWindowMessageW(L"KeyRelay");

CKestrelMenuApp::CKestrelMenuApp() : CWinApp(nullptr) {}

BOOL CKestrelMenuApp::InitInstance()
{
    if (::FindWindowW(kMenuClass, nullptr))
        return FALSE;

    WNDCLASSW wc{};
    ::GetClassInfoW(m_hInstance, L"#32770", &wc);
    wc.hInstance = m_hInstance; // the dialog template names the class under Popbar's own module
    wc.lpszClassName = kMenuClass;
    RegisterClassOnce(wc);

    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_nGdiplusToken, &input, nullptr);

    CKestrelMenuDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CKestrelMenuApp::ExitInstance()
{
    if (m_nGdiplusToken)
        Gdiplus::GdiplusShutdown(m_nGdiplusToken);
    return CWinApp::ExitInstance();
}
