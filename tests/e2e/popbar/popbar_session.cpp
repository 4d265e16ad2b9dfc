#include "popbar_session.h"

#include "paths.h"
#include "popbar_resource.h"
#include "popbar_menu.h"
#include "registry_values.h"
#include "wait.h"
#include "window_query.h"

#include "handles.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include <shlobj.h>

namespace popbar_e2e {

namespace {

void SetSetting(const char* pszName, const DWORD* pnValue)
{
    if (pnValue)
        driver::WriteDword(HKEY_CURRENT_USER, kHubSettingsKeyA, pszName, *pnValue);
    else
        driver::DeleteValue(HKEY_CURRENT_USER, kHubSettingsKeyA, pszName);
}

// A named CALLBACK function: a lambda would have the wrong calling convention in 32-bit builds.
BOOL CALLBACK CollectButton(HWND hWnd, LPARAM lParam)
{
    if (driver::WindowClass(hWnd) == kMenuButtonClass)
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

bool OnDesktop(const RECT& rc)
{
    return rc.right > 0 && rc.bottom > 0;
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

} // namespace

// The menu template's size as the dialog manager makes it: the template of Popbar.exe, built here
// without its visible style under a dialog class of the template's name (window classes belong to
// their process, so Popbar's own class is not touched). Nothing when it cannot be built.
std::optional<SIZE> TemplateSize(const std::wstring& program)
{
    const fw::unique_hmodule module(::LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    const HRSRC hInfo = module ? ::FindResourceW(module.get(), MAKEINTRESOURCEW(IDD_KESTREL_MENU), MAKEINTRESOURCEW(5) /* RT_DIALOG */) : nullptr;
    const HGLOBAL hData = hInfo ? ::LoadResource(module.get(), hInfo) : nullptr;
    if (!hData)
        return std::nullopt;
    const auto* pBytes = static_cast<const BYTE*>(::LockResource(hData));
    std::vector<BYTE> bytes(pBytes, pBytes + ::SizeofResource(module.get(), hInfo));
    // An extended template (signature 0xFFFF) holds its style after the version, signature, help id
    // and extended style; a plain one begins with it.
    const size_t styleOffset = bytes.size() > 12 && bytes[2] == 0xFF && bytes[3] == 0xFF ? 12 : 0;
    DWORD style = 0;
    std::memcpy(&style, bytes.data() + styleOffset, sizeof(style));
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    std::memcpy(bytes.data() + styleOffset, &style, sizeof(style));

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(nullptr, L"#32770", &wc))
        return std::nullopt;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kMenuWindowClass;
    if (!::RegisterClassExW(&wc))
        return std::nullopt;
    std::optional<SIZE> size;
    {
        const fw::unique_hwnd dialog(::CreateDialogIndirectParamW(
            wc.hInstance, reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), nullptr, IgnoreMessages, 0));
        RECT rc{};
        if (dialog && ::GetWindowRect(dialog.get(), &rc))
            size = SIZE{rc.right - rc.left, rc.bottom - rc.top};
    }
    ::UnregisterClassW(wc.lpszClassName, wc.hInstance);
    return size;
}

std::wstring InstalledPopbar()
{
    return driver::InstalledPath(L"Popbar\\Popbar.exe");
}

std::wstring CopyOfInstalledPopbar(const std::wstring& folder, std::initializer_list<const wchar_t*> files)
{
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    for (const wchar_t* pszFile : files) {
        const std::wstring from = driver::InstalledPath(std::wstring(L"Popbar\\") + pszFile);
        const std::wstring to = folder + L"\\" + pszFile;
        if (!::CopyFileW(from.c_str(), to.c_str(), FALSE))
            return L"";
    }
    return folder + L"\\Popbar.exe";
}

std::wstring PopbarWithoutScreenHub(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    return CopyOfInstalledPopbar(std::wstring(temp) + name + L"\\Popbar", {L"Popbar.exe", L"resource.dll", L"KeyRelay.dll"});
}

std::wstring InstalledScreenHub()
{
    return driver::InstalledPath(L"Swift Screen Hub\\ScreenHub.exe");
}

bool EndScreenHub()
{
    return driver::WaitUntil([] {
        const HWND hHub = ::FindWindowW(nullptr, kScreenHubTitle);
        if (!hHub)
            return true;
        const fw::unique_handle process(
            ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, driver::WindowProcessId(hHub)));
        if (process && ::TerminateProcess(process.get(), 255))
            ::WaitForSingleObject(process.get(), 5000);
        return false;
    });
}

void SetStatusWord(const DWORD* pnStatus)
{
    SetSetting("Popbar", pnStatus);
}

void SetDisplayValue(const DWORD* pnDisplay)
{
    SetSetting("Display", pnDisplay);
}

bool PopbarProcess::Start(const std::wstring& program)
{
    if (!m_process.Start(program))
        return false;
    m_hWndMenu = driver::WaitForReadyMenu(m_process.Id(), [this](HWND hWndMenu) {
        m_hWndMenu = hWndMenu;
        if (IsMenuVisible() && OnDesktop(MenuRect()))
            everShownOnDesktop = true;
    });
    return m_hWndMenu != nullptr;
}

bool PopbarProcess::SendMenuKey(WPARAM wParam, LPARAM lParam) const
{
    // Not SMTO_ABORTIFHUNG: an opening that paints a huge background on a busy machine may keep the
    // thread from its messages longer than the platform's limit for calling it hung, though it ends.
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(m_hWndMenu, MSG_MENUBTN, wParam, lParam, SMTO_NORMAL, 60000, &result) != 0;
}

RECT PopbarProcess::MenuRect() const
{
    RECT rc{};
    ::GetWindowRect(m_hWndMenu, &rc);
    return rc;
}

std::vector<HWND> PopbarProcess::Buttons() const
{
    std::vector<HWND> buttons;
    ::EnumChildWindows(m_hWndMenu, CollectButton, reinterpret_cast<LPARAM>(&buttons));
    return buttons;
}

} // namespace popbar_e2e
