#include "registry_text.h"

#include "errors.h"
#include "handles.h"

#include <cstring>
#include <vector>

std::optional<std::string> ReadRegistryText(const char* pszKey, const char* pszValue, DWORD nMaxBytes)
{
    fw::unique_hkey key;
    if (!fw::RegistryOk(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszKey, 0, KEY_READ, key.put())))
        return std::nullopt;
    std::vector<char> data(nMaxBytes + 1, '\0');
    DWORD cb = nMaxBytes;
    if (!fw::RegistryOk(
            ::RegQueryValueExA(key.get(), pszValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &cb)))
        return std::nullopt;
    return std::string(data.data(), strnlen(data.data(), cb));
}
