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

// Whatever the value's type, its data counts as text up to the first zero. Windows' setup writes it in
// the machine's own registry view: the 32-bit Stagehand on 64-bit Windows would find no such key in
// its own view and take every machine for one still in the factory. (32-bit Windows ignores the flag.)
std::optional<std::string> ReadImageState()
{
    return ReadRegistryText(kSetupStateKey, kImageStateValue, kImageStateBytes, KEY_WOW64_64KEY);
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
