#include "app/kestrel_menu_app.h"

#include "controller/kestrel_menu_dlg.h"
#include "guarded_call.h"
#include "protocol/menu.h"
#include "trace/debug_trace.h"
#include "windowclass.h"

// The program's one application object, made before start-up runs.
static CKestrelMenuApp s_app;

namespace {

// Named in the session's namespace: one Popbar per log-on session, as one menu per desktop.
constexpr wchar_t kInstanceName[] = L"Local\\CORVALE Popbar KESTREL_MENU";

} // namespace

CKestrelMenuApp::CKestrelMenuApp() : CWinApp(nullptr) {}

BOOL CKestrelMenuApp::InitInstance()
{
    // The menu window exists only once a Popbar's start-up is over: two Popbars started within that
    // time would both pass the window test and stay. Making a named object is atomic: of Popbars
    // started together, one makes it and the others find it.
    m_instance.reset(::CreateMutexW(nullptr, FALSE, kInstanceName));
    if (m_instance && ::GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;
    if (::FindWindowW(kMenuWindowClass, nullptr))
        return FALSE;

    WNDCLASSW wc{};
    ::GetClassInfoW(m_hInstance, L"#32770", &wc);
    wc.hInstance = m_hInstance; // the dialog template names the class under Popbar's own module
    // A renamed copy of the system dialog class, by which a second Popbar (and Screen Hub) finds the
    // running menu.
    wc.lpszClassName = kMenuWindowClass;
    RegisterClassOnce(wc);

    m_com.emplace();
    m_gdiplus.emplace();

    // What the framework cannot hand back goes where Popbar's other diagnostics go.
    fw::ReportFailuresTo([](const wchar_t* pszText) { DebugOut(pszText); });
    CKestrelMenuDlg dlg;
    dlg.DoModal();
    return FALSE;
}

int CKestrelMenuApp::ExitInstance()
{
    m_gdiplus.reset();
    m_com.reset();
    return CWinApp::ExitInstance();
}
