#include "soak.h"

#include "desktop_size.h"
#include "hub_journal.h"
#include "menu_view.h"
#include "paths.h"
#include "popbar_menu.h"
#include "process.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "wait.h"
#include "x_input.h"

#include <map>

namespace driver {

namespace {

// Wired LAN on, bluetooth on, battery at 60 %, dismissal off.
constexpr wchar_t kHubSwitches[] = L"--status 0x110 --battery 60";

struct Click {
    UINT nID;
    WPARAM nCode;
};
// Buttons whose command changes nothing the cycles rely on: the screen pair would arm the outside
// click, the resolution pair asks once per display change.
constexpr Click kClicks[] = {
    {ID_WIRED_LAN_OFF, HUBCMD_WIRED_LAN}, {ID_WIRED_LAN_ON, HUBCMD_WIRED_LAN}, {ID_BLUETOOTH_OFF, HUBCMD_BLUETOOTH},
    {ID_BLUETOOTH_ON, HUBCMD_BLUETOOTH},   {ID_WIRELESS_ON, HUBCMD_WIRELESS},   {ID_WIRELESS_OFF, HUBCMD_WIRELESS},
    {ID_BRIGHTER, HUBCMD_BRIGHTER},        {ID_DARKER, HUBCMD_DARKER},          {ID_BATTERY, HUBCMD_BATTERY},
    {ID_DISPLAYMODE, HUBCMD_DISPLAYMODE},
};

class CSoak {
public:
    explicit CSoak(const SoakOptions& options) : m_options(options) {}

    SoakReport Run()
    {
        if (!StartHub() || !StartPopbar())
            return Failed(L"Popbar or Screen Hub did not start");
        for (int nCycle = 1; nCycle <= m_options.nCycles; ++nCycle) {
            m_report.nCycle = nCycle;
            if (!Cycle(nCycle))
                break;
            if (nCycle == m_options.nCycles || (m_options.reportAfter && m_options.reportAfter(nCycle)))
                Report();
        }
        return m_report;
    }

private:
    bool StartHub()
    {
        m_hub.Terminate();
        m_hub = ChildProcess();
        return m_hub.Start(InstalledPath(L"Swift Screen Hub\\ScreenHub.exe"), m_journal.Switch() + L" " + kHubSwitches) &&
               WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) != nullptr; }, 20000);
    }
    bool StartPopbar()
    {
        if (!m_popbar.Start(InstalledPath(L"Popbar\\Popbar.exe")))
            return false;
        m_hWndMenu = WaitForReadyMenu(m_popbar.Id());
        return m_hWndMenu != nullptr;
    }
    SoakReport Failed(const std::wstring& failure)
    {
        m_report.failure = failure;
        m_report.bPopbarEnded = !m_popbar.IsRunning();
        if (m_options.report)
            m_options.report(m_report);
        return m_report;
    }
    bool Alive()
    {
        if (m_popbar.IsRunning())
            return true;
        m_report.bPopbarEnded = true;
        m_report.failure = L"Popbar ended in cycle " + std::to_wstring(m_report.nCycle);
        Report();
        return false;
    }
    bool Visible() const { return ::IsWindowVisible(m_hWndMenu) == TRUE; }
    void Post(UINT message, WPARAM wParam, LPARAM lParam) const { ::PostMessageW(m_hWndMenu, message, wParam, lParam); }

    bool Cycle(int nCycle)
    {
        if (nCycle % m_options.nHubRestartEvery == 0 && !StartHub()) {
            m_report.failure = L"Screen Hub did not start again";
            Report();
            return false;
        }
        if (!OpenMenu(m_hWndMenu))
            return Alive() && Fail(L"the menu did not open");
        ++m_report.nOpens;
        if (nCycle % 4 == 0 && !ClickButton(nCycle))
            return Fail(L"a button could not be clicked");
        if (nCycle % 100 == 50) {
            // A real display change, and back.
            const ScopedDesktopSize smaller(800, 600);
            if (!WaitUntil([&] { return MenuLeft() == 800 - MenuWidth() - 5; }, 10000))
                return Fail(L"the menu did not follow the display change");
        } else if (nCycle % 10 == 0) {
            Post(WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
        }
        if (nCycle % 7 == 0)
            Post(WM_CLOSE, 0, 0);
        switch (nCycle % 3) {
        case 0:
            Post(MSG_HIDEMENU, 0, 0);
            break;
        case 1:
            Post(MSG_HUBCMD, HUBCMD_HIDEMENU, 0);
            break;
        default:
            Post(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
            Post(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
            break;
        }
        return WaitUntil([&] { return !Visible(); }, 10000) ? Alive() : Fail(L"the menu did not hide");
    }
    bool Fail(const std::wstring& failure)
    {
        m_report.failure = failure + L" in cycle " + std::to_wstring(m_report.nCycle);
        Report();
        return false;
    }
    LONG MenuLeft() const
    {
        RECT rc{};
        ::GetWindowRect(m_hWndMenu, &rc);
        return rc.left;
    }
    LONG MenuWidth() const
    {
        RECT rc{};
        ::GetWindowRect(m_hWndMenu, &rc);
        return rc.right - rc.left;
    }
    bool ClickButton(int nCycle)
    {
        const Click& click = kClicks[(nCycle / 4) % (sizeof(kClicks) / sizeof(kClicks[0]))];
        RECT menu{};
        ::GetWindowRect(m_hWndMenu, &menu);
        if (!ClickMenuButton(m_hWndMenu, click.nID) || !MovePointer({menu.left - 100, menu.bottom + 100}))
            return false;
        ++m_sent[click.nCode];
        ++m_report.nCommandsSent;
        return true;
    }
    size_t Journaled() const
    {
        size_t n = 0;
        for (const auto& [code, count] : m_sent)
            n += m_journal.Count(HubEntry(HubDirection::In, MSG_HUBCMD, code));
        return n;
    }
    void Report()
    {
        // The last clicks may still be on their way to Screen Hub.
        WaitUntil([&] { return Journaled() >= m_report.nCommandsSent; }, 5000);
        m_report.nCommandsJournaled = Journaled();
        m_report.nOpensJournaled = m_journal.Count(HubEntry(HubDirection::In, MSG_MENUOPENED));
        m_report.popbar = ReadProcessResources(m_popbar.Handle());
        if (m_options.report)
            m_options.report(m_report);
    }

    const SoakOptions& m_options;
    HubJournal m_journal;
    ChildProcess m_hub;
    ChildProcess m_popbar;
    HWND m_hWndMenu = nullptr;
    std::map<WPARAM, size_t> m_sent;
    SoakReport m_report;
};

} // namespace

SoakReport RunSoak(const SoakOptions& options)
{
    CSoak soak(options);
    return soak.Run();
}

} // namespace driver
