#include "journey.h"

#include "dial_keys_journal.h"
#include "debug_viewer.h"
#include "environment.h"
#include "hub_journal.h"
#include "key_input.h"
#include "menu_view.h"
#include "paths.h"
#include "pixels.h"
#include "popbar_menu.h"
#include "process.h"
#include "protocol/keyrelay.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"
#include "registry_values.h"
#include "wait.h"
#include "window_query.h"
#include "x_input.h"

#include <cstdio>
#include <memory>

namespace driver {

namespace {

constexpr DWORD kStepMs = 20000;

// A step's check failed: what it expected.
struct StepFailed {
    std::wstring why;
};

void Require(bool bDone, const wchar_t* pszWhy)
{
    if (!bDone)
        throw StepFailed{pszWhy};
}

bool EndAll(const wchar_t* pszClass, const wchar_t* pszTitle)
{
    return WaitUntil([&] {
        const HWND hWnd = ::FindWindowW(pszClass, pszTitle);
        if (!hWnd)
            return true;
        const fw::unique_handle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, WindowProcessId(hWnd)));
        if (process && ::TerminateProcess(process.get(), 255))
            ::WaitForSingleObject(process.get(), Deadline(5000));
        return false;
    });
}

class CJourney {
public:
    explicit CJourney(const JourneyOptions& options) : m_options(options) {}

    JourneyResult Run()
    {
        try {
            LayOutFreshLaptop();
            RunStagehand();
            LogOn();
            OpenMenuByKey();
            SwitchWiredLanOff();
            StepDisplayMode();
            OutsideClick();
            WalkByKeyboard();
            BringUpDialKeyboard();
            HideMenuByKey();
        } catch (const StepFailed& failed) {
            m_result.failure = m_step + L": " + failed.why;
        }
        return m_result;
    }

private:
    void Begin(const wchar_t* pszCaption) { m_step = pszCaption; }
    void Done(bool bVisible)
    {
        JourneyStep step{m_step, L""};
        if (bVisible && !m_options.shotFolder.empty()) {
            // Paints still on their way land before the picture is taken.
            if (m_hWndMenu)
                SettleMenu(m_hWndMenu);
            wchar_t name[32] = {};
            std::swprintf(name, 32, L"\\step-%02zu.png", m_result.steps.size() + 1);
            step.shot = m_options.shotFolder + name;
            Require(ScreenShot().SavePng(step.shot), L"the screenshot could not be written");
        }
        m_result.steps.push_back(step);
        if (m_options.onStep)
            m_options.onStep(step);
    }

    void LayOutFreshLaptop()
    {
        Begin(L"A freshly imaged laptop in user mode");
        Require(EndLaptopPrograms(), L"a program of the laptop kept running");
        DeleteTree(HKEY_CURRENT_USER, kHubSettingsKeyA);
        // Windows' setup keeps its state in the machine's own registry view.
        Require(WriteString(HKEY_LOCAL_MACHINE, kSetupStateKey, "ImageState", "IMAGE_STATE_COMPLETE", kNativeRegistryView),
                L"ImageState could not be set");
        if (m_options.bWatchTraces) {
            m_viewer = std::make_unique<DebugViewerRun>();
            Require(m_viewer->Started(), L"the debug viewer did not start");
        }
        Require(::CopyFileW(m_options.stagehandIni.c_str(), InstalledPath(L"Stagehand\\stagehand.ini").c_str(), FALSE) != FALSE,
                L"the setup list could not be put beside Stagehand");
        Done(false);
    }

