#pragma once
// Text for files and standard output: UTF-16 as UTF-8.
#include <string>

namespace fw {

std::string Utf8(const std::wstring& text);

} // namespace fw
