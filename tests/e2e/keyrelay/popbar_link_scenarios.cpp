// Popbar.exe with the installed KeyRelay.dll, bound by the maker's export names: the laptop's menu
// key, made with SendInput, opens the menu through the library's report.
#include "key_input.h"

#include "paths.h"
#include "process.h"
#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

using namespace keyrelay_e2e;

namespace {

// A copy of Popbar's installed folder with no Screen Hub beside it, so the menu key starts nothing
// else and Screen Hub's registry copy answers the status query.
std::wstring PopbarCopy()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"keyrelay-popbar";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* pszFile : {L"Popbar.exe", L"resource.dll", L"KeyRelay.dll"}) {
        const std::wstring from = driver::InstalledPath(std::wstring(L"Popbar\\") + pszFile);
        if (!::CopyFileW(from.c_str(), (folder + L"\\" + pszFile).c_str(), FALSE))
            return L"";
    }
    return folder + L"\\Popbar.exe";
}

HWND RegisteredMenu(DWORD nProcessId)
{
    const std::vector<HWND> menus = driver::TopLevelWindows(nProcessId, L"KESTREL_MENU");
    if (menus.size() != 1 || !::GetPropW(menus.front(), L"KeyRelay.Message"))
        return nullptr;
    return menus.front();
}

} // namespace

TEST(PopbarWithKeyRelay, TheLaptopsMenuKeyOpensTheMenuThroughTheLibrary)
{
    const std::wstring program = PopbarCopy();
    ASSERT_FALSE(program.empty());
    driver::ChildProcess popbar;
    ASSERT_TRUE(popbar.Start(program)) << "the loader binds Popbar's imports to KeyRelay.dll's exports";
    HWND hWndMenu = nullptr;
    ASSERT_TRUE(driver::WaitUntil([&] { return (hWndMenu = RegisteredMenu(popbar.Id())) != nullptr; }))
        << "the menu window registered with KeyRelay";
    ASSERT_TRUE(driver::WaitUntil([&] { return !::IsWindowVisible(hWndMenu); })) << "hidden after start-up";

    ASSERT_TRUE(Send(Stroke(ExtendedScanCode(0x54, false))));
    EXPECT_TRUE(driver::WaitUntil([&] { return ::IsWindowVisible(hWndMenu) != FALSE; }));
}
