#pragma once
// The running program's own file, however long its path.
#include <string>

namespace fw {

// The full path of the running program's file.
std::wstring OwnProgramPath();
// Its folder, without a closing backslash.
std::wstring OwnProgramFolder();
// The full path in the 8-bit code page, for a program of 8-bit calls.
std::string OwnProgramPathAnsi();

} // namespace fw
