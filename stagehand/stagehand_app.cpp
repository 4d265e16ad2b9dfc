#include "stagehand_app.h"

#include "stagehand_dlg.h"

CStagehandApp g_app;

BOOL CStagehandApp::InitInstance()
{
    CStagehandDlg dlg;
    dlg.DoModal();
    // The program ends with the dialog; a command still running is left to run on its own.
    return FALSE;
}
