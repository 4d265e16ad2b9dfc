#include "mode.h"

bool IsUserModeFor(DWORD nMajorVersion, const std::function<std::optional<std::string>()>& readImageState,
                   const std::function<bool(const char* pszPath)>& fileExists)
{
    if (nMajorVersion >= 6) {
        const std::optional<std::string> state = readImageState();
        return state && *state == kImageStateComplete;
    }
    return fileExists(kSysprepPath) || fileExists(kOemResetPath);
}
