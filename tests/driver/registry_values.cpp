#include "registry_values.h"

#include <cstring>

#include <aclapi.h>

#include <vector>

namespace driver {

std::optional<RegistryValue> ReadValue(HKEY hRoot, const char* pszKey, const char* pszName, REGSAM view)
{
    fw::unique_hkey key;
    if (::RegOpenKeyExA(hRoot, pszKey, 0, KEY_READ | view, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD cb = 0;
    if (::RegQueryValueExA(key.get(), pszName, nullptr, &type, nullptr, &cb) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value{type, std::string(cb, '\0')};
    if (::RegQueryValueExA(key.get(), pszName, nullptr, &type, reinterpret_cast<BYTE*>(value.data.data()), &cb) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(cb);
    return value;
}

std::optional<std::string> ReadString(HKEY hRoot, const char* pszKey, const char* pszName, REGSAM view)
{
    auto value = ReadValue(hRoot, pszKey, pszName, view);
    if (!value || value->type != REG_SZ)
        return std::nullopt;
    std::string text = value->data;
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

std::optional<DWORD> ReadDword(HKEY hRoot, const char* pszKey, const char* pszName, REGSAM view)
{
    const auto value = ReadValue(hRoot, pszKey, pszName, view);
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD))
        return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), sizeof(number));
    return number;
}

bool WriteValue(HKEY hRoot, const char* pszKey, const char* pszName, DWORD type, const void* pData, DWORD cb,
                REGSAM view)
{
    fw::unique_hkey key;
    if (::RegCreateKeyExA(hRoot, pszKey, 0, nullptr, 0, KEY_WRITE | view, nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return false;
    return ::RegSetValueExA(key.get(), pszName, 0, type, static_cast<const BYTE*>(pData), cb) == ERROR_SUCCESS;
}

bool WriteString(HKEY hRoot, const char* pszKey, const char* pszName, const std::string& text, REGSAM view)
{
    return WriteValue(hRoot, pszKey, pszName, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1), view);
}

bool WriteDword(HKEY hRoot, const char* pszKey, const char* pszName, DWORD value, REGSAM view)
{
    return WriteValue(hRoot, pszKey, pszName, REG_DWORD, &value, sizeof(value), view);
}

void DeleteValue(HKEY hRoot, const char* pszKey, const char* pszName, REGSAM view)
{
    fw::unique_hkey key;
    if (::RegOpenKeyExA(hRoot, pszKey, 0, KEY_SET_VALUE | view, key.put()) == ERROR_SUCCESS)
        ::RegDeleteValueA(key.get(), pszName);
}

void DeleteTree(HKEY hRoot, const char* pszKey, REGSAM view)
{
    fw::unique_hkey key;
    if (::RegOpenKeyExA(hRoot, pszKey, 0, KEY_ALL_ACCESS | view, key.put()) == ERROR_SUCCESS)
        ::RegDeleteTreeA(key.get(), nullptr);
    ::RegDeleteKeyExA(hRoot, pszKey, view, 0);
}

bool KeyExists(HKEY hRoot, const char* pszKey, REGSAM view)
{
    fw::unique_hkey key;
    return ::RegOpenKeyExA(hRoot, pszKey, 0, KEY_READ | view, key.put()) == ERROR_SUCCESS;
}

ScopedValue::ScopedValue(HKEY hRoot, const char* pszKey, const char* pszName, const std::optional<std::string>& text,
                         REGSAM view)
    : m_hRoot(hRoot), m_key(pszKey), m_name(pszName), m_view(view), m_bKeyExisted(KeyExists(hRoot, pszKey, view)),
      m_saved(ReadValue(hRoot, pszKey, pszName, view))
{
    if (text)
        WriteString(hRoot, pszKey, pszName, *text, view);
    else
        DeleteValue(hRoot, pszKey, pszName, view);
}

ScopedValue::~ScopedValue()
{
    if (!m_bKeyExisted)
        DeleteTree(m_hRoot, m_key.c_str(), m_view);
    else if (m_saved)
        WriteValue(m_hRoot, m_key.c_str(), m_name.c_str(), m_saved->type, m_saved->data.data(),
                   static_cast<DWORD>(m_saved->data.size()), m_view);
    else
        DeleteValue(m_hRoot, m_key.c_str(), m_name.c_str(), m_view);
}

namespace {

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

} // namespace

DanglingKeyLink::DanglingKeyLink(HKEY hRoot, const char* pszKey) : m_hRoot(hRoot), m_key(pszKey)
{
    fw::unique_hkey link;
    if (::RegCreateKeyExW(hRoot, Widen(m_key).c_str(), 0, nullptr, REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE,
                          KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, link.put(), nullptr) != ERROR_SUCCESS)
        return;
    const wchar_t target[] = L"\\Registry\\Nowhere\\Corvale";
    // A link's target is stored without its terminator.
    m_bApplied = ::RegSetValueExW(link.get(), L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target),
                                  sizeof(target) - sizeof(wchar_t)) == ERROR_SUCCESS;
}

DanglingKeyLink::~DanglingKeyLink()
{
    // Deleting through the registry functions would follow the link; delete the link itself.
    using NtDeleteKeyFn = LONG(WINAPI*)(HANDLE);
    const auto pNtDeleteKey =
        reinterpret_cast<NtDeleteKeyFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey")));
    fw::unique_hkey self;
    if (pNtDeleteKey &&
        ::RegOpenKeyExW(m_hRoot, Widen(m_key).c_str(), REG_OPTION_OPEN_LINK, DELETE, self.put()) == ERROR_SUCCESS)
        pNtDeleteKey(self.get());
}

ReadOnlyKey::ReadOnlyKey(HKEY hRoot, const char* pszKey)
{
    if (::RegCreateKeyExA(hRoot, pszKey, 0, nullptr, 0, KEY_READ | READ_CONTROL | WRITE_DAC, nullptr, m_key.put(),
                          nullptr) != ERROR_SUCCESS)
        return;

    DWORD cb = 0;
    ::RegGetKeySecurity(m_key.get(), DACL_SECURITY_INFORMATION, nullptr, &cb);
    m_savedDescriptor.resize(cb);
    if (::RegGetKeySecurity(m_key.get(), DACL_SECURITY_INFORMATION, m_savedDescriptor.data(), &cb) != ERROR_SUCCESS)
        return;

    // One entry, for reading: no entry grants any change, so every write is refused.
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID pEveryone = nullptr;
    if (!::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &pEveryone))
        return;
    const DWORD cbAcl = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + ::GetLengthSid(pEveryone);
    std::vector<BYTE> acl(cbAcl);
    SECURITY_DESCRIPTOR sd;
    const bool ok = ::InitializeAcl(reinterpret_cast<PACL>(acl.data()), cbAcl, ACL_REVISION) &&
                    ::AddAccessAllowedAce(reinterpret_cast<PACL>(acl.data()), ACL_REVISION, KEY_READ, pEveryone) &&
                    ::InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION) &&
                    ::SetSecurityDescriptorDacl(&sd, TRUE, reinterpret_cast<PACL>(acl.data()), FALSE);
    ::FreeSid(pEveryone);
    m_bApplied = ok && ::RegSetKeySecurity(m_key.get(), DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
}

ReadOnlyKey::~ReadOnlyKey()
{
    if (m_bApplied)
        ::RegSetKeySecurity(m_key.get(), DACL_SECURITY_INFORMATION, m_savedDescriptor.data());
}

} // namespace driver
