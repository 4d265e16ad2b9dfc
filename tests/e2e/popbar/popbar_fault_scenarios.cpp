// Faults a laptop meets: a skin library with broken pictures, KeyRelay.dll missing or not the
// library it should be, and Screen Hub killed in the middle of a status query or hung for good.
// Each is bounded: Popbar shows what it can, answers, and ends or runs on as the design says.
#include "environment.h"
#include "handles.h"
#include "hub_fixture.h"
#include "menu_rows.h"
#include "paths.h"
#include "pe_file.h"
#include "wait.h"
#include "window_query.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace popbar_e2e;
using driver::HubDirection;
using driver::HubEntry;

namespace {

// A copy of Popbar with these of its files, and a skin library from beside this test program
// (skin-<fault>\resource.dll) when one is named.
std::wstring PopbarCopy(const std::wstring& name, std::initializer_list<const wchar_t*> files, const wchar_t* pszSkin)
{
    const std::wstring folder = L"C:\\popbar-fault\\" + name + L"\\Popbar";
    const std::wstring program = CopyOfInstalledPopbar(folder, files);
    if (program.empty() || !pszSkin)
        return program;
    const std::wstring skin = driver::TestProgramFolder() + L"skin-" + pszSkin + L"\\resource.dll";
    return ::CopyFileW(skin.c_str(), (folder + L"\\resource.dll").c_str(), FALSE) ? program : L"";
}

bool HasNoMessageBox(DWORD nProcessId)
{
    return driver::TopLevelWindows(nProcessId, L"#32770").empty();
}

} // namespace

TEST(BrokenSkin, EveryBrokenPictureLeavesTheMenuToShowWhatItCanAndPopbarRunning)
{
    SetStatusWord(nullptr);
    const std::optional<SIZE> templateSize = TemplateSize(InstalledPopbar());
    ASSERT_TRUE(templateSize);
    const struct {
        const wchar_t* fault;
        SIZE size; // the menu's: its background's, or the template's without a usable background
    } rows[] = {
        {L"missing-pictures", kMenuSize},
        {L"empty", *templateSize},
        {L"undecodable", *templateSize},
        {L"truncated", *templateSize},
        {L"huge-background", SIZE{8000, 8000}},
    };
    for (const auto& row : rows) {
        const std::wstring program = PopbarCopy(row.fault, {L"Popbar.exe", L"KeyRelay.dll"}, row.fault);
        ASSERT_FALSE(program.empty()) << row.fault;
        PopbarProcess popbar;
        ASSERT_TRUE(popbar.Start(program)) << row.fault;
        EXPECT_TRUE(HasNoMessageBox(popbar.Process().Id())) << row.fault;
        ASSERT_TRUE(popbar.SendMenuKey()) << row.fault;
        EXPECT_TRUE(popbar.IsMenuVisible()) << row.fault;
        const RECT rc = popbar.MenuRect();
        EXPECT_EQ(rc.right - rc.left, row.size.cx) << row.fault;
        EXPECT_EQ(rc.bottom - rc.top, row.size.cy) << row.fault;
        EXPECT_EQ(popbar.Buttons().size(), 17u) << row.fault;
        // Not SMTO_ABORTIFHUNG: painting 8000 x 8000 on a busy machine may keep the thread away from
        // its messages long enough for the platform to call it hung, though it ends.
        DWORD_PTR result = 0;
        EXPECT_TRUE(::SendMessageTimeoutW(popbar.Menu(), WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result))
            << "painted and answering; " << row.fault;
        EXPECT_TRUE(popbar.Process().IsRunning()) << row.fault;
    }
}

// The skin library is read as data: a skin whose start-up code leaves a mark when it runs (the file
// that CORVALE_SKIN_MARK names), loaded as a library here, gives Popbar its whole menu and leaves none.
TEST(SkinLibrary, ASkinsOwnCodeNeverRunsInsidePopbar)
{
    SetStatusWord(nullptr);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring mark = std::wstring(temp) + L"corvale-skin-code-ran";
    const driver::ScopedEnvironmentVariable named(L"CORVALE_SKIN_MARK", mark);
    const auto marked = [&] { return ::GetFileAttributesW(mark.c_str()) != INVALID_FILE_ATTRIBUTES; };
    const std::wstring skin = driver::TestProgramFolder() + L"skin-runs-code\\resource.dll";
    ::DeleteFileW(mark.c_str());
    {
        const fw::unique_hmodule loaded(::LoadLibraryW(skin.c_str()));
        ASSERT_TRUE(loaded);
        ASSERT_TRUE(marked()) << "the skin's code leaves its mark when it runs";
    }
    ASSERT_TRUE(::DeleteFileW(mark.c_str()));

    const std::wstring program = PopbarCopy(L"runs-code", {L"Popbar.exe", L"KeyRelay.dll"}, L"runs-code");
    ASSERT_FALSE(program.empty());
    // Away from the top-right corner where the menu opens: no button may show its hover face.
    ASSERT_TRUE(driver::MovePointer({10, 700}));
    PopbarProcess popbar;
    ASSERT_TRUE(popbar.Start(program));
    EXPECT_TRUE(HasNoMessageBox(popbar.Process().Id()));
    ASSERT_TRUE(popbar.SendMenuKey());
    EXPECT_TRUE(popbar.IsMenuVisible());
    const RECT rc = popbar.MenuRect();
    EXPECT_EQ(rc.right - rc.left, kMenuSize.cx) << "the background came from the skin";
    EXPECT_EQ(rc.bottom - rc.top, kMenuSize.cy);
    EXPECT_TRUE(RowShows(rc, kScreenRow, true, false)) << "the buttons' pictures came from the skin";
    EXPECT_FALSE(marked()) << "the skin's code ran inside Popbar";
}

