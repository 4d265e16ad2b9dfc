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

} // namespace driver
