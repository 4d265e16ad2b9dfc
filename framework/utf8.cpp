#include "utf8.h"

#include <windows.h>

namespace fw {

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int nChars = static_cast<int>(text.size());
    const int cb = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), nChars, nullptr, 0, nullptr, nullptr);
    std::string bytes(cb > 0 ? cb : 0, '\0');
    if (cb > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), nChars, bytes.data(), cb, nullptr, nullptr);
    return bytes;
}

std::wstring Utf16(const std::string& text)
{
    if (text.empty())
        return {};
    const int cb = static_cast<int>(text.size());
    const int nChars = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), cb, nullptr, 0);
    std::wstring wide(nChars > 0 ? nChars : 0, L'\0');
    if (nChars > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), cb, wide.data(), nChars);
    return wide;
}

} // namespace fw
