#pragma once
// Popbar installed in the prefix and driven as KeyRelay and Screen Hub would drive it, with Screen Hub
// absent: the status word and the display mode come from Screen Hub's registry settings.
#include "process.h"
#include "protocol/keyrelay.h"
#include "protocol/menu.h"
#include "protocol/screen_hub.h"

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace popbar_e2e {

constexpr SIZE kMenuSize{340, 335};

// The installed Popbar.exe.
std::wstring InstalledPopbar();
// Copies these files of the installed Popbar folder into the folder, which is made as needed; the
// copy's Popbar.exe, or empty when a file could not be copied.
std::wstring CopyOfInstalledPopbar(const std::wstring& folder, std::initializer_list<const wchar_t*> files);
// A copy of the installed Popbar folder (program, skin, key-hook library) at
// %TEMP%\<name>\Popbar\Popbar.exe, where no Screen Hub stands beside it: a menu key there cannot
// start Screen Hub, so its registry copy alone answers.
std::wstring PopbarWithoutScreenHub(const std::wstring& name = L"corvale-no-hub");

// The size the dialog manager gives the menu's template in this program, as the menu has it before
// its background is known; nothing when it cannot be built here.
std::optional<SIZE> TemplateSize(const std::wstring& program);

// The installed Screen Hub.
std::wstring InstalledScreenHub();
// Ends every running Screen Hub (also one that Popbar started through the shell) and waits until its
// window is gone; false when one outlived the wait.
bool EndScreenHub();

// The "Popbar" status word and "Display" value of Screen Hub's settings; nothing deletes the value.
void SetStatusWord(const DWORD* pnStatus);
void SetDisplayValue(const DWORD* pnDisplay);

// One Popbar process and its menu window.
class PopbarProcess {
public:
    // Starts the program and waits until its menu has been hidden after start-up. While it waits it
    // checks that the menu never stands on the desktop while visible.
    bool Start(const std::wstring& program);
    HWND Menu() const { return m_hWndMenu; }
    driver::ChildProcess& Process() { return m_process; }
    bool everShownOnDesktop = false;

    // The menu key as KeyRelay reports it: MSG_MENUBTN sent and waited for.
    bool SendMenuKey(WPARAM wParam = 1, LPARAM lParam = 2) const;
    bool IsMenuVisible() const { return ::IsWindowVisible(m_hWndMenu) == TRUE; }
    RECT MenuRect() const;
    std::vector<HWND> Buttons() const;

private:
    driver::ChildProcess m_process;
    HWND m_hWndMenu = nullptr;
};

} // namespace popbar_e2e
