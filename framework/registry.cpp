#include "registry.h"

#include "handles.h"

namespace fw {

std::optional<DWORD> ReadRegistryDword(HKEY hRoot, const wchar_t* pszKey, const wchar_t* pszName)
{
    unique_hkey key;
    // Registry calls answer with their error code and leave the thread's last error alone.
    if (::RegOpenKeyExW(hRoot, pszKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD value = 0;
    DWORD cb = sizeof(value);
    if (::RegQueryValueExW(key.get(), pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &cb) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

} // namespace fw
