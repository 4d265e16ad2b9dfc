#pragma once
// Files that the programs under test write, read as they stand.
#include <string>

namespace driver {

// The file's bytes, read while its writer may still have it open; empty when it cannot be opened.
std::string ReadWholeFile(const std::wstring& path);

} // namespace driver
