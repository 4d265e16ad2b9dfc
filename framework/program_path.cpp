#include "program_path.h"

#include <windows.h>

namespace fw {

namespace {

// A path that fills the buffer may have been cut short: read it again into one twice the size.
template <typename Text, typename Reader>
Text ReadModulePath(Reader read)
{
    Text path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = read(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

std::wstring OwnProgramPath()
{
    return ReadModulePath<std::wstring>(&::GetModuleFileNameW);
}

std::string OwnProgramPathAnsi()
{
    return ReadModulePath<std::string>(&::GetModuleFileNameA);
}

std::wstring OwnProgramFolder()
{
    const std::wstring path = OwnProgramPath();
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace fw
