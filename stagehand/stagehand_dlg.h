#pragma once
// The "Please wait..." window: it starts the worker and ends when the worker is done or the user
// closes it.
#include "dialog.h"
#include "handles.h"
#include "setup_run.h"

#include <memory>

class CStagehandDlg : public CDialog {
public:
    CStagehandDlg();
    // Whatever ended the dialog, the worker starts no further command.
    ~CStagehandDlg() override;

protected:
    const MessageMap& GetMessageMap() const override;

private:
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnSetupDone(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnClose(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    void StopWorker();

    fw::unique_handle m_hWorker;
    std::shared_ptr<CSetupRun> m_pRun;
    HICON m_hIcon = nullptr;
};
