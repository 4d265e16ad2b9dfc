// The framework's entry point: every program hands its run to its one application object.
#include "app.h"
#include "library_search.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    fw::LimitLibrarySearch();
    CWinApp* pApp = GetApp();
    return pApp ? pApp->Run(hInstance) : 1;
}
