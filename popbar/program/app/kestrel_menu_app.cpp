#include "app/kestrel_menu_app.h"

#include "controller/instance_wait.h"
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
// How long a Popbar that finds the object without a menu window waits for the other Popbar to show its
// window or let the object go: far beyond the moments between a menu window's end and its object's.
constexpr DWORD kOtherPopbarLimitMs = 10000;
constexpr DWORD kOtherPopbarPollMs = 50;

bool MenuWindowThere()
{
    return ::FindWindowW(kMenuWindowClass, nullptr) != nullptr;
}

} // namespace

CKestrelMenuApp::CKestrelMenuApp() : CWinApp(nullptr) {}

BOOL CKestrelMenuApp::InitInstance()
{
    // The menu window exists only once a Popbar's start-up is over: two Popbars started within that
    // time would both pass the window test and stay. Making a named object is atomic: of Popbars
    // started together, one makes it (and holds it while its menu window lives) and the others find it.
    m_instance.reset(::CreateMutexW(nullptr, TRUE, kInstanceName));
    if (m_instance && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        if (MenuWindowThere())
            return FALSE;
        OtherPopbarLooks looks;
        looks.menuWindowThere = MenuWindowThere;
        looks.takeObject = [this](DWORD nMs) {
            const DWORD result = ::WaitForSingleObject(m_instance.get(), nMs);
            return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        };
        switch (WaitForOtherPopbar(looks, kOtherPopbarLimitMs, kOtherPopbarPollMs)) {
        case OtherPopbar::Gone:
            DebugTrace(L"\nStart : the Popbar before this one has ended");
            break;
        case OtherPopbar::Running:
            return FALSE;
        case OtherPopbar::NoAnswer:
            DebugTrace(L"\nStart : another Popbar holds the session without a menu: this one ends");
            m_instance.reset();
            return FALSE;
        }
    }
    if (MenuWindowThere()) {
        ReleaseInstance();
        return FALSE;
    }

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
    {
        CKestrelMenuDlg dlg;
        dlg.DoModal();
        // The menu window is gone: a Popbar started from now on runs, while this one lets go of the
        // rest of its run.
        ReleaseInstance();
    }
    return FALSE;
}

void CKestrelMenuApp::ReleaseInstance()
{
    if (m_instance)
        ::ReleaseMutex(m_instance.get());
    m_instance.reset();
}

int CKestrelMenuApp::ExitInstance()
{
    m_gdiplus.reset();
    m_com.reset();
    return CWinApp::ExitInstance();
}
