#pragma once
// Registry values read as text, as Stagehand reads them.
#include <windows.h>

#include <optional>
#include <string>

// The value under HKEY_LOCAL_MACHINE\pszKey as text: at most nMaxBytes bytes of any type, up to the
// first zero. Nothing when the key or value cannot be read or is longer. Reading needs no more than
// KEY_READ, so a process without administrative rights gets it too.
std::optional<std::string> ReadRegistryText(const char* pszKey, const char* pszValue, DWORD nMaxBytes);
