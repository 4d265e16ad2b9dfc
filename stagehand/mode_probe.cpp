// IsUserMode on the running system: the version, the setup state in the registry, the two files.
#include "mode.h"
#include "registry_text.h"

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

// Whatever the value's type, its data counts as text up to the first zero.
std::optional<std::string> ReadImageState()
{
    return ReadRegistryText(kSetupStateKey, kImageStateValue, kImageStateBytes);
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
