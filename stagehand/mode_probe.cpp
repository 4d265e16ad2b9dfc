// IsUserMode on the running system: the version, the setup state in the registry, the two files.
#include "handles.h"
#include "mode.h"

#include <cstring>

namespace {

const char kSetupStateKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Setup\\State";
const char kImageStateValue[] = "ImageState";
constexpr DWORD kImageStateBytes = 260;

DWORD MajorVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    // A failed call leaves the record zero: version 0, the file test.
    ::GetVersionExA(&info);
    return info.dwMajorVersion;
}

std::optional<std::string> ReadImageState()
{
    fw::unique_hkey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSetupStateKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    char data[kImageStateBytes] = {};
    DWORD cb = kImageStateBytes;
    if (::RegQueryValueExA(key.get(), kImageStateValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &cb) !=
        ERROR_SUCCESS)
        return std::nullopt;
    // Whatever the value's type, its data counts as text up to the first zero.
    return std::string(data, strnlen(data, cb));
}

bool FileExists(const char* pszPath)
{
    return ::GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool IsUserMode()
{
    static_assert(sizeof(OSVERSIONINFOA) == 148, "the basic version record");
    return IsUserModeFor(MajorVersion(), ReadImageState, FileExists);
}
