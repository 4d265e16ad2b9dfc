#pragma once
// Popbar's application object: single-instance test, the menu window's class, GDI+ and the menu's run.
#include "app.h"

class CKestrelMenuApp : public CWinApp {
public:
    CKestrelMenuApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    ULONG_PTR m_nGdiplusToken = 0;
};
