#include "app.h"

#include "main_window.h"
#include "program_path.h"

namespace {

CWinApp* s_pApp = nullptr;

std::wstring ExecutableBaseName()
{
    std::wstring name = fw::OwnProgramPath();
    const auto slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const auto dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return name;
}

} // namespace

CWinApp::CWinApp(const wchar_t* pszAppName)
{
    m_hInstance = ::GetModuleHandleW(nullptr);
    m_strAppName = pszAppName ? pszAppName : ExecutableBaseName();
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

int CWinApp::Run(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    if (InitInstance()) {
        const int nCode = fw::RunMessageLoop();
        if (nCode != -1)
            m_nExitCode = nCode;
    }
    return ExitInstance();
}

CWinApp* GetApp()
{
    return s_pApp;
}
