// driver.exe: the test driver for scripts (the scenario tests link the same library).
//   driver run-answering PROGRAM [ARGUMENTS]   run PROGRAM, answer its message boxes; prints
//                                              "box CAPTION|TEXT" per box, then "exit CODE"
//   driver open-menu                           wait for Popbar's start-up to end, press the menu key
//                                              and wait until the menu shows; prints "menu open"
//   driver wait-window TITLE                   wait until a top-level window of that title exists
//   driver wait-menu-ready                     wait for Popbar's start-up to end; prints "menu ready"
//   driver wait-no-menu                        wait until no Popbar's menu window is left; prints "no menu"
//   driver wait-menu-open [TIMEOUT_MS]         wait until Popbar's menu shows and has painted (10 s when
//                                              not given); prints "menu open"
//   driver wait-menu-keys                      wait until the open menu takes the keyboard (X's keyboard
//                                              focus is on it); prints "menu has the keyboard"
//   driver click-menu-button ID                click the open menu's button ID through X; the pointer
//                                              stays on it; prints "clicked button ID at X,Y"
//   driver wait-hub-command JOURNAL CODE ARG   wait until Screen Hub's journal shows MSG_HUBCMD CODE
//                                              with ARG from the menu, then until the menu has painted
//                                              what that command changed
//   driver read-menu                           open Popbar's menu (the menu key, unless it shows) and print
//                                              what a screen reader reads of it through the accessibility
//                                              interface: the menu, then each visible button in the order
//                                              of the keyboard walk, one "name | role | states" line each
//   driver journey INI JOURNAL SHOTS           walk the laptop's day from its first boot with INI as
//                                              Stagehand's setup list and JOURNAL as Screen Hub's
//                                              journal; prints "step CAPTION|SHOT" per step (a shot
//                                              SHOTS\step-NN.png after each visible one), then "done"
//                                              or "failed STEP: WHY"
#include "accessibility.h"
#include "answering_run.h"
#include "com_apartment.h"
#include "files.h"
#include "gdiplus_handles.h"
#include "hub_journal.h"
#include "journey.h"
#include "menu_view.h"
#include "popbar_menu.h"
#include "protocol/screen_hub.h"
#include "utf8.h"
#include "wait.h"
#include "x_input.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

