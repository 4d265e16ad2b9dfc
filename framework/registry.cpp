#include "registry.h"

#include "errors.h"
#include "handles.h"

namespace fw {

std::optional<DWORD> ReadRegistryDword(HKEY hRoot, const wchar_t* pszKey, const wchar_t* pszName)
{
    unique_hkey key;
    if (!RegistryOk(::RegOpenKeyExW(hRoot, pszKey, 0, KEY_READ, key.put())))
        return std::nullopt;
    DWORD value = 0;
    DWORD cb = sizeof(value);
    if (!RegistryOk(::RegQueryValueExW(key.get(), pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &cb)))
        return std::nullopt;
    return value;
}

} // namespace fw
