#pragma once
// Reading a number from the registry: the one rule every program here uses.
#include <windows.h>

#include <optional>

namespace fw {

// The value under hRoot\pszKey as a 32-bit number: up to 4 bytes of any type, read as a DWORD with
// the missing high bytes zero. Nothing when the key or value is missing, unreadable, or longer than
// 4 bytes.
std::optional<DWORD> ReadRegistryDword(HKEY hRoot, const wchar_t* pszKey, const wchar_t* pszName);

} // namespace fw
