#include "window_query.h"

#include "handles.h"
#include "pixels.h"
#include "wait.h"

namespace driver {

namespace {

// The static control that holds a message box's text, and the icon beside it.
constexpr int kMessageBoxTextId = 0xFFFF;

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

// The static control with the icon style: the box's icon (its id differs between systems).
HWND BoxIconControl(HWND hBox)
{
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (WindowClass(hChild) == L"Static" && (::GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return hChild;
    }
    return nullptr;
}

// Icon handles belong to the process that loaded them, so the icon is judged by what the control
// shows: the warning sign is the only standard message-box icon drawn in yellow (the error sign is
// red, the information and question signs blue).
bool ShowsWarningSign(HWND hControl)
{
    RECT rc{};
    if (!hControl || !::GetWindowRect(hControl, &rc) || rc.right <= rc.left || rc.bottom <= rc.top)
        return false;
    const ScreenShot shot(rc);
    int yellow = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            const COLORREF c = shot.At(x, y);
            if (GetRValue(c) > 180 && GetGValue(c) > 140 && GetBValue(c) < 100)
                ++yellow;
        }
    }
    return yellow > 20;
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

HWND FirstTopLevelWindow(DWORD nProcessId, const wchar_t* pszClass)
{
    const std::vector<HWND> windows = TopLevelWindows(nProcessId, pszClass);
    return windows.empty() ? nullptr : windows.front();
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
                    box.hasWarningIcon = WaitUntil([&] { return ShowsWarningSign(BoxIconControl(hWnd)); }, 2000);
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