    void RunStagehand()
    {
        Begin(L"Stagehand runs the setup behind its wait window");
        ChildProcess stagehand;
        Require(stagehand.Start(InstalledPath(L"Stagehand\\Stagehand.exe")), L"Stagehand did not start");
        HWND hWait = nullptr;
        Require(WaitUntil([&] {
                    for (HWND hWnd : TopLevelWindows(stagehand.Id(), L"#32770"))
                        if (::IsWindowVisible(hWnd))
                            hWait = hWnd;
                    return hWait != nullptr || !stagehand.IsRunning();
                }, kStepMs),
                L"no wait window");
        if (hWait) {
            // Painted before the picture is taken (returns once Stagehand's thread has painted it).
            ::RedrawWindow(hWait, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            Done(true);
        }
        Require(stagehand.WaitForExit(60000).has_value(), L"Stagehand did not end");
        const std::wstring popbar = InstalledPath(L"Popbar\\Popbar.exe");
        const std::string quoted = "\"" + std::string(popbar.begin(), popbar.end()) + "\"";
        Require(ReadString(HKEY_LOCAL_MACHINE, kRunKey, "Popbar") == quoted, L"the Run value does not start the installed Popbar");
        Require(ReadDword(HKEY_CURRENT_USER, kHubSettingsKeyA, kStatusValueA).has_value(),
                L"Screen Hub's first state was not set");
        if (!hWait)
            Done(false);
    }

    void LogOn()
    {
        Begin(L"Log-on starts the Run value \"Popbar\"");
        const std::optional<std::string> value = ReadString(HKEY_LOCAL_MACHINE, kRunKey, "Popbar");
        Require(value.has_value(), L"no Run value");
        // Screen Hub, when Popbar starts it, journals to the file this variable names.
        const ScopedEnvironmentVariable hubOptions(L"CORVALE_SCREENHUB_OPTIONS",
                                                   L"--journal \"" + m_options.journal + L"\" --battery 80");
        ChildProcess popbar;
        Require(popbar.StartCommandLine(std::wstring(value->begin(), value->end()), L"C:\\"), L"Popbar did not start");
        m_result.nPopbarId = popbar.Id();
        m_hWndMenu = WaitForReadyMenu(popbar.Id());
        Require(m_hWndMenu != nullptr, L"Popbar did not get ready");
        Require(!::FindWindowW(nullptr, kScreenHubTitle), L"Screen Hub runs before the first menu key");
        popbar.Release();
        Done(false);
    }

    void OpenMenuByKey()
    {
        Begin(L"The menu key opens the menu, starts Screen Hub");
        Require(MovePointer({10, 700}), L"the pointer could not be moved off the menu");
        Require(Send(Stroke(ExtendedScanCode(kMenuKeyScanCode, false))), L"the menu key could not be pressed");
        Require(WaitUntil([&] { return ::IsWindowVisible(m_hWndMenu) != FALSE; }, kStepMs), L"the menu did not open");
        Require(WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) != nullptr; }, kStepMs),
                L"Screen Hub was not started");
        if (m_viewer)
            Require(m_viewer->WaitFor("\nMSG_MENUBTN : Menu SHOW\n", 1, kStepMs), L"the debug viewer did not receive the opening's traces");
        Done(true);
    }

    void Click(UINT nID, WPARAM nCode, LPARAM nArgument)
    {
        RECT menu{};
        ::GetWindowRect(m_hWndMenu, &menu);
        const std::optional<POINT> middle = ClickMenuButton(m_hWndMenu, nID);
        Require(middle.has_value(), L"the button could not be clicked");
        // Off the menu the way a hand leaves it, over the labels: a move over the menu ends every
        // highlight at once, where the button's own leave may come only with Wine's hover timer, after
        // the next step's keys.
        Require(MovePointer({menu.left + 10, middle->y}) && MovePointer({menu.left - 100, menu.bottom + 100}),
                L"the pointer could not be moved off the menu");
        Require(Journaled(nCode, nArgument), L"Screen Hub did not get the command");
    }
    bool Journaled(WPARAM nCode, LPARAM nArgument) const
    {
        const HubJournal journal(m_options.journal);
        return journal.WaitFor(HubEntry(HubDirection::In, MSG_HUBCMD, nCode, nArgument), kStepMs).has_value();
    }

    // Screen Hub was started by this opening: the press reaches the window it made meanwhile.
    void SwitchWiredLanOff()
    {
        Begin(L"Wired LAN switched off");
        Click(ID_WIRED_LAN_OFF, HUBCMD_WIRED_LAN, SWITCH_OFF);
        Done(true);
    }

    void StepDisplayMode()
    {
        Begin(L"The display mode stepped");
        const HWND hBefore = VisibleMenuButton(m_hWndMenu, ID_DISPLAYMODE);
        Click(ID_DISPLAYMODE, HUBCMD_DISPLAYMODE, 0);
        Require(WaitUntil([&] {
                    const HWND hNow = VisibleMenuButton(m_hWndMenu, ID_DISPLAYMODE);
                    return hNow && hNow != hBefore;
                }, kStepMs),
                L"the display-mode face did not change");
        Done(true);
    }

    void OutsideClick()
    {
        Begin(L"Screen off; a click on the desktop turns it on");
        Click(ID_SCREEN_OFF, HUBCMD_SCREEN, SWITCH_OFF);
        Require(ClickAt({400, 500}), L"the desktop could not be clicked");
        Require(Journaled(HUBCMD_SCREEN, SWITCH_ON), L"the outside click did not switch the screen back on");
        Require(::IsWindowVisible(m_hWndMenu) != FALSE, L"the swallowed click hid the menu");
        Done(true);
    }

    void WalkByKeyboard()
    {
        Begin(L"Down, Down, Down, Return: brighter pressed");
        Require(MovePointer({10, 700}), L"the pointer could not be moved off the menu");
        Require(WaitUntil([&] { return HasXKeyboardFocus(m_hWndMenu); }, kStepMs), L"the menu did not take the keyboard");
        Require(PressXKey(L"Down Down Down Return"), L"the keys could not be typed");
        Require(Journaled(HUBCMD_BRIGHTER, 0), L"Screen Hub did not get brighter");
        Done(true);
    }

    void BringUpDialKeyboard()
    {
        Begin(L"The dial key brings up the dial keyboard");
        Require(Send(Stroke(ExtendedScanCode(kDialKeyScanCode, false))), L"the dial key could not be pressed");
        Require(WaitUntil([] {
                    const HWND hWnd = DialKeyboardWindow();
                    return hWnd && ::IsWindowVisible(hWnd);
                }, kStepMs),
                L"the dial keyboard did not come up");
        Require(::IsWindowVisible(m_hWndMenu) != FALSE, L"the menu closed");
        Done(true);
    }

    void HideMenuByKey()
    {
        Begin(L"The menu key hides the menu");
        // A corner of the menu's background, which the desktop shows again once the menu is gone.
        RECT menu{};
        ::GetWindowRect(m_hWndMenu, &menu);
        const RECT corner{menu.left + 2, menu.bottom - 4, menu.left + 4, menu.bottom - 2};
        const COLORREF open = ScreenShot(corner).At(corner.left, corner.top);
        Require(Send(Stroke(ExtendedScanCode(kMenuKeyScanCode, false))), L"the menu key could not be pressed");
        Require(WaitUntil([&] { return ::IsWindowVisible(m_hWndMenu) == FALSE; }, kStepMs), L"the menu stayed open");
        Require(WaitUntil([&] { return ScreenShot(corner).At(corner.left, corner.top) != open; }, kStepMs),
                L"the menu stayed on the screen");
        m_hWndMenu = nullptr;
        Done(true);
    }

    const JourneyOptions& m_options;
    JourneyResult m_result;
    std::wstring m_step;
    HWND m_hWndMenu = nullptr;
    std::unique_ptr<DebugViewerRun> m_viewer;
};

} // namespace

bool EndLaptopPrograms()
{
    return EndAll(kMenuWindowClass, nullptr) && EndAll(nullptr, kScreenHubTitle) && EndDialKeyboards();
}

JourneyResult RunJourney(const JourneyOptions& options)
{
    CJourney journey(options);
    return journey.Run();
}

} // namespace driver
