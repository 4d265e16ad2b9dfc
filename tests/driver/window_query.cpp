#include "window_query.h"

#include "wait.h"

namespace driver {

namespace {

// The static control that holds a message box's text, and the icon beside it.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 0x0014;
const LPCWSTR kWarningIcon = MAKEINTRESOURCEW(32515); // IDI_WARNING, the exclamation mark

struct EnumState {
    DWORD nProcessId;
    const wchar_t* pszClass;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    auto* state = reinterpret_cast<EnumState*>(lParam);
    if (state->nProcessId && WindowProcessId(hWnd) != state->nProcessId)
        return TRUE;
    if (state->pszClass && WindowClass(hWnd) != state->pszClass)
        return TRUE;
    state->found.push_back(hWnd);
    return TRUE;
}

} // namespace

std::wstring WindowClass(HWND hWnd)
{
    wchar_t name[256] = {};
    ::GetClassNameW(hWnd, name, 256);
    return name;
}

std::wstring WindowText(HWND hWnd)
{
    // WM_GETTEXT works across processes, also for child controls.
    wchar_t text[1024] = {};
    ::SendMessageTimeoutW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

DWORD WindowProcessId(HWND hWnd)
{
    DWORD nId = 0;
    ::GetWindowThreadProcessId(hWnd, &nId);
    return nId;
}

std::vector<HWND> TopLevelWindows(DWORD nProcessId, const wchar_t* pszClass)
{
    EnumState state{nProcessId, pszClass, {}};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

MessageBoxInfo WaitForMessageBox(DWORD nProcessId, DWORD nTimeoutMs)
{
    MessageBoxInfo box;
    WaitUntil(
        [&] {
            for (HWND hWnd : TopLevelWindows(nProcessId, L"#32770")) {
                HWND hText = ::GetDlgItem(hWnd, kMessageBoxTextId);
                if (hText && ::IsWindowVisible(hWnd)) {
                    box.hWnd = hWnd;
                    box.caption = WindowText(hWnd);
                    box.text = WindowText(hText);
                    HWND hIcon = ::GetDlgItem(hWnd, kMessageBoxIconId);
                    box.hasWarningIcon = hIcon &&
                                         reinterpret_cast<HICON>(::SendMessageW(hIcon, STM_GETICON, 0, 0)) ==
                                             ::LoadIconW(nullptr, kWarningIcon);
                    return true;
                }
            }
            return false;
        },
        nTimeoutMs);
    return box;
}

bool PressOk(HWND hBox, DWORD nTimeoutMs)
{
    HWND hOk = ::GetDlgItem(hBox, IDOK);
    if (!hOk)
        return false;
    ::PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(hOk));
    return WaitUntil([&] { return !::IsWindow(hBox); }, nTimeoutMs);
}

} // namespace driver
