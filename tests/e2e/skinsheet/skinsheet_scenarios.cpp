// SkinSheet as a designer runs it, installed beside the other tools: the default skin passes and the
// whole-menu cell of its sheet is the menu that Popbar shows; skins broken from the default one fail
// with each problem named by its picture; bad input ends with a message and leaves no sheet behind.
#include "gdiplus_handles.h"
#include "handles.h"
#include "menu_view.h"
#include "paths.h"
#include "pixels.h"
#include "popbar_session.h"
#include "process.h"
#include "sheet_layout.h"
#include "wait.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace popbar_e2e;

namespace {

constexpr int kComplete = 0;
constexpr int kIncomplete = 1;
constexpr int kNoSheet = 2;

std::wstring InstalledSkin()
{
    return driver::InstalledPath(L"Popbar\\resource.dll");
}

driver::FinishedRun RunSkinSheet(const std::wstring& skin, const std::wstring& sheet)
{
    return driver::RunToEnd(driver::ToolPath(L"SkinSheet.exe"), L"\"" + skin + L"\" \"" + sheet + L"\"");
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The files of a folder, "." and ".." left out.
std::vector<std::wstring> FilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE hFind = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (::FindNextFileW(hFind, &found));
    ::FindClose(hFind);
    return names;
}

// A folder of the test's own under %TEMP%, empty at the start and gone at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const wchar_t* pszName)
    {
        wchar_t szTemp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, szTemp);
        m_path = std::wstring(szTemp) + pszName;
        Empty();
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() { Empty(); }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }
    const std::wstring& Path() const { return m_path; }

private:
    void Empty() const
    {
        for (const std::wstring& name : FilesIn(m_path)) {
            ::DeleteFileW((m_path + L"\\" + name).c_str());
        }
        ::RemoveDirectoryW(m_path.c_str());
    }
    std::wstring m_path;
};

