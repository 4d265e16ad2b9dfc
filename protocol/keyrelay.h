#pragma once
// KeyRelay.dll, the maker's keyboard-hook library that Popbar links at load time, and its key
// reports. The maker's library is built with Microsoft's compiler, so both sides use its decorated
// export names: keyrelay/keyrelay-x86.def / keyrelay-x64.def give our DLL those names,
// and the import library made from maker-names-x86.def / maker-names-x64.def binds these
// declarations to them. The declarations are the contract: argument and result types must not change.
#include <windows.h>

#ifdef KEYRELAY_BUILD
#define KEYRELAY_API
#else
#define KEYRELAY_API __declspec(dllimport)
#endif

// Key reports go to hWndOwner as nMessage from now on, replacing any earlier owner. Each report is
// sent (not posted) from a thread of this process, with lParam the address of a KBDLLHOOKSTRUCT
// that stays valid while the message is handled and wParam WM_KEYDOWN or WM_KEYUP. Returns 1 when
// registered; 0 for no window, a window of another process, or when the keyboard hook could not be
// installed.
KEYRELAY_API int KbdHkSetHookOwner(HWND hWndOwner, UINT nMessage);
// No more reports once this returns. Returns 1 when an owner was released, 0 when none was registered.
KEYRELAY_API int KbdHkSetUnhook();

// The report message's name, registered with RegisterWindowMessageW by the owner.
inline constexpr wchar_t kKeyRelayMessageName[] = L"KeyRelay";
// The laptop's keys, reported by these scan codes with LLKHF_EXTENDED; only their releases count.
// (0x54 without the extended flag is SysRq, not ours.)
inline constexpr DWORD kMenuKeyScanCode = 0x54;
inline constexpr DWORD kDialKeyScanCode = 0x78;

// The owner window carries this property, holding the report message, while it is registered: how
// another process sees the registration.
inline constexpr wchar_t kKeyRelayOwnerProperty[] = L"KeyRelay.Message";
