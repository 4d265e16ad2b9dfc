#include "hub_window.h"

#include "hub_settings.h"
#include "hub_view.h"
#include "main_window.h"
#include "protocol/menu.h"
#include "window_binding.h"
#include "windowclass.h"

#include <utility>
#include <vector>

namespace {

const wchar_t kHubWindowClass[] = L"CORVALE_SCREEN_HUB";
constexpr size_t kRecentMessages = 10;
constexpr SIZE kWindowSize{380, 420};

void DrawLines(HDC hDC, const std::vector<std::wstring>& lines)
{
    const fw::select_object_scope font(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    ::GetTextMetricsW(hDC, &tm);
    ::SetBkMode(hDC, TRANSPARENT);
    int y = 6;
    for (const auto& line : lines) {
        ::TextOutW(hDC, 8, y, line.c_str(), static_cast<int>(line.size()));
        y += tm.tmHeight + 2;
    }
}

} // namespace

BYTE ReadBatteryPercent(const HubOptions& options)
{
    if (options.battery)
        return *options.battery;
    SYSTEM_POWER_STATUS power{};
    if (!::GetSystemPowerStatus(&power))
        return kBatteryUnknown;
    return power.BatteryLifePercent;
}

CHubWindow::CHubWindow(HubOptions options, HubState state, fw::unique_file journal)
    : m_options(std::move(options)), m_state(state), m_journal(std::move(journal))
{
}

bool CHubWindow::Create(HINSTANCE hInstance)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &fw::BoundWindowProc<CHubWindow>;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHubWindowClass;
    if (!RegisterClassOnce(wc))
        return false;

    // Bottom left, away from the menu's top-right corner.
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // Never activated: showing it or clicking it must not take the foreground, which hides the menu.
    const HWND hWnd = ::CreateWindowExW(WS_EX_NOACTIVATE, kHubWindowClass, kScreenHubTitle,
                                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, work.left,
                                        work.bottom - kWindowSize.cy, kWindowSize.cx, kWindowSize.cy, nullptr,
                                        nullptr, hInstance, this);
    if (!hWnd)
        return false;
    WriteHubSettings(StatusWord(m_state), m_state.displayMode);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    return true;
}

LRESULT CHubWindow::OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        m_hWnd = hWnd;
    // The menu's 54 and 55 share their numbers with system messages (55 is WM_QUERYDRAGICON): they are
    // taken as the menu's before any default handling sees them.
    if (IsJournaled(message))
        Record(JournalDirection::In, message, wParam, lParam);
    switch (message) {
    case MSG_HUBCMD:
        return OnHubCommand(wParam, lParam);
    case MSG_MENUOPENED:
        return 0;
    case MSG_MENUKEYAGAIN:
        OnMenuKeyAgain();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return fw::MainWindowDefault(m_hWnd, message, wParam, lParam);
    }
}

LRESULT CHubWindow::OnHubCommand(WPARAM code, LPARAM arg)
{
    if (code == HUBCMD_QUERYSTATUS) {
        if (m_options.hang) {
            // The thread never pumps again: from now on the menu finds this window hung.
            for (;;)
                ::Sleep(INFINITE);
        }
        if (m_options.delayMs)
            ::Sleep(m_options.delayMs);
        HubState state = m_state;
        state.battery = ReadBatteryPercent(m_options);
        SetState(state);
        return static_cast<LRESULT>(StatusWord(m_state));
    }

    const HubStep step = ApplyCommand(m_state, code, arg);
    HubState state = step.state;
    if (step.action == HubAction::RefreshBattery)
        state.battery = ReadBatteryPercent(m_options);
    SetState(state);

    switch (step.action) {
    case HubAction::AnswerAvailability:
        if (m_options.answerAvailability)
            PostToMenu(HUBCMD_AVAILABILITY, static_cast<LPARAM>(m_options.availability));
        break;
    case HubAction::NotifyDisplayChange:
        PostToMenu(HUBCMD_RELOADDISPLAY, 0);
        break;
    default:
        break;
    }
    return 0;
}

void CHubWindow::OnMenuKeyAgain()
{
    if (m_options.hideOnAgain)
        PostToMenu(HUBCMD_HIDEMENU, 0);
}

void CHubWindow::OnPaint()
{
    const fw::paint_scope paint(m_hWnd);
    std::vector<std::wstring> lines = DescribeState(m_state);
    lines.emplace_back();
    lines.emplace_back(L"Last messages:");
    lines.insert(lines.end(), m_recent.begin(), m_recent.end());
    DrawLines(paint.get(), lines);
}

void CHubWindow::SetState(const HubState& state)
{
    const bool bMirrorChanged =
        StatusWord(state) != StatusWord(m_state) || state.displayMode != m_state.displayMode;
    m_state = state;
    // The registry copy is up to date before any notification about the change goes out.
    if (bMirrorChanged)
        WriteHubSettings(StatusWord(m_state), m_state.displayMode);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CHubWindow::PostToMenu(WPARAM code, LPARAM arg)
{
    // Looked up each time: the menu may have started again since the last post.
    const HWND hMenu = ::FindWindowW(kMenuWindowClass, nullptr);
    if (hMenu && ::PostMessageW(hMenu, MSG_HUBCMD, code, arg))
        Record(JournalDirection::Out, MSG_HUBCMD, code, arg);
}

void CHubWindow::Record(JournalDirection direction, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_journal) {
        const std::string line = JournalLine(direction, ::GetTickCount64(), message, wParam, lParam);
        DWORD written = 0;
        ::WriteFile(m_journal.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
    m_recent.push_back(DescribeMessage(direction, message, wParam, lParam));
    if (m_recent.size() > kRecentMessages)
        m_recent.pop_front();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}
