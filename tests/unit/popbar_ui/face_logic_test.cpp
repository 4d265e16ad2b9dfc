// The image button's decisions: which face shows, the battery level and where its glyphs go.
#include "controls/battery_face.h"
#include "controls/button_face.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ButtonFace, LitButtonFollowsTheMouseOnItsLitFaces)
{
    EXPECT_EQ(ChooseFace(true, true, STATE_NORMAL), FaceSlot::OnNormal);
    EXPECT_EQ(ChooseFace(true, true, STATE_PRESSED), FaceSlot::OnPressed);
    EXPECT_EQ(ChooseFace(true, true, STATE_HOVER), FaceSlot::OnHover);
}

TEST(ButtonFace, LitFaceShowsWhateverTheEnabledFlagHolds)
{
    EXPECT_EQ(ChooseFace(true, false, STATE_NORMAL), FaceSlot::OnNormal);
    EXPECT_EQ(ChooseFace(true, false, STATE_PRESSED), FaceSlot::OnPressed);
    EXPECT_EQ(ChooseFace(true, false, STATE_HOVER), FaceSlot::OnHover);
}

TEST(ButtonFace, UnlitEnabledButtonFollowsTheMouseOnItsUnlitFaces)
{
    EXPECT_EQ(ChooseFace(false, true, STATE_NORMAL), FaceSlot::OffNormal);
    EXPECT_EQ(ChooseFace(false, true, STATE_PRESSED), FaceSlot::OffPressed);
    EXPECT_EQ(ChooseFace(false, true, STATE_HOVER), FaceSlot::OffHover);
}

TEST(ButtonFace, UnlitDisabledButtonAlwaysShowsTheUnlitNormalFace)
{
    EXPECT_EQ(ChooseFace(false, false, STATE_NORMAL), FaceSlot::OffNormal);
    EXPECT_EQ(ChooseFace(false, false, STATE_PRESSED), FaceSlot::OffNormal);
    EXPECT_EQ(ChooseFace(false, false, STATE_HOVER), FaceSlot::OffNormal);
}

TEST(ButtonFace, UnknownStateDrawsTheNormalFace)
{
    EXPECT_EQ(ChooseFace(true, true, 7), FaceSlot::OnNormal);
    EXPECT_EQ(ChooseFace(false, true, -1), FaceSlot::OffNormal);
}

DWORD StatusWithLevel(DWORD nLevel, DWORD nOtherBits = 0x10111)
{
    return (nLevel << 20) | nOtherBits;
}

TEST(BatteryLevel, BeforeAnyLevelTheFaceShowsZeroPercent)
{
    const BatteryLevel level;
    EXPECT_EQ(level.nTens, 0);
    EXPECT_EQ(level.nOnes, 0);
    EXPECT_FALSE(level.bFull);
    EXPECT_FALSE(level.bNoLevel);
}

TEST(BatteryLevel, LevelsBelowOneHundredSplitIntoDigits)
{
    const BatteryLevel zero = DecodeBatteryLevel(StatusWithLevel(0), {});
    EXPECT_EQ(zero.nTens, 0);
    EXPECT_EQ(zero.nOnes, 0);
    const BatteryLevel seven = DecodeBatteryLevel(StatusWithLevel(7), {});
    EXPECT_EQ(seven.nTens, 0);
    EXPECT_EQ(seven.nOnes, 7);
    const BatteryLevel fortyTwo = DecodeBatteryLevel(StatusWithLevel(42), {});
    EXPECT_EQ(fortyTwo.nTens, 4);
    EXPECT_EQ(fortyTwo.nOnes, 2);
    EXPECT_FALSE(fortyTwo.bFull);
    EXPECT_FALSE(fortyTwo.bNoLevel);
}

TEST(BatteryLevel, OnlyBitsTwentyToTwentySevenCount)
{
    const BatteryLevel level = DecodeBatteryLevel(0xF0000000u | StatusWithLevel(42, 0xFFFFF), {});
    EXPECT_EQ(level.nTens, 4);
    EXPECT_EQ(level.nOnes, 2);
}

TEST(BatteryLevel, OneHundredIsFullWithZeroDigits)
{
    const BatteryLevel level = DecodeBatteryLevel(StatusWithLevel(100), BatteryLevel{3, 5, false, true});
    EXPECT_TRUE(level.bFull);
    EXPECT_FALSE(level.bNoLevel);
    EXPECT_EQ(level.nTens, 0);
    EXPECT_EQ(level.nOnes, 0);
}

TEST(BatteryLevel, AboveOneHundredMeansNoLevelAndKeepsTheRest)
{
    const BatteryLevel before{3, 5, false, false};
    for (DWORD nLevel : {101u, 150u, 255u}) {
        const BatteryLevel level = DecodeBatteryLevel(StatusWithLevel(nLevel), before);
        EXPECT_TRUE(level.bNoLevel) << nLevel;
        EXPECT_EQ(level.nOnes, 3) << nLevel;
        EXPECT_EQ(level.nTens, 5) << nLevel;
        EXPECT_FALSE(level.bFull) << nLevel;
    }
    const BatteryLevel full = DecodeBatteryLevel(StatusWithLevel(200), BatteryLevel{0, 0, true, false});
    EXPECT_TRUE(full.bFull);
    EXPECT_TRUE(full.bNoLevel);
}

TEST(BatteryLevel, OneHundredAfterNoLevelShowsFullAgain)
{
    BatteryLevel level = DecodeBatteryLevel(StatusWithLevel(255), {});
    level = DecodeBatteryLevel(StatusWithLevel(100), level);
    EXPECT_TRUE(level.bFull);
    EXPECT_FALSE(level.bNoLevel);
    level = DecodeBatteryLevel(StatusWithLevel(9), level);
    EXPECT_FALSE(level.bFull);
    EXPECT_EQ(level.nOnes, 9);
}

