#pragma once
// The application object: one static instance per program, driven by the framework's entry point.
#include <windows.h>

#include <string>

class CWinApp {
public:
    // With no name, the application's name is the executable's file name without extension.
    explicit CWinApp(const wchar_t* pszAppName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Start-up. True enters the framework's message loop; false ends the program at once.
    virtual BOOL InitInstance();
    // Shutdown; its result is the process exit code.
    virtual int ExitInstance();

    // The entry point's whole job: InitInstance, the loop when asked for, ExitInstance.
    int Run(HINSTANCE hInstance);

    const wchar_t* AppName() const { return m_strAppName.c_str(); }

    HINSTANCE m_hInstance = nullptr;

protected:
    // What the framework's ExitInstance returns.
    int m_nExitCode = 0;

private:
    std::wstring m_strAppName;
};

// The program's one application object (the last one constructed).
CWinApp* GetApp();
