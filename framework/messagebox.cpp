#include "messagebox.h"

#include "app.h"

#include <string>

namespace {

const wchar_t* Caption()
{
    return GetApp() ? GetApp()->AppName() : L"";
}

} // namespace

int AppMessageBox(const wchar_t* pszText, UINT nIcon)
{
    return ::MessageBoxW(nullptr, pszText, Caption(), MB_OK | nIcon);
}

int AppMessageBox(const char* pszText, UINT nIcon)
{
    const wchar_t* pszCaption = Caption();
    const int cb = ::WideCharToMultiByte(CP_ACP, 0, pszCaption, -1, nullptr, 0, nullptr, nullptr);
    std::string caption(cb > 0 ? cb : 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pszCaption, -1, caption.data(), static_cast<int>(caption.size()), nullptr, nullptr);
    return ::MessageBoxA(nullptr, pszText, caption.c_str(), MB_OK | nIcon);
}
