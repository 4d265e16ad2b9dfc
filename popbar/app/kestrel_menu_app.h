#pragma once
// Popbar's application object: single-instance test, the menu window's class, GDI+ and the menu's run.
#include "app.h"
#include "gdiplus_handles.h"

#include <optional>

class CKestrelMenuApp : public CWinApp {
public:
    CKestrelMenuApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    // Started after the single-instance test, ended after the menu dialog and its pictures are gone.
    std::optional<fw::gdiplus_session> m_gdiplus;
};