// The loader binds KeyRelay.dll before Popbar runs a line. Windows refuses to start Popbar without
// it, or without its two functions, with its own message; under Wine a missing library ends the
// start at once, and a library without the functions lets Popbar run until it calls one, where Wine
// ends it. Either way no menu ever registers for the keys, and nothing of Popbar keeps running.
TEST(BrokenKeyRelay, WithoutTheLibraryOrItsFunctionsPopbarNeverRunsAMenuAndTheOtherProgramsDoNotNeedIt)
{
    const struct {
        const wchar_t* what;
        const wchar_t* pszStandIn; // the file that stands as KeyRelay.dll, or none
    } rows[] = {
        {L"missing", nullptr},
        {L"without-functions", L"resource.dll"},
    };
    for (const auto& row : rows) {
        const std::wstring program = PopbarCopy(row.what, {L"Popbar.exe", L"resource.dll"}, nullptr);
        ASSERT_FALSE(program.empty()) << row.what;
        if (row.pszStandIn) {
            const std::wstring folder = program.substr(0, program.find_last_of(L'\\') + 1);
            ASSERT_TRUE(::CopyFileW((folder + row.pszStandIn).c_str(), (folder + L"KeyRelay.dll").c_str(), FALSE));
        }
        driver::ChildProcess popbar;
        ASSERT_TRUE(popbar.Start(program)) << row.what;
        const std::optional<DWORD> exitCode = popbar.WaitForExit(20000);
        ASSERT_TRUE(exitCode) << row.what << ": Popbar is still running";
        EXPECT_NE(*exitCode, 0u) << row.what;
        EXPECT_TRUE(driver::TopLevelWindows(popbar.Id(), kMenuWindowClass).empty()) << row.what;
    }

    auto lowerCase = [](std::string name) {
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return name;
    };
    for (const wchar_t* pszProgram : {L"Popbar\\Popbar.exe", L"Bootlist\\Bootlist.exe", L"Stagehand\\Stagehand.exe"}) {
        const std::vector<std::string> dlls = driver::ImportedDlls(driver::InstalledPath(pszProgram));
        ASSERT_FALSE(dlls.empty()) << pszProgram;
        const bool bBindsKeyRelay =
            std::any_of(dlls.begin(), dlls.end(), [&](const std::string& dll) { return lowerCase(dll) == "keyrelay.dll"; });
        EXPECT_EQ(bBindsKeyRelay, std::wstring(pszProgram) == L"Popbar\\Popbar.exe") << pszProgram;
    }
}

namespace {

// Two Screen Hubs one after the other, each with its own journal.
class ScreenHubFaults : public PopbarWithScreenHub {
protected:
    void TearDown() override
    {
        second.Terminate();
        PopbarWithScreenHub::TearDown();
    }
    driver::HubJournal secondJournal;
    driver::ChildProcess second;
};

} // namespace

TEST_F(ScreenHubFaults, KilledInTheMiddleOfAStatusQueryItsCopyAnswersAndTheNextPressFindsTheNewOne)
{
    // Wired LAN on in the registry copy it writes at its start; it answers queries only after 20 s.
    Start(L"--status 0x10 --battery 50 --delay 20000");
    ASSERT_TRUE(::PostMessageW(popbar.Menu(), MSG_MENUBTN, MENUBTN_KEY, MENUBTN_RELEASED));
    ASSERT_TRUE(journal.WaitFor(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)));
    hub.Terminate();
    EXPECT_TRUE(driver::WaitUntil([&] { return popbar.IsMenuVisible(); }, 5000))
        << "the press in flight fell back to the registry copy within the query's time-out";
    menu = popbar.MenuRect();
    EXPECT_TRUE(RowShows(menu, kWiredLanRow, true, false)) << "the registry copy";

    ::SendMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0);
    ASSERT_TRUE(second.Start(InstalledScreenHub(), secondJournal.Switch() + L" --status 0x1 --battery 50"));
    ASSERT_TRUE(driver::WaitUntil([] { return ::FindWindowW(nullptr, kScreenHubTitle) != nullptr; }));
    ASSERT_TRUE(popbar.SendMenuKey());
    EXPECT_TRUE(secondJournal.WaitFor(HubEntry(HubDirection::In, MSG_HUBCMD, HUBCMD_QUERYSTATUS)));
    EXPECT_TRUE(RowShows(menu, kWiredLanRow, false, true)) << "the new Screen Hub's answer";
}

TEST_F(ScreenHubFaults, HungForGoodItCostsOneTimeOutAndOnceMarkedHungNoneMore)
{
    Start(L"--status 0x10 --battery 50 --hang");
    const HWND hHub = ::FindWindowW(nullptr, kScreenHubTitle);
    ASSERT_TRUE(popbar.SendMenuKey());
    ASSERT_TRUE(popbar.IsMenuVisible());
    // The platform marks a window hung once its thread has not taken a message for 5 s.
    ASSERT_TRUE(driver::WaitUntil([&] { return ::IsHungAppWindow(hHub) != FALSE; }, 15000));
    for (int nPress = 0; nPress < 4; ++nPress) {
        ::SendMessageW(popbar.Menu(), MSG_HIDEMENU, 0, 0);
        const ULONGLONG start = ::GetTickCount64();
        ASSERT_TRUE(popbar.SendMenuKey());
        // Well under the query's 3000 ms time-out: the query gives up on a hung window at once.
        EXPECT_LT(::GetTickCount64() - start, 2000u) << "press " << nPress;
        EXPECT_TRUE(popbar.IsMenuVisible());
    }
}
