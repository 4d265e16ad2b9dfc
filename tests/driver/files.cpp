#include "files.h"

#include "handles.h"

namespace driver {

std::string ReadWholeFile(const std::wstring& path)
{
    const fw::unique_file file(::CreateFileW(path.c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string text;
    if (!file)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

} // namespace driver