namespace {

void PrintLine(const std::wstring& text)
{
    // UTF-8 on standard output, one record per line.
    std::printf("%s\n", fw::Utf8(text).c_str());
}

int RunAnswering(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    std::wstring arguments;
    for (int i = 3; i < argc; ++i)
        arguments += (i > 3 ? L" " : L"") + std::wstring(argv[i]);
    const driver::AnsweredRun run = driver::RunAnsweringMessageBoxes(argv[2], arguments);
    if (!run.started) {
        PrintLine(L"not started (error " + std::to_wstring(run.nStartError) + L")");
        return 1;
    }
    for (const driver::AnsweredBox& box : run.boxes)
        PrintLine(L"box " + box.caption + L"|" + box.text);
    PrintLine(run.exitCode ? L"exit " + std::to_wstring(*run.exitCode) : L"timeout");
    return 0;
}

int OpenPopbarMenu()
{
    const HWND hWndMenu = driver::WaitForReadyMenu();
    if (!hWndMenu) {
        PrintLine(L"no menu window");
        return 1;
    }
    if (!driver::OpenMenu(hWndMenu)) {
        PrintLine(L"menu did not open");
        return 1;
    }
    PrintLine(L"menu open");
    return 0;
}

int WaitForWindow(const wchar_t* pszTitle)
{
    if (!driver::WaitUntil([&] { return ::FindWindowW(nullptr, pszTitle) != nullptr; }, 20000)) {
        PrintLine(L"no window \"" + std::wstring(pszTitle) + L"\"");
        return 1;
    }
    return 0;
}

int WaitForReadyPopbar()
{
    if (!driver::WaitForReadyMenu()) {
        PrintLine(L"no menu window");
        return 1;
    }
    PrintLine(L"menu ready");
    return 0;
}

int WaitForNoPopbar()
{
    if (!driver::WaitUntilNoMenu()) {
        PrintLine(L"a menu window is left");
        return 1;
    }
    PrintLine(L"no menu");
    return 0;
}

int WaitForOpenPopbarMenu(DWORD nTimeoutMs)
{
    const HWND hWndMenu = driver::WaitForOpenMenu(nTimeoutMs);
    if (!hWndMenu || !driver::SettleMenu(hWndMenu)) {
        PrintLine(L"menu did not open");
        return 1;
    }
    PrintLine(L"menu open");
    return 0;
}

int WaitForMenuKeyboard()
{
    const HWND hWndMenu = driver::WaitForOpenMenu();
    if (!hWndMenu || !driver::WaitUntil([&] { return driver::HasXKeyboardFocus(hWndMenu); })) {
        PrintLine(L"the menu did not take the keyboard");
        return 1;
    }
    PrintLine(L"menu has the keyboard");
    return 0;
}

int ClickPopbarButton(const wchar_t* pszID)
{
    const UINT nID = static_cast<UINT>(std::wcstoul(pszID, nullptr, 10));
    const HWND hWndMenu = driver::WaitForOpenMenu();
    const std::optional<POINT> middle = hWndMenu ? driver::ClickMenuButton(hWndMenu, nID) : std::nullopt;
    if (!middle) {
        PrintLine(L"no button " + std::wstring(pszID) + L" clicked");
        return 1;
    }
    PrintLine(L"clicked button " + std::wstring(pszID) + L" at " + std::to_wstring(middle->x) + L"," +
              std::to_wstring(middle->y));
    return 0;
}

int WaitForHubCommand(const wchar_t* pszJournal, const wchar_t* pszCode, const wchar_t* pszArgument)
{
    const auto match = driver::HubEntry(driver::HubDirection::In, MSG_HUBCMD, std::wcstoul(pszCode, nullptr, 10),
                                        std::wcstol(pszArgument, nullptr, 10));
    const bool bSeen = driver::HubJournal(pszJournal).WaitFor(match).has_value();
    const HWND hWndMenu = driver::WaitForOpenMenu(0);
    if (!bSeen || !hWndMenu || !driver::SettleMenu(hWndMenu)) {
        PrintLine(L"Screen Hub got no command " + std::wstring(pszCode) + L" (" + pszArgument + L") from an open menu");
        return 1;
    }
    PrintLine(L"Screen Hub got command " + std::wstring(pszCode) + L" (" + pszArgument + L")");
    return 0;
}

int ReadMenu()
{
    const fw::com_apartment com;
    const HWND hWndMenu = driver::WaitForReadyMenu();
    if (!hWndMenu || (!::IsWindowVisible(hWndMenu) && !driver::OpenMenu(hWndMenu))) {
        PrintLine(L"menu did not open");
        return 1;
    }
    const auto menu = driver::ReadAccessible(hWndMenu);
    if (!menu) {
        PrintLine(L"the menu has no accessible object");
        return 1;
    }
    PrintLine(driver::ReaderLine(*menu));
    // The walk's order is the menu's: row by row, left before right.
    std::vector<std::pair<POINT, HWND>> buttons;
    for (HWND hButton = ::GetWindow(hWndMenu, GW_CHILD); hButton; hButton = ::GetWindow(hButton, GW_HWNDNEXT)) {
        RECT rc{};
        if (::IsWindowVisible(hButton) && ::GetWindowRect(hButton, &rc))
            buttons.push_back({POINT{rc.left, rc.top}, hButton});
    }
    std::sort(buttons.begin(), buttons.end(), [](const auto& a, const auto& b) {
        return a.first.y != b.first.y ? a.first.y < b.first.y : a.first.x < b.first.x;
    });
    for (const auto& button : buttons) {
        const auto info = driver::ReadAccessible(button.second);
        PrintLine(info ? L"  " + driver::ReaderLine(*info) : L"  (no accessible object)");
    }
    return 0;
}

int WalkJourney(const wchar_t* pszIni, const wchar_t* pszJournal, const wchar_t* pszShots)
{
    const fw::gdiplus_session gdiplus;
    driver::JourneyOptions options;
    options.stagehandIni = pszIni;
    options.journal = pszJournal;
    options.shotFolder = pszShots;
    options.onStep = [](const driver::JourneyStep& step) {
        PrintLine(L"step " + step.caption + L"|" + step.shot);
        std::fflush(stdout);
    };
    const driver::JourneyResult result = driver::RunJourney(options);
    if (!result.failure.empty()) {
        PrintLine(L"failed " + result.failure);
        return 1;
    }
    PrintLine(L"done");
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    if (argc >= 2 && std::wstring(argv[1]) == L"run-answering")
        return RunAnswering(argc, argv);
    if (argc == 2 && std::wstring(argv[1]) == L"open-menu")
        return OpenPopbarMenu();
    if (argc == 3 && std::wstring(argv[1]) == L"wait-window")
        return WaitForWindow(argv[2]);
    if (argc == 2 && std::wstring(argv[1]) == L"wait-menu-ready")
        return WaitForReadyPopbar();
    if (argc == 2 && std::wstring(argv[1]) == L"wait-no-menu")
        return WaitForNoPopbar();
    if ((argc == 2 || argc == 3) && std::wstring(argv[1]) == L"wait-menu-open")
        return WaitForOpenPopbarMenu(argc == 3 ? std::wcstoul(argv[2], nullptr, 10) : 10000);
    if (argc == 2 && std::wstring(argv[1]) == L"wait-menu-keys")
        return WaitForMenuKeyboard();
    if (argc == 3 && std::wstring(argv[1]) == L"click-menu-button")
        return ClickPopbarButton(argv[2]);
    if (argc == 5 && std::wstring(argv[1]) == L"wait-hub-command")
        return WaitForHubCommand(argv[2], argv[3], argv[4]);
    if (argc == 2 && std::wstring(argv[1]) == L"read-menu")
        return ReadMenu();
    if (argc == 5 && std::wstring(argv[1]) == L"journey")
        return WalkJourney(argv[2], argv[3], argv[4]);
    std::fprintf(stderr, "usage: driver run-answering PROGRAM [ARGUMENTS] | driver open-menu"
                         " | driver wait-window TITLE | driver wait-menu-ready | driver wait-no-menu | driver wait-menu-open [TIMEOUT_MS]"
                         " | driver wait-menu-keys | driver click-menu-button ID | driver wait-hub-command JOURNAL CODE ARG"
                         " | driver read-menu | driver journey INI JOURNAL SHOTS\n");
    return 2;
}
