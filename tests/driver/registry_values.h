#pragma once
// Reading and arranging registry values for the programs under test, in the registry view they see
// unless another is named.
#include "handles.h"
#include "paths.h"

#include <optional>
#include <string>

namespace driver {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data; // raw bytes
};

std::optional<RegistryValue> ReadValue(HKEY hRoot, const char* pszKey, const char* pszName,
                                        REGSAM view = ProgramsRegistryView());
// REG_SZ data without its terminator; nothing when absent or of another type.
std::optional<std::string> ReadString(HKEY hRoot, const char* pszKey, const char* pszName,
                                      REGSAM view = ProgramsRegistryView());
// A 4-byte REG_DWORD; nothing when absent or of another type or size.
std::optional<DWORD> ReadDword(HKEY hRoot, const char* pszKey, const char* pszName, REGSAM view = ProgramsRegistryView());
bool WriteValue(HKEY hRoot, const char* pszKey, const char* pszName, DWORD type, const void* pData, DWORD cb,
                REGSAM view = ProgramsRegistryView());
bool WriteString(HKEY hRoot, const char* pszKey, const char* pszName, const std::string& text,
                 REGSAM view = ProgramsRegistryView());
bool WriteDword(HKEY hRoot, const char* pszKey, const char* pszName, DWORD value, REGSAM view = ProgramsRegistryView());
void DeleteValue(HKEY hRoot, const char* pszKey, const char* pszName, REGSAM view = ProgramsRegistryView());
void DeleteTree(HKEY hRoot, const char* pszKey, REGSAM view = ProgramsRegistryView());
bool KeyExists(HKEY hRoot, const char* pszKey, REGSAM view = ProgramsRegistryView());

// Sets (or, with nothing, deletes) one value while it lives; the former value, or its absence,
// comes back when it ends, and a key that did not exist before is removed again.
class ScopedValue {
public:
    ScopedValue(HKEY hRoot, const char* pszKey, const char* pszName, const std::optional<std::string>& text,
                REGSAM view = ProgramsRegistryView());
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;
    ~ScopedValue();

private:
    HKEY m_hRoot;
    std::string m_key;
    std::string m_name;
    REGSAM m_view;
    bool m_bKeyExisted;
    std::optional<RegistryValue> m_saved;
};

// While it lives, the key is a link to a place that does not exist, so it can be neither opened
// nor created; the key (and anything in it) must be gone beforehand. The link goes when it ends.
class DanglingKeyLink {
public:
    DanglingKeyLink(HKEY hRoot, const char* pszKey);
    DanglingKeyLink(const DanglingKeyLink&) = delete;
    DanglingKeyLink& operator=(const DanglingKeyLink&) = delete;
    ~DanglingKeyLink();
    bool Applied() const { return m_bApplied; }

private:
    HKEY m_hRoot;
    std::string m_key;
    bool m_bApplied = false;
};

// While it lives, the key's access list lets everyone read it and nobody change it
// (the key is created if it is missing); the former access list comes back when it ends.
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
