#include "window_query.h"

#include "handles.h"
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
    // Read from the screen: another process's window cannot be read through a context of its own.
    RECT rc{};
    if (!hControl || !::GetWindowRect(hControl, &rc))
        return false;
    const POINT origin{rc.left, rc.top};
    ::OffsetRect(&rc, -rc.left, -rc.top);
    if (rc.right <= 0 || rc.bottom <= 0)
        return false;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rc.right;
    bmi.bmiHeader.biHeight = -rc.bottom;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    fw::unique_window_dc source(nullptr);
    HDC hdc = ::CreateCompatibleDC(source.get());
    HBITMAP hBitmap = ::CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    int yellow = 0;
    if (hBitmap) {
        HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
        ::BitBlt(hdc, 0, 0, rc.right, rc.bottom, source.get(), origin.x, origin.y, SRCCOPY);
        ::GdiFlush();
        const DWORD* p = static_cast<const DWORD*>(pBits);
        for (int i = 0; i < rc.right * rc.bottom; ++i) {
            const int r = (p[i] >> 16) & 0xFF, g = (p[i] >> 8) & 0xFF, b = p[i] & 0xFF;
            if (r > 180 && g > 140 && b < 100)
                ++yellow;
        }
        ::SelectObject(hdc, hOld);
        ::DeleteObject(hBitmap);
    }
    ::DeleteDC(hdc);
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
