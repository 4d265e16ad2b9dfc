#pragma once
// Which DLLs a program binds at load time, read from its file's import table.
#include <string>
#include <vector>

namespace driver {

// The DLL names of the program's import table, as written there; empty when the file is not a
// program that can be read.
std::vector<std::string> ImportedDlls(const std::wstring& program);

} // namespace driver
