#include "paths.h"

#include "program_path.h"

#include <windows.h>
#include <shlobj.h>

namespace driver {

namespace {

std::wstring SpecialFolder(int nFolder)
{
    wchar_t folder[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, folder, nFolder, FALSE);
    return folder;
}

} // namespace

bool ProgramsRunUnderWow64()
{
    static const bool s_bWow64 = [] {
        wchar_t value[8] = {};
        const DWORD n = ::GetEnvironmentVariableW(L"CORVALE_PROGRAMS", value, 8);
        return sizeof(void*) == 8 && n < 8 && std::wstring(value, n) == L"x86";
    }();
    return s_bWow64;
}

REGSAM ProgramsRegistryView()
{
    return ProgramsRunUnderWow64() ? KEY_WOW64_32KEY : 0;
}

std::wstring ProgramFilesFolder()
{
    return SpecialFolder(ProgramsRunUnderWow64() ? CSIDL_PROGRAM_FILESX86 : CSIDL_PROGRAM_FILES);
}

std::wstring NativeProgramFilesFolder()
{
    return SpecialFolder(CSIDL_PROGRAM_FILES);
}

std::wstring ToolPath(const std::wstring& name)
{
    return NativeProgramFilesFolder() + L"\\CORVALE\\Tools\\" + name;
}

std::wstring InstalledPath(const std::wstring& relative)
{
    return ProgramFilesFolder() + L"\\CORVALE\\" + relative;
}


std::wstring TestProgramFolder()
{
    return fw::OwnProgramFolder() + L"\\";
}

} // namespace driver
