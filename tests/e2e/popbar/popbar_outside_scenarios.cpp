// What Popbar shows outside its window: the pixels of the open menu, the texts that reach a debug
// viewer, and the message box of a broken installation.
#include "pixels.h"
#include "popbar_session.h"
#include "protocol/debug_viewer.h"

#include "files.h"
#include "paths.h"
#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <optional>

using namespace popbar_e2e;

namespace {

// Screen Hub is absent: its registry copy gives the status word.
std::wstring PopbarPath()
{
    static const std::wstring path = PopbarWithoutScreenHub();
    return path;
}

class OpenMenuPixels : public testing::Test {
protected:
    void TearDown() override { SetStatusWord(nullptr); }
};

std::wstring TempFile(const wchar_t* pszName)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + pszName;
    ::DeleteFileW(path.c_str());
    return path;
}

HWND FindViewer()
{
    return ::FindWindowW(kViewerClass, kViewerTitle);
}

} // namespace

TEST_F(OpenMenuPixels, ShowPanelLitAndUnlitPairFacesAndBatteryDigits)
{
    // Wired LAN on, battery at 42 %.
    const DWORD status = STATUS_WIRED_LAN_ON | (42u << kBatteryShift);
    SetStatusWord(&status);
    PopbarProcess popbar;
    ASSERT_TRUE(popbar.Start(PopbarPath()));
    ASSERT_TRUE(popbar.SendMenuKey());
    const RECT menu = popbar.MenuRect();
    auto at = [&](const driver::ScreenShot& shot, int x, int y) { return shot.At(menu.left + x, menu.top + y); };

    // The panel #141820 at alpha 0xF0 over the menu's dark fill (no blending with the desktop here).
    const COLORREF panel = driver::Hex(0x13171E);
    const COLORREF lit = driver::Hex(0x2F7DE1);
    const COLORREF unlit = driver::Hex(0x3A3F48);
    const COLORREF battery = driver::Hex(0x2E7D32);
    // Row 6 is the wired LAN pair: ON lit at x 128, OFF unlit at x 230; its fill patch is x 3..8, y 3..8.
    const int lanY = 9 + 6 * 41 + 5;
    const int batteryY = 9 + 7 * 41;
    // 42 %: the tens glyph at x 35..44, the ones glyph at 45..54, the percent sign at 55..64, rows 7..22.
    auto whiteIn = [&](const driver::ScreenShot& shot, int x0, int x1) {
        int n = 0;
        for (int x = x0; x <= x1; ++x)
            for (int y = 7; y <= 22; ++y)
                n += at(shot, 128 + x, batteryY + y) == RGB(255, 255, 255) ? 1 : 0;
        return n;
    };
    // Each button paints its face and then its glyphs: wait for the whole picture.
    std::optional<driver::ScreenShot> shot;
    const bool bPainted = driver::WaitUntil(
        [&] {
            shot.emplace(menu);
            return driver::Near(at(*shot, 20, 3), panel) && driver::Near(at(*shot, 128 + 5, lanY), lit) &&
                   driver::Near(at(*shot, 230 + 5, lanY), unlit) &&
                   driver::Near(at(*shot, 128 + 5, batteryY + 5), battery) && whiteIn(*shot, 35, 44) > 0 &&
                   whiteIn(*shot, 45, 54) > 0 && whiteIn(*shot, 55, 64) > 0;
        },
        5000);
    EXPECT_TRUE(bPainted) << std::hex << "menu at " << menu.left << "," << menu.top << " panel " << at(*shot, 20, 3)
                          << " lit " << at(*shot, 133, lanY) << " unlit " << at(*shot, 235, lanY) << " battery "
                          << at(*shot, 133, batteryY + 5) << std::dec << " white in 4, 2, %: " << whiteIn(*shot, 35, 44)
                          << ", " << whiteIn(*shot, 45, 54) << ", " << whiteIn(*shot, 55, 64);
    EXPECT_EQ(whiteIn(*shot, 66, 90), 0) << "nothing right of the number";
}

class DebugViewer : public testing::Test {
protected:
    void TearDown() override
    {
        viewer.Terminate();
        SetStatusWord(nullptr);
    }
    bool StartViewer(const std::wstring& arguments)
    {
        return viewer.Start(driver::ToolPath(L"DebugView.exe"), arguments) &&
               driver::WaitUntil([] { return FindViewer() != nullptr; });
    }
    driver::ChildProcess viewer;
};

