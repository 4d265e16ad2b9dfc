#include "sheet_file.h"

#include "errors.h"
#include "handles.h"
#include "utf8.h"

std::string SaveSheet(const fw::PixelCanvas& canvas, const std::wstring& path)
{
    const DWORD nAttributes = ::GetFileAttributesW(path.c_str());
    if (nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return "is a folder";
    const std::wstring partial = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L".partial";
    {
        // Made here first for the system's reason when it cannot be; GDI+ says only that it failed.
        const fw::unique_file file(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return "cannot be written: " + fw::Utf8(fw::ErrorText(::GetLastError()));
    }
    if (!canvas.SavePng(partial)) {
        ::DeleteFileW(partial.c_str());
        return "cannot be written: the PNG encoder failed";
    }
    if (!::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD nError = ::GetLastError();
        ::DeleteFileW(partial.c_str());
        return "cannot be written: " + fw::Utf8(fw::ErrorText(nError));
    }
    return {};
}
