#pragma once
// Popbar's application object: single-instance test, the menu window's class, GDI+ and the menu's run.
#include "app.h"
#include "com_apartment.h"
#include "gdiplus_handles.h"
#include "handles.h"

#include <optional>

class CKestrelMenuApp : public CWinApp {
public:
    CKestrelMenuApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    // Lets another Popbar of the session run.
    void ReleaseInstance();

    // Owned while the menu window lives: the first Popbar of the session to make it is the only one.
    fw::unique_handle m_instance;
    // The menu's thread hands its accessible objects to screen readers through COM.
    std::optional<fw::com_apartment> m_com;
    // Started after the single-instance test, ended after the menu dialog and its pictures are gone.
    std::optional<fw::gdiplus_session> m_gdiplus;
};
