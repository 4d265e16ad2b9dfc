#include "app/kestrel_menu_app.h"

#include "controller/kestrel_menu_dlg.h"
#include "protocol/menu.h"
#include "windowclass.h"

// The program's one application object, made before start-up runs.
static CKestrelMenuApp s_app;

CKestrelMenuApp::CKestrelMenuApp() : CWinApp(nullptr) {}

BOOL CKestrelMenuApp::InitInstance()
{
    if (::FindWindowW(kMenuWindowClass, nullptr))
        return FALSE;

    WNDCLASSW wc{};
    ::GetClassInfoW(m_hInstance, L"#32770", &wc);
    wc.hInstance = m_hInstance; // the dialog template names the class under Popbar's own module
    // A renamed copy of the system dialog class, by which a second Popbar (and Screen Hub) finds the
    // running menu.
    wc.lpszClassName = kMenuWindowClass;
    RegisterClassOnce(wc);

    m_gdiplus.emplace();

    CKestrelMenuDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CKestrelMenuApp::ExitInstance()
{
    m_gdiplus.reset();
    return CWinApp::ExitInstance();
}
