#pragma once
#include <windows.h>

// The worker thread: reads the command list of the mode's section, runs it, and posts WM_SETUP_DONE.
// Its parameter is a std::shared_ptr<CSetupRun>* made with new, which the worker takes over.
DWORD WINAPI SetupWorker(LPVOID pParam);
