#pragma once
// A command line split into its words as the C runtime splits it (quotes group, the program first).
#include <string>
#include <vector>

namespace fw {

std::vector<std::wstring> CommandLineWords(const wchar_t* pszCommandLine);

} // namespace fw
