#include "keyrelay_library.h"

#include "paths.h"

namespace keyrelay_e2e {

const char* SetHookOwnerExportName()
{
    return sizeof(void*) == 8 ? "?KbdHkSetHookOwner@@YAHPEAUHWND__@@I@Z" : "?KbdHkSetHookOwner@@YAHPAUHWND__@@I@Z";
}

const char* SetUnhookExportName()
{
    return "?KbdHkSetUnhook@@YAHXZ";
}

CKeyRelayLibrary::CKeyRelayLibrary()
    : m_module(::LoadLibraryW(driver::InstalledPath(L"Popbar\\KeyRelay.dll").c_str()))
{
    if (!m_module)
        return;
    m_pSetHookOwner =
        reinterpret_cast<SetHookOwnerFn>(reinterpret_cast<void*>(::GetProcAddress(m_module.get(), SetHookOwnerExportName())));
    m_pSetUnhook =
        reinterpret_cast<SetUnhookFn>(reinterpret_cast<void*>(::GetProcAddress(m_module.get(), SetUnhookExportName())));
}

} // namespace keyrelay_e2e
