#include "macro_sources.h"

#include "handles.h"

#include <cstring>
#include <vector>

namespace {

const char kLanguageKey[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
const char kLanguageValue[] = "InstallLanguage";
const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kProgramFilesValue[] = "ProgramFilesDir";
// Both values are read as text of at most 255 bytes.
constexpr DWORD kValueBytes = 255;

// A registry value as text up to its first zero; empty when the key or value cannot be read.
// Reading needs no more than KEY_READ, so a process without administrative rights gets it too.
std::string ReadText(const char* pszKey, const char* pszValue)
{
    fw::unique_hkey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return {};
    char data[kValueBytes + 1] = {};
    DWORD cb = kValueBytes;
    if (::RegQueryValueExA(key.get(), pszValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &cb) !=
        ERROR_SUCCESS)
        return {};
    return std::string(data, strnlen(data, cb));
}

std::string ComputerName()
{
    char name[256] = {};
    DWORD n = sizeof(name);
    return ::GetComputerNameA(name, &n) ? std::string(name, n) : std::string();
}

// The whole Windows folder, however long.
std::string WindowsDirectory()
{
    std::vector<char> buffer(MAX_PATH);
    UINT n = ::GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n >= buffer.size()) {
        buffer.resize(n);
        n = ::GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    return n < buffer.size() ? std::string(buffer.data(), n) : std::string();
}

} // namespace

MacroValues GatherMacroValues(const std::string& currentLocation)
{
    MacroValues values;
    values.currentLocation = currentLocation;
    values.langId = UpperCase(ReadText(kLanguageKey, kLanguageValue));
    values.computerName = ComputerName();
    values.winDir = WindowsDirectory();
    values.programFiles = ReadText(kCurrentVersionKey, kProgramFilesValue);
    return values;
}
