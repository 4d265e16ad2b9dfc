#pragma once
#include <string>

namespace driver {

// The Program Files folder as the programs under test see it.
std::wstring ProgramFilesFolder();
// A file of the installed tree: InstalledPath(L"Bootlist\\Bootlist.exe") is ...\CORVALE\Bootlist\Bootlist.exe.
std::wstring InstalledPath(const std::wstring& relative);
// The running test program's own path, and its folder, ending in a backslash: what the build puts
// beside it.
std::wstring TestProgramPath();
std::wstring TestProgramFolder();

} // namespace driver
