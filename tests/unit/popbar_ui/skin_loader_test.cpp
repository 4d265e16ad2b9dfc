// Loading the skin library and decoding its PNG resources, against the built resource.dll.
#include "menu/menu_layout.h"
#include "skin/skin_loader.h"
#include "test_skin_ids.h"
#include "ui_fixture.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace {

using popbar_test::Hex;
using popbar_test::PixelCanvas;
using popbar_test::Skin;

fw::gdiplus_ptr<Gdiplus::Image> Load(WORD nID, HMODULE hModule = Skin())
{
    fw::gdiplus_ptr<Gdiplus::Image> pImage;
    EXPECT_TRUE(LoadPngResource(pImage, nID, L"PNG", hModule)) << nID;
    return pImage;
}

// An image that a failed load must leave as it was.
fw::gdiplus_ptr<Gdiplus::Image> Untouched()
{
    return fw::make_gdiplus<Gdiplus::Bitmap>(1, 1, PixelFormat32bppARGB);
}

// The library beside this test program, named by its string 106, its pictures read as data.
TEST(SkinLibrary, LoadsTheLibraryNamedByString106AndGivesNothingWithoutIt)
{
    const fw::unique_hmodule skin = LoadResourceLibrary(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(skin);
    fw::gdiplus_ptr<Gdiplus::Image> pBackground;
    EXPECT_TRUE(LoadPngResource(pBackground, kBackgroundImage, L"PNG", skin.get()));
    ASSERT_NE(Skin(), nullptr);
    EXPECT_FALSE(LoadResourceLibrary(Skin())) << "the skin itself has no string 106";
}

// Popbar's own folder first, then the system folder; the current folder and the PATH never.
TEST(SkinLibrary, IsLookedForInTheProgramsFolderThenTheSystemFolder)
{
    const std::wstring own = L"C:\\Program Files\\CORVALE\\Popbar";
    const std::wstring system = L"C:\\windows\\system32";
    const struct {
        std::vector<std::wstring> folders;
        std::vector<std::wstring> files;
        std::optional<std::wstring> found;
    } cases[] = {
        {{own, system}, {own + L"\\resource.dll"}, own + L"\\resource.dll"},
        {{own, system}, {system + L"\\resource.dll"}, system + L"\\resource.dll"},
        {{own, system}, {system + L"\\resource.dll", own + L"\\resource.dll"}, own + L"\\resource.dll"},
        {{own, system}, {L"C:\\current\\resource.dll", own + L"\\other.dll"}, std::nullopt},
        {{L"", system}, {L"\\resource.dll", system + L"\\resource.dll"}, system + L"\\resource.dll"},
        {{}, {L"\\resource.dll"}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto exists = [&](const std::wstring& path) {
            return std::find(c.files.begin(), c.files.end(), path) != c.files.end();
        };
        EXPECT_EQ(FindSkinLibrary(L"resource.dll", c.folders, exists), c.found) << c.files.size();
    }
}

TEST(PngResource, BackgroundDecodesAtItsRealSize)
{
    const auto pImage = Load(2168);
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(pImage->GetWidth(), 340u);
    EXPECT_EQ(pImage->GetHeight(), 335u);
}

TEST(PngResource, ButtonAndGlyphSizesComeFromThePictures)
{
    EXPECT_EQ(Load(2159)->GetWidth(), 202u);
    EXPECT_EQ(Load(2134)->GetHeight(), 30u);
    const auto pGlyph = Load(2210);
    EXPECT_EQ(pGlyph->GetWidth(), 10u);
    EXPECT_EQ(pGlyph->GetHeight(), 16u);
}

TEST(PngResource, FailuresLeaveTheOutputUntouched)
{
    struct Case {
        const char* what;
        WORD nID;
        const wchar_t* pszType;
        HMODULE hModule;
    };
    const HMODULE hSelf = ::GetModuleHandleW(nullptr);
    for (const Case& c : {Case{"another type name", 2168, L"IMAGE", Skin()},
                          Case{"id not in the library", 2999, L"PNG", Skin()},
                          Case{"resource of size 0", IDP_EMPTY, L"PNG", hSelf},
                          Case{"undecodable bytes", IDP_GARBAGE, L"PNG", hSelf}}) {
        fw::gdiplus_ptr<Gdiplus::Image> pImage = Untouched();
        const Gdiplus::Image* pBefore = pImage.get();
        EXPECT_FALSE(LoadPngResource(pImage, c.nID, c.pszType, c.hModule)) << c.what;
        EXPECT_EQ(pImage.get(), pBefore) << c.what;
    }
    EXPECT_NE(::FindResourceW(hSelf, MAKEINTRESOURCEW(IDP_EMPTY), L"PNG"), nullptr);
}

TEST(PngResource, ImageStaysDrawableLongAfterTheLoad)
{
    const auto pBackground = Load(2168);
    ASSERT_NE(pBackground, nullptr);
    // Other loads and frees in between must not disturb the memory behind the first image.
    for (int i = 0; i < 20; ++i) {
        fw::gdiplus_ptr<Gdiplus::Image> pBad;
        EXPECT_FALSE(LoadPngResource(pBad, IDP_GARBAGE, L"PNG", ::GetModuleHandleW(nullptr)));
        Load(2200 + i % 11);
    }
    PixelCanvas canvas(340, 335);
    Gdiplus::Graphics graphics(canvas.dc());
    ASSERT_EQ(graphics.DrawImage(pBackground.get(), 0, 0, 340, 335), Gdiplus::Ok);
    EXPECT_EQ(canvas.At(170, 0), Hex(0x343C4C));
    EXPECT_EQ(canvas.At(0, 167), Hex(0x343C4C));
    EXPECT_EQ(pBackground->GetWidth(), 340u);
}

TEST(PngResource, SameIdTwiceGivesIndependentImages)
{
    auto pFirst = Load(2111);
    const auto pSecond = Load(2111);
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_NE(pFirst.get(), pSecond.get());
    pFirst.reset();
    PixelCanvas canvas(100, 30);
    Gdiplus::Graphics graphics(canvas.dc());
    ASSERT_EQ(graphics.DrawImage(pSecond.get(), 0, 0, 100, 30), Gdiplus::Ok);
    EXPECT_EQ(canvas.At(5, 5), Hex(0x2F7DE1));
}

fw::gdiplus_ptr<Gdiplus::Image> LoadForDrawing(WORD nID)
{
    fw::gdiplus_ptr<Gdiplus::Image> pImage;
    EXPECT_TRUE(LoadPngResourceForDrawing(pImage, nID, L"PNG", Skin())) << nID;
    return pImage;
}

// Each pixel of a w x h picture drawn onto a canvas of that size.
std::vector<COLORREF> Drawn(Gdiplus::Image* pImage, int w, int h)
{
    PixelCanvas canvas(w, h);
    Gdiplus::Graphics graphics(canvas.dc());
    EXPECT_EQ(graphics.DrawImage(pImage, 0, 0, w, h), Gdiplus::Ok);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}

// An opaque face is kept without alpha, a picture with clear pixels premultiplied; both draw exactly
// the pixels of the decoded PNG.
TEST(PngResourceForDrawing, KeepsTheFormThatDrawsAsItStandsAndTheSamePixels)
{
    struct Case {
        WORD nID;
        int w, h;
        Gdiplus::PixelFormat format;
    };
    for (const Case& c : {Case{2111, 100, 30, PixelFormat32bppRGB}, Case{2162, 100, 30, PixelFormat32bppRGB},
                          Case{2168, 340, 335, PixelFormat32bppPARGB},
                          Case{2205, 10, 16, PixelFormat32bppPARGB}}) {
        const auto pDecoded = Load(c.nID);
        const auto pForDrawing = LoadForDrawing(c.nID);
        ASSERT_NE(pForDrawing, nullptr) << c.nID;
        EXPECT_EQ(pForDrawing->GetPixelFormat(), c.format) << c.nID;
        EXPECT_EQ(pForDrawing->GetWidth(), static_cast<UINT>(c.w)) << c.nID;
        EXPECT_EQ(pForDrawing->GetHeight(), static_cast<UINT>(c.h)) << c.nID;
        EXPECT_EQ(Drawn(pForDrawing.get(), c.w, c.h), Drawn(pDecoded.get(), c.w, c.h)) << c.nID;
    }
}

TEST(PngResourceForDrawing, FailuresLeaveTheOutputUntouched)
{
    const HMODULE hSelf = ::GetModuleHandleW(nullptr);
    for (WORD nID : {static_cast<WORD>(IDP_EMPTY), static_cast<WORD>(IDP_GARBAGE), static_cast<WORD>(2999)}) {
        fw::gdiplus_ptr<Gdiplus::Image> pImage = Untouched();
        const Gdiplus::Image* pBefore = pImage.get();
        EXPECT_FALSE(LoadPngResourceForDrawing(pImage, nID, L"PNG", nID == 2999 ? Skin() : hSelf)) << nID;
        EXPECT_EQ(pImage.get(), pBefore) << nID;
    }
}

} // namespace
