#pragma once
#include <windows.h>

#include <string>

namespace driver {

// The programs under test are those of the driver's own build, or, with CORVALE_PROGRAMS=x86 in the
// environment of a 64-bit driver, the shipped 32-bit programs, which run under WoW64: their Program
// Files folder is the 32-bit one and their HKLM\Software is the 32-bit registry view.
bool ProgramsRunUnderWow64();
// The registry view that the programs under test see: KEY_WOW64_32KEY, or 0 for the driver's own.
REGSAM ProgramsRegistryView();
// The machine's own view, where Windows keeps its settings (on 32-bit Windows the flag is ignored).
constexpr REGSAM kNativeRegistryView = KEY_WOW64_64KEY;

// The Program Files folder as the programs under test see it.
std::wstring ProgramFilesFolder();
// The Program Files folder of the machine's own programs, where the 64-bit package of a program goes.
std::wstring NativeProgramFilesFolder();
// A tool of the designers' and developers' (SkinSheet, the debug viewer), of the machine's own kind:
// CORVALE\Tools under the machine's own Program Files folder.
std::wstring ToolPath(const std::wstring& name);
// A file of the installed tree: InstalledPath(L"Bootlist\\Bootlist.exe") is ...\CORVALE\Bootlist\Bootlist.exe.
std::wstring InstalledPath(const std::wstring& relative);
// The running test program's folder, ending in a backslash: what the build puts beside it.
std::wstring TestProgramFolder();

} // namespace driver
