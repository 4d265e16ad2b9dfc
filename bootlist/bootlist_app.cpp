#include "bootlist_app.h"

#include "errors.h"
#include "handles.h"
#include "messagebox.h"
#include "starter_value.h"

namespace {

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kValueName[] = "Popbar";
const char kCannotCreateKey[] = "Could not create the registry key.";
const char kCannotSetStarter[] = "Could not set the starter file.";

} // namespace

CBootlistApp g_app;

BOOL CBootlistApp::InitInstance()
{
    char expanded[kStarterFieldChars] = {};
    const DWORD nRequired = ::ExpandEnvironmentStringsA(kStarterTemplate, expanded, kStarterFieldChars);
    const std::optional<std::string> data = StarterValueData(expanded, nRequired);

    m_nExitCode = 1;
    fw::unique_hkey key;
    if (!fw::RegistryOk(::RegCreateKeyA(HKEY_LOCAL_MACHINE, kRunKey, key.put()))) {
        AppMessageBox(kCannotCreateKey);
        AppMessageBox(kCannotSetStarter);
        return FALSE;
    }

    const bool bWritten = data && fw::RegistryOk(::RegSetValueExA(key.get(), kValueName, 0, REG_SZ,
                                                                   reinterpret_cast<const BYTE*>(data->c_str()),
                                                                   static_cast<DWORD>(data->size() + 1)));
    if (!bWritten)
        AppMessageBox(kCannotSetStarter);
    else
        m_nExitCode = 0;
    // The program ends right away: no window, no message loop.
    return FALSE;
}
