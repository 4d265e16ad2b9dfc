#pragma once
// The installed KeyRelay.dll, loaded by the maker's export names as Popbar's loader binds them.
#include "handles.h"

namespace keyrelay_e2e {

class CKeyRelayLibrary {
public:
    using SetHookOwnerFn = int (*)(HWND, UINT);
    using SetUnhookFn = int (*)();

    // Loads the library from Popbar's installed folder and looks up both exports.
    CKeyRelayLibrary();
    // Both exports were found.
    bool IsLoaded() const { return m_pSetHookOwner && m_pSetUnhook; }
    int SetHookOwner(HWND hWnd, UINT nMessage) const { return m_pSetHookOwner(hWnd, nMessage); }
    int SetUnhook() const { return m_pSetUnhook(); }
    HMODULE Module() const { return m_module.get(); }

private:
    fw::unique_hmodule m_module;
    SetHookOwnerFn m_pSetHookOwner = nullptr;
    SetUnhookFn m_pSetUnhook = nullptr;
};

// The maker's decorated names for this build's word size.
const char* SetHookOwnerExportName();
const char* SetUnhookExportName();

} // namespace keyrelay_e2e
