#pragma once
// Reading and arranging registry values for the programs under test, in the same registry view.
#include "handles.h"

#include <optional>
#include <string>

namespace driver {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data; // raw bytes
};

std::optional<RegistryValue> ReadValue(HKEY hRoot, const char* pszKey, const char* pszName);
// REG_SZ data without its terminator; nothing when absent or of another type.
std::optional<std::string> ReadString(HKEY hRoot, const char* pszKey, const char* pszName);
bool WriteValue(HKEY hRoot, const char* pszKey, const char* pszName, DWORD type, const void* pData, DWORD cb);
bool WriteString(HKEY hRoot, const char* pszKey, const char* pszName, const std::string& text);
bool WriteDword(HKEY hRoot, const char* pszKey, const char* pszName, DWORD value);
void DeleteValue(HKEY hRoot, const char* pszKey, const char* pszName);
void DeleteTree(HKEY hRoot, const char* pszKey);
bool KeyExists(HKEY hRoot, const char* pszKey);

// While it lives, the key's access list lets everyone read it and nobody change it (the key is
// created if it is missing); the former access list comes back when it ends.
class ReadOnlyKey {
public:
    ReadOnlyKey(HKEY hRoot, const char* pszKey);
    ReadOnlyKey(const ReadOnlyKey&) = delete;
    ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;
    ~ReadOnlyKey();
    bool Applied() const { return m_bApplied; }

private:
    fw::unique_hkey m_key;
    std::string m_savedDescriptor;
    bool m_bApplied = false;
};

} // namespace driver