// The default skin: a 100 x 30 face and glyphs of 10 x 16.
struct SkinGlyphs {
    GlyphSize sizes[kGlyphCount];
    SkinGlyphs()
    {
        for (GlyphSize& size : sizes)
            size = {10, 16};
    }
};

using Placements = std::vector<GlyphPlacement>;

TEST(BatteryGlyphs, OneDigitEndsAtTheCentreAndThePercentStartsThere)
{
    const SkinGlyphs skin;
    EXPECT_EQ(BatteryGlyphs(100, 30, skin.sizes, DecodeBatteryLevel(StatusWithLevel(0), {})),
              (Placements{{0, 40, 7, 10, 16}, {kPercentGlyph, 50, 7, 10, 16}}));
    EXPECT_EQ(BatteryGlyphs(100, 30, skin.sizes, DecodeBatteryLevel(StatusWithLevel(7), {})),
              (Placements{{7, 40, 7, 10, 16}, {kPercentGlyph, 50, 7, 10, 16}}));
    EXPECT_EQ(BatteryGlyphs(100, 30, skin.sizes, BatteryLevel{}),
              (Placements{{0, 40, 7, 10, 16}, {kPercentGlyph, 50, 7, 10, 16}}));
}

TEST(BatteryGlyphs, TwoDigitsCentreTheOnesDigit)
{
    const SkinGlyphs skin;
    EXPECT_EQ(BatteryGlyphs(100, 30, skin.sizes, DecodeBatteryLevel(StatusWithLevel(42), {})),
              (Placements{{4, 35, 7, 10, 16}, {2, 45, 7, 10, 16}, {kPercentGlyph, 55, 7, 10, 16}}));
}

TEST(BatteryGlyphs, FullShowsTwoZerosMeetingAtTheCentre)
{
    const SkinGlyphs skin;
    EXPECT_EQ(BatteryGlyphs(100, 30, skin.sizes, DecodeBatteryLevel(StatusWithLevel(100), {})),
              (Placements{{1, 30, 7, 10, 16}, {0, 40, 7, 10, 16}, {0, 50, 7, 10, 16}, {kPercentGlyph, 60, 7, 10, 16}}));
}

TEST(BatteryGlyphs, NoLevelDrawsNoGlyphs)
{
    const SkinGlyphs skin;
    EXPECT_TRUE(BatteryGlyphs(100, 30, skin.sizes, DecodeBatteryLevel(StatusWithLevel(101), {})).empty());
    EXPECT_TRUE(BatteryGlyphs(100, 30, skin.sizes, DecodeBatteryLevel(StatusWithLevel(255), {})).empty());
}

// Glyphs of different sizes show which glyph's size each coordinate borrows.
struct MixedGlyphs {
    GlyphSize sizes[kGlyphCount];
    MixedGlyphs()
    {
        for (GlyphSize& size : sizes)
            size = {9, 13};
        sizes[0] = {8, 14};
        sizes[1] = {6, 12};
        sizes[4] = {12, 18};
        sizes[kPercentGlyph] = {11, 15};
    }
};

TEST(BatteryGlyphs, FullUsesTheSizesOfZeroAndOne)
{
    const MixedGlyphs skin;
    EXPECT_EQ(BatteryGlyphs(101, 31, skin.sizes, BatteryLevel{0, 0, true, false}),
              (Placements{{1, 36, 9, 6, 12}, {0, 42, 8, 8, 14}, {0, 50, 8, 8, 14}, {kPercentGlyph, 58, 8, 8, 14}}));
}

TEST(BatteryGlyphs, TwoDigitsBorrowZerosHeightAndOnesSizeForThePercent)
{
    const MixedGlyphs skin;
    EXPECT_EQ(BatteryGlyphs(101, 31, skin.sizes, BatteryLevel{2, 4, false, false}),
              (Placements{{4, 32, 6, 12, 14}, {2, 46, 8, 8, 14}, {kPercentGlyph, 56, 9, 6, 12}}));
}

TEST(BatteryGlyphs, OneDigitUsesZerosSizeAndOnesSizeForThePercent)
{
    const MixedGlyphs skin;
    EXPECT_EQ(BatteryGlyphs(101, 31, skin.sizes, BatteryLevel{7, 0, false, false}),
              (Placements{{7, 42, 8, 8, 14}, {kPercentGlyph, 50, 9, 6, 12}}));
}

TEST(BatteryGlyphs, GlyphsLargerThanTheFaceGoOutsideItRoundingDown)
{
    const SkinGlyphs skin;
    EXPECT_EQ(BatteryGlyphs(15, 9, skin.sizes, BatteryLevel{5, 0, false, false}),
              (Placements{{5, -3, -4, 10, 16}, {kPercentGlyph, 7, -4, 10, 16}}));
}

TEST(BatteryGlyphs, MissingGlyphPicturesGiveEmptyRectangles)
{
    const GlyphSize none[kGlyphCount] = {};
    EXPECT_EQ(BatteryGlyphs(100, 30, none, BatteryLevel{2, 4, false, false}),
              (Placements{{4, 50, 15, 0, 0}, {2, 50, 15, 0, 0}, {kPercentGlyph, 50, 15, 0, 0}}));
}

TEST(BatteryGlyphs, DigitsOutOfRangeDrawNothing)
{
    const SkinGlyphs skin;
    EXPECT_TRUE(BatteryGlyphs(100, 30, skin.sizes, BatteryLevel{12, 0, false, false}).empty());
    EXPECT_TRUE(BatteryGlyphs(100, 30, skin.sizes, BatteryLevel{0, -1, false, false}).empty());
}

} // namespace