TEST_F(DebugViewer, ReceivesTheMenuKeyAndPositionTexts)
{
    const std::wstring output = TempFile(L"popbar-trace.txt");
    SetStatusWord(nullptr);
    ASSERT_TRUE(StartViewer(L"\"" + output + L"\""));
    PopbarProcess popbar;
    ASSERT_TRUE(popbar.Start(PopbarPath()));
    ASSERT_TRUE(popbar.SendMenuKey());

    RECT desktop{};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    const std::string position = "\nMenu Pos : left - " + std::to_string(desktop.right - 345) +
                                 ", top - 5, right - 340, bottom - 335\n";
    const std::string expected = "\nMSG_MENUBTN : Menu SHOW\n\nMSG_MENUBTN : Wired LAN OFF\n\nDesktop Window left - 0, top - 0, right - " +
                                 std::to_string(desktop.right) + ", bottom - " + std::to_string(desktop.bottom) + "\n" +
                                 position;
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::ReadWholeFile(output).find(expected) != std::string::npos; }, 5000))
        << driver::ReadWholeFile(output);
    // No Screen Hub stands beside this Popbar: what it could not do is said, with the system's reason.
    const std::string traces = driver::ReadWholeFile(output);
    EXPECT_NE(traces.find("\nInit : Screen Hub not running yet\n"), std::string::npos) << traces;
    const size_t notStarted = traces.find("\nScreen Hub : not started: ");
    ASSERT_NE(notStarted, std::string::npos) << traces;
    EXPECT_LT(notStarted, traces.find("\nMSG_MENUBTN : Menu SHOW")) << "said as the menu key tried it";
    EXPECT_NE(traces.find("(error ", notStarted), std::string::npos) << traces;
    ::DeleteFileW(output.c_str());
}

TEST_F(DebugViewer, HungViewerDoesNotFreezeTheMenu)
{
    ASSERT_TRUE(StartViewer(L"--hang"));
    PopbarProcess popbar;
    ASSERT_TRUE(popbar.Start(PopbarPath()));
    ::PostMessageW(popbar.Menu(), MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED);
    // Four texts while opening: each may wait a moment for the viewer, none for long.
    EXPECT_TRUE(driver::WaitUntil([&] { return popbar.IsMenuVisible(); }, 3000));
    DWORD_PTR result = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(popbar.Menu(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &result))
        << "the menu answers while the viewer hangs";
}

// A copy of Popbar without its skin library beside it.
class BrokenInstall : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CopyOfInstalledPopbar(kFolder, {L"Popbar.exe", L"KeyRelay.dll"}).empty());
    }
    void TearDown() override { SetStatusWord(nullptr); }

    static constexpr const wchar_t* kFolder = L"C:\\popbar-nores\\Popbar";
};

TEST_F(BrokenInstall, MissingSkinLibraryIsReportedAndPopbarEndsWhateverScreenHubAllows)
{
    for (const DWORD status : {0u, 1u}) {
        SetStatusWord(&status);
        driver::ChildProcess popbar;
        ASSERT_TRUE(popbar.Start(std::wstring(kFolder) + L"\\Popbar.exe"));
        const driver::MessageBoxInfo box = driver::WaitForMessageBox(popbar.Id());
        ASSERT_TRUE(box.hWnd) << "status " << status;
        EXPECT_EQ(box.caption, L"Popbar");
        EXPECT_EQ(box.text, L"Can not load the resource.");
        EXPECT_TRUE(box.hasWarningIcon);
        EXPECT_TRUE(driver::PressOk(box.hWnd));
        EXPECT_TRUE(popbar.WaitForExit(5000)) << "a menu without its skin must not run on; status " << status;
        EXPECT_TRUE(driver::TopLevelWindows(popbar.Id(), kMenuWindowClass).empty());
    }
}

// A library of the skin's name in the current folder is never taken for the missing one: run-time
// libraries come from the system folder and the program's own.
TEST_F(BrokenInstall, ASkinInTheCurrentFolderIsNotLoaded)
{
    const std::wstring current = L"C:\\popbar-nores\\current";
    ::SHCreateDirectoryExW(nullptr, current.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileW(driver::InstalledPath(L"Popbar\\resource.dll").c_str(), (current + L"\\resource.dll").c_str(), FALSE));
    const DWORD status = 1;
    SetStatusWord(&status);
    driver::ChildProcess popbar;
    ASSERT_TRUE(popbar.Start(std::wstring(kFolder) + L"\\Popbar.exe", L"", current));
    const driver::MessageBoxInfo box = driver::WaitForMessageBox(popbar.Id());
    ASSERT_TRUE(box.hWnd) << "Popbar found a skin";
    EXPECT_EQ(box.text, L"Can not load the resource.");
    EXPECT_TRUE(driver::PressOk(box.hWnd));
    EXPECT_TRUE(popbar.WaitForExit(5000));
}
