#include "paths.h"

#include <windows.h>
#include <shlobj.h>

namespace driver {

std::wstring ProgramFilesFolder()
{
    wchar_t folder[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, folder, CSIDL_PROGRAM_FILES, FALSE);
    return folder;
}

std::wstring InstalledPath(const std::wstring& relative)
{
    return ProgramFilesFolder() + L"\\CORVALE\\" + relative;
}

std::wstring TestProgramPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring TestProgramFolder()
{
    const std::wstring path = TestProgramPath();
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

} // namespace driver
