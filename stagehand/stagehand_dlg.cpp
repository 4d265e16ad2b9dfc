#include "stagehand_dlg.h"

#include "app.h"
#include "setup_worker.h"
#include "stagehand_ids.h"

CStagehandDlg::CStagehandDlg() : CDialog(IDD_STAGEHAND_WAIT) {}

CStagehandDlg::~CStagehandDlg()
{
    StopWorker();
}

LRESULT CStagehandDlg::OnInitDialog(WPARAM, LPARAM, BOOL&)
{
    m_pRun = std::make_shared<CSetupRun>(m_hWnd);

    m_hIcon = ::LoadIconA(GetApp()->m_hInstance, MAKEINTRESOURCEA(IDI_STAGEHAND));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // The worker owns its own reference to the shared run from the moment it exists.
    auto pParam = std::make_unique<std::shared_ptr<CSetupRun>>(m_pRun);
    m_hWorker.reset(::CreateThread(nullptr, 0, SetupWorker, pParam.get(), 0, nullptr));
    if (m_hWorker)
        pParam.release();
    return TRUE;
}

const CDialog::MessageMap& CStagehandDlg::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        Message(WM_INITDIALOG, &CStagehandDlg::OnInitDialog),
        Message(WM_SETUP_DONE, &CStagehandDlg::OnSetupDone),
        Message(WM_CLOSE, &CStagehandDlg::OnClose),
    };
    static const MessageMap map = MapOf(entries);
    return map;
}

LRESULT CStagehandDlg::OnSetupDone(WPARAM, LPARAM, BOOL&)
{
    m_pRun->m_nFinished = 1;
    // The worker has only its final pause left: it is not waited for.
    m_hWorker.reset();
    EndDialog(IDOK);
    return 1;
}

LRESULT CStagehandDlg::OnClose(WPARAM, LPARAM, BOOL& bHandled)
{
    StopWorker();
    // The dialog class turns the close request into IDCANCEL, which ends the dialog.
    bHandled = FALSE;
    return 0;
}

void CStagehandDlg::StopWorker()
{
    // A command already running is left to run; it is not waited for either.
    if (m_pRun)
        m_pRun->m_stop.Request();
    m_hWorker.reset();
}
