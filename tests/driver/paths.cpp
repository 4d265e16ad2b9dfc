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

std::wstring TestProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring text = path;
    return text.substr(0, text.find_last_of(L'\\') + 1);
}

} // namespace driver
