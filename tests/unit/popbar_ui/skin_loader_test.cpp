// Loading the skin library and decoding its PNG resources, against the built resource.dll.
#include "skin/skin_loader.h"
#include "test_skin_ids.h"
#include "ui_fixture.h"

#include <memory>

namespace {

using popbar_test::Hex;
using popbar_test::PixelCanvas;
using popbar_test::Skin;

Gdiplus::Image* const kUntouched = reinterpret_cast<Gdiplus::Image*>(static_cast<INT_PTR>(0x5A5A));

std::unique_ptr<Gdiplus::Image> Load(WORD nID, HMODULE hModule = Skin())
{
    Gdiplus::Image* pImage = nullptr;
    EXPECT_TRUE(LoadPngResource(&pImage, nID, L"PNG", hModule)) << nID;
    return std::unique_ptr<Gdiplus::Image>(pImage);
}

TEST(SkinLibrary, LoadsTheLibraryNamedByString106)
{
    HMODULE hSkin = LoadResourceLibrary(::GetModuleHandleW(nullptr));
    ASSERT_NE(hSkin, nullptr);
    EXPECT_EQ(hSkin, ::GetModuleHandleW(L"resource.dll"));
    ::FreeLibrary(hSkin);
}

TEST(SkinLibrary, ModuleWithoutTheStringGivesNull)
{
    ASSERT_NE(Skin(), nullptr);
    EXPECT_EQ(LoadResourceLibrary(Skin()), nullptr);
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
        Gdiplus::Image* pImage = kUntouched;
        EXPECT_FALSE(LoadPngResource(&pImage, c.nID, c.pszType, c.hModule)) << c.what;
        EXPECT_EQ(pImage, kUntouched) << c.what;
    }
    EXPECT_NE(::FindResourceW(hSelf, MAKEINTRESOURCEW(IDP_EMPTY), L"PNG"), nullptr);
}

TEST(PngResource, ImageStaysDrawableLongAfterTheLoad)
{
    const auto pBackground = Load(2168);
    ASSERT_NE(pBackground, nullptr);
    // Other loads and frees in between must not disturb the memory behind the first image.
    for (int i = 0; i < 20; ++i) {
        Gdiplus::Image* pBad = nullptr;
        LoadPngResource(&pBad, IDP_GARBAGE, L"PNG", ::GetModuleHandleW(nullptr));
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

} // namespace
