#pragma once
// KeyRelay.dll: the keyboard-hook library that reports the laptop's special keys to an owner window.
// Popbar links it at load time; the exports keep C++ linkage, so these declarations are the contract.
#include <windows.h>

#ifdef KEYRELAY_BUILD
#define KEYRELAY_API __declspec(dllexport)
#else
#define KEYRELAY_API __declspec(dllimport)
#endif

// Key reports go to hWndOwner as nMessage from now on. Returns 1 when registered, 0 for no window.
KEYRELAY_API int KbdHkSetHookOwner(HWND hWndOwner, UINT nMessage);
// No more reports after this. Returns 1 when an owner was released, 0 when none was registered.
KEYRELAY_API int KbdHkSetUnhook();

// The owner window carries this property, holding the report message, while it is registered: how
// another process sees the registration.
constexpr wchar_t kKeyRelayOwnerProperty[] = L"KeyRelay.Message";
