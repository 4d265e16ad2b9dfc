#pragma once
#include "hub_window.h"

#include "app.h"
#include "handles.h"

#include <optional>

// ScreenHub.exe: one copy per session, one window, the framework's message loop.
// Exit codes: 0 normal end or another copy already running, 1 no window, 2 bad switches,
// 3 the journal cannot be opened.
class CScreenHubApp : public CWinApp {
public:
    BOOL InitInstance() override;

private:
    fw::unique_handle m_singleInstance;
    std::optional<CHubWindow> m_window;
};
