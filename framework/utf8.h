#pragma once
// Text for files and standard output: UTF-16 as UTF-8, and UTF-8 read back as UTF-16.
#include <string>

namespace fw {

std::string Utf8(const std::wstring& text);
std::wstring Utf16(const std::string& text);

} // namespace fw