// The bytes of a picture in a skin library; empty when it is not there.
std::string PictureBytes(const std::wstring& skin, WORD nID)
{
    const fw::unique_hmodule module(::LoadLibraryExW(skin.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    const HRSRC hInfo = module ? ::FindResourceW(module.get(), MAKEINTRESOURCEW(nID), L"PNG") : nullptr;
    const HGLOBAL hData = hInfo ? ::LoadResource(module.get(), hInfo) : nullptr;
    const char* pBytes = hData ? static_cast<const char*>(::LockResource(hData)) : nullptr;
    return pBytes ? std::string(pBytes, ::SizeofResource(module.get(), hInfo)) : std::string();
}

struct Picture {
    WORD nID;
    WORD wLanguage;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR pszName, WORD wLanguage, LONG_PTR lParam)
{
    reinterpret_cast<std::vector<Picture>*>(lParam)->push_back({static_cast<WORD>(reinterpret_cast<ULONG_PTR>(pszName)), wLanguage});
    return TRUE;
}

BOOL CALLBACK CollectPicture(HMODULE hModule, LPCWSTR pszType, LPWSTR pszName, LONG_PTR lParam)
{
    ::EnumResourceLanguagesW(hModule, pszType, pszName, CollectLanguage, lParam);
    return TRUE;
}

// The pictures of a skin library, each with the language it is filed under.
std::vector<Picture> PicturesOf(const std::wstring& skin)
{
    std::vector<Picture> pictures;
    const fw::unique_hmodule module(::LoadLibraryExW(skin.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (module)
        ::EnumResourceNamesW(module.get(), L"PNG", CollectPicture, reinterpret_cast<LONG_PTR>(&pictures));
    return pictures;
}

// A copy of the installed skin with some pictures changed: given other bytes, or left out for none.
// Written afresh through the platform's resource updater (Wine's does not delete a resource).
bool WriteChangedSkin(const std::wstring& path, const std::map<WORD, std::string>& changes)
{
    const std::vector<Picture> pictures = PicturesOf(InstalledSkin());
    if (pictures.empty() || !::CopyFileW(InstalledSkin().c_str(), path.c_str(), FALSE))
        return false;
    const HANDLE hUpdate = ::BeginUpdateResourceW(path.c_str(), TRUE);
    if (!hUpdate)
        return false;
    bool bAll = true;
    for (const Picture& picture : pictures) {
        const auto change = changes.find(picture.nID);
        std::string bytes = change != changes.end() ? change->second : PictureBytes(InstalledSkin(), picture.nID);
        if (!bytes.empty())
            bAll = bAll && ::UpdateResourceW(hUpdate, L"PNG", MAKEINTRESOURCEW(picture.nID), picture.wLanguage,
                                             bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    return ::EndUpdateResourceW(hUpdate, !bAll) && bAll;
}

// A PNG file's pixels.
class PngPixels {
public:
    explicit PngPixels(const std::wstring& path)
    {
        Gdiplus::Bitmap picture(path.c_str());
        if (picture.GetLastStatus() != Gdiplus::Ok)
            return;
        m_nWidth = static_cast<int>(picture.GetWidth());
        m_nHeight = static_cast<int>(picture.GetHeight());
        const Gdiplus::Rect whole(0, 0, m_nWidth, m_nHeight);
        Gdiplus::BitmapData data{};
        if (picture.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) != Gdiplus::Ok)
            return;
        m_pixels.resize(static_cast<size_t>(m_nWidth) * m_nHeight);
        for (int y = 0; y < m_nHeight; ++y) {
            const auto* pRow = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
            std::copy(pRow, pRow + m_nWidth, m_pixels.begin() + static_cast<size_t>(y) * m_nWidth);
        }
        picture.UnlockBits(&data);
    }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    COLORREF At(int x, int y) const
    {
        const DWORD bgra = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<DWORD> m_pixels;
};

// The pixels of the menu on the screen that differ from the sheet's cell, with the first few named.
struct Difference {
    int nPixels = 0;
    std::string firstFew;
};

Difference Compare(const driver::ScreenShot& screen, const RECT& menu, const PngPixels& sheet, const RECT& cell)
{
    Difference difference;
    for (int y = 0; y < menu.bottom - menu.top; ++y) {
        for (int x = 0; x < menu.right - menu.left; ++x) {
            const COLORREF shown = screen.At(menu.left + x, menu.top + y);
            const COLORREF drawn = sheet.At(cell.left + x, cell.top + y);
            if (shown == drawn)
                continue;
            if (++difference.nPixels <= 5) {
                char szLine[96] = {};
                std::snprintf(szLine, sizeof(szLine), " (%d, %d): screen #%02X%02X%02X, sheet #%02X%02X%02X;", x, y,
                              GetRValue(shown), GetGValue(shown), GetBValue(shown), GetRValue(drawn), GetGValue(drawn),
                              GetBValue(drawn));
                difference.firstFew += szLine;
            }
        }
    }
    return difference;
}

class SkinSheetRun : public testing::Test {
protected:
    void TearDown() override
    {
        SetStatusWord(nullptr);
        SetDisplayValue(nullptr);
    }
    const fw::gdiplus_session gdiplus;
    const ScratchFolder folder{L"corvale-skinsheet"};
};

} // namespace

// The screen shows the menu's pixels as Popbar paints them: Xvfb has no compositor, so the window's
// 85 % opacity (checked through the platform's API in PopbarMenu) blends nothing into them, and the
// sheet draws the menu opaque, as painted. Both come from the same painting code over the same
// pictures, so the comparison asks for every pixel to be equal: a difference means the sheet does
// not show what Popbar shows.
TEST_F(SkinSheetRun, TheDefaultSkinPassesAndItsSheetShowsTheMenuPopbarShows)
{
    const std::wstring sheet = folder / L"default.png";
    const driver::FinishedRun run = RunSkinSheet(InstalledSkin(), sheet);
    ASSERT_EQ(run.exitCode, std::optional<DWORD>(kComplete)) << run.output;
    EXPECT_NE(run.output.find("The skin shows a complete menu"), std::string::npos) << run.output;
    const PngPixels pixels(sheet);
    const RECT cell = SheetGeometry(kMenuSize, {}, {}, 1).MenuCell(0);
    ASSERT_GE(pixels.Width(), cell.right);
    ASSERT_GE(pixels.Height(), cell.bottom);

    // The state of the sheet's first whole-menu cell, on a Popbar without Screen Hub, so nobody
    // answers its resolution query: the pair stays available, as on the sheet.
    const DWORD status = kSheetMenuStatus;
    const DWORD display = kDisplayCells[0].nDisplay;
    SetStatusWord(&status);
    SetDisplayValue(&display);
    // Away from the top-right corner where the menu opens: no button may show its hover face.
    ASSERT_TRUE(driver::MovePointer({5, 5}));
    PopbarProcess popbar;
    ASSERT_TRUE(popbar.Start(PopbarWithoutScreenHub()));
    ASSERT_TRUE(popbar.SendMenuKey());
    const RECT menu = popbar.MenuRect();
    ASSERT_EQ(menu.right - menu.left, kMenuSize.cx);

    Difference difference;
    const bool bSame = driver::WaitUntil(
        [&] {
            driver::SettleMenu(popbar.Menu());
            difference = Compare(driver::ScreenShot(menu), menu, pixels, cell);
            return difference.nPixels == 0;
        },
        10000);
    EXPECT_TRUE(bSame) << difference.nPixels << " pixels differ:" << difference.firstFew;
}

TEST_F(SkinSheetRun, SkinsBrokenFromTheDefaultOneFailWithEachProblemNamed)
{
    const std::string wide = PictureBytes(InstalledSkin(), 2159); // a 202 x 30 display-mode face
    ASSERT_FALSE(wide.empty());
    const struct {
        const wchar_t* pszName;
        std::map<WORD, std::string> changes;
        const char* pszLine;
    } cases[] = {
        {L"missing", {{2107, ""}},
         "  2107 (lit face of screen OFF, Bluetooth OFF, wireless OFF, wired LAN OFF): missing from the library\n"},
        {L"corrupt", {{2162, "not a picture at all"}},
         "  2162 (lit face of battery): present, but not a picture that decodes (empty or corrupt PNG)\n"},
        {L"wrong-size", {{2107, wide}},
         "  2107 (lit face of screen OFF, Bluetooth OFF, wireless OFF, wired LAN OFF): the screen OFF button at (332, "
         "91)-(534, 121) reaches past the 340 x 335 background\n"},
    };
    for (const auto& c : cases) {
        const std::wstring skin = folder / (std::wstring(c.pszName) + L".dll");
        const std::wstring sheet = folder / (std::wstring(c.pszName) + L".png");
        ASSERT_TRUE(WriteChangedSkin(skin, c.changes)) << c.pszName;
        for (const auto& change : c.changes)
            ASSERT_EQ(PictureBytes(skin, change.first), change.second) << c.pszName;
        const driver::FinishedRun run = RunSkinSheet(skin, sheet);
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(kIncomplete)) << run.output;
        EXPECT_NE(run.output.find(c.pszLine), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("The skin would not show a complete menu"), std::string::npos) << run.output;
        EXPECT_TRUE(Exists(sheet)) << "the sheet shows what Popbar would show; " << run.output;
    }
}

TEST_F(SkinSheetRun, BadInputEndsWithAMessageAndLeavesNoSheetBehind)
{
    const std::wstring notADll = folder / L"resource.dll";
    {
        const fw::unique_file file(::CreateFileW(notADll.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD nWritten = 0;
        ASSERT_TRUE(file && ::WriteFile(file.get(), "plain text", 10, &nWritten, nullptr));
    }
    const std::wstring nowhere = folder / L"no-such-folder";
    const struct {
        std::wstring skin, sheet;
        std::string message;
    } cases[] = {
        {nowhere + L"\\resource.dll", folder / L"a.png", " does not exist"},
        {notADll, folder / L"b.png", " is not a DLL"},
        {folder.Path(), folder / L"c.png", " is a folder, not a skin library"},
        {InstalledSkin(), nowhere + L"\\d.png", " cannot be written: "},
        {InstalledSkin(), folder.Path(), " is a folder"},
    };
    for (const auto& c : cases) {
        const driver::FinishedRun run = RunSkinSheet(c.skin, c.sheet);
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(kNoSheet)) << run.output;
        EXPECT_NE(run.output.find("SkinSheet: "), std::string::npos) << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
    std::vector<std::wstring> left = FilesIn(folder.Path());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, std::vector<std::wstring>{L"resource.dll"}) << left.size() << " files";

    const driver::FinishedRun bare = driver::RunToEnd(driver::ToolPath(L"SkinSheet.exe"), L"");
    EXPECT_EQ(bare.exitCode, std::optional<DWORD>(kNoSheet));
    EXPECT_EQ(bare.output.rfind("usage: SkinSheet.exe SKIN.dll SHEET.png", 0), 0u) << bare.output;
}
