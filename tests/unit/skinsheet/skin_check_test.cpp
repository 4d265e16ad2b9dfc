// The skin checks over plain facts about pictures, the pictures the menu loads and the report.
#include "check_report.h"
#include "controls/battery_face.h"
#include "menu/menu_layout.h"
#include "picture_roles.h"
#include "skin_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace {

constexpr WORD kOnLit = 2111;
constexpr WORD kOnLitPressed = 2119;
constexpr WORD kOffLit = 2107;
constexpr WORD kDarkerLit = 2134;
constexpr WORD kBatteryLit = 2162;
constexpr WORD kDigit0 = 2200;
constexpr WORD kDigit7 = 2207;

// The default skin as facts: every picture there and decoding, faces 100 x 30 (the display-mode
// faces 202 x 30), glyphs 10 x 16, the background 340 x 335.
SkinPictures DefaultSkin()
{
    SkinPictures pictures;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        for (WORD nID : kButtonTable[nSlot].images)
            pictures[nID] = {true, true, nSlot < kDisplayFaceCount ? 202 : 100, 30};
    }
    for (int nGlyph = 0; nGlyph < kGlyphCount; ++nGlyph)
        pictures[static_cast<WORD>(kDigit0 + nGlyph)] = {true, true, 10, 16};
    pictures[kBackgroundImage] = {true, true, 340, 335};
    return pictures;
}

bool Has(const std::vector<SkinProblem>& problems, const SkinProblem& wanted)
{
    return std::find(problems.begin(), problems.end(), wanted) != problems.end();
}

std::string Listed(const std::vector<SkinProblem>& problems)
{
    return FormatReport(problems);
}

TEST(SkinCheck, TheDefaultSkinHasNoProblem)
{
    EXPECT_EQ(Listed(CheckSkin(DefaultSkin())), Listed({}));
}

TEST(SkinCheck, EachFaultIsNamedByItsPictureAndWhatIsWrong)
{
    using Change = std::function<void(SkinPictures&)>;
    const struct {
        const char* pszFault;
        Change change;
        SkinProblem expected;
        size_t nProblems; // all of them, the expected one among them
    } cases[] = {
        {"missing face", [](SkinPictures& p) { p.erase(kOffLit); }, {kOffLit, "missing from the library"}, 1},
        {"face not in the library", [](SkinPictures& p) { p[kOffLit].bPresent = false; },
         {kOffLit, "missing from the library"}, 1},
        {"corrupt face", [](SkinPictures& p) { p[kBatteryLit] = {true, false, 0, 0}; },
         {kBatteryLit, "present, but not a picture that decodes (empty or corrupt PNG)"}, 1},
        {"missing background", [](SkinPictures& p) { p.erase(kBackgroundImage); },
         {kBackgroundImage, "missing from the library"}, 1},
        {"missing glyph", [](SkinPictures& p) { p.erase(kDigit7); }, {kDigit7, "missing from the library"}, 1},
        // Shared by four buttons, named once.
        {"pressed face of another size", [](SkinPictures& p) { p[kOnLitPressed].nWidth = 120; },
         {kOnLitPressed, "is 120 x 30, but its button is 100 x 30 (its lit face 2111): Popbar stretches it to that size"},
         1},
        // Four OFF buttons past the right edge, and five faces smaller than their lit face.
        {"right button too wide", [](SkinPictures& p) { p[kOffLit].nWidth = 202; },
         {kOffLit, "the screen OFF button at (332, 91)-(534, 121) reaches past the 340 x 335 background"}, 9},
        // Row 1 taller than the grid's rows: it reaches into row 2, and its other faces are smaller.
        {"row too tall", [](SkinPictures& p) { p[kDarkerLit].nHeight = 40; },
         {kOnLit, "the screen ON button at (128, 91)-(228, 121) overlaps the brightness - button at (128, 60)-(228, 100)"},
         6},
        {"background too small", [](SkinPictures& p) { p[kBackgroundImage].nHeight = 300; },
         {kBatteryLit, "the battery button at (128, 296)-(228, 326) reaches past the 340 x 300 background"}, 1},
        {"background larger than the smallest desktop", [](SkinPictures& p) { p[kBackgroundImage] = {true, true, 900, 335}; },
         {kBackgroundImage, "is 900 x 335: opened at the top-right corner of an 800 x 600 desktop, the menu would reach past its edge"},
         1},
        {"glyph of another size", [](SkinPictures& p) { p[kDigit7].nWidth = 12; },
         {kDigit7, "is 12 x 16, but the glyphs share one size, digit 0's 10 x 16: Popbar draws some of them at digit 0's size"},
         1},
        {"glyphs taller than the battery", [](SkinPictures& p) {
             for (WORD nID = kDigit0; nID < kDigit0 + kGlyphCount; ++nID)
                 p[nID].nHeight = 40;
         },
         {kDigit0, "at 0 % it is drawn at (40, -5)-(50, 35), outside the 100 x 30 battery face"}, 1},
    };
    for (const auto& c : cases) {
        SkinPictures pictures = DefaultSkin();
        c.change(pictures);
        const std::vector<SkinProblem> problems = CheckSkin(pictures);
        EXPECT_TRUE(Has(problems, c.expected)) << c.pszFault << ":\n" << Listed(problems);
        EXPECT_EQ(problems.size(), c.nProblems) << c.pszFault << ":\n" << Listed(problems);
    }
}

TEST(SkinCheck, EveryPictureAbsentIsEachNamedOnceAndNothingElseIsClaimed)
{
    const std::vector<SkinProblem> problems = CheckSkin({});
    const std::vector<WORD> ids = PicturesTheMenuLoads();
    ASSERT_EQ(problems.size(), ids.size());
    for (size_t n = 0; n < ids.size(); ++n)
        EXPECT_EQ(problems[n], (SkinProblem{ids[n], "missing from the library"}));
}

TEST(PicturesTheMenuLoads, TheBackgroundThenEveryFaceAndGlyphOnce)
{
    const std::vector<WORD> ids = PicturesTheMenuLoads();
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.front(), kBackgroundImage);
    std::set<WORD> wanted{kBackgroundImage};
    for (const ButtonSlot& slot : kButtonTable) {
        for (int nFace = 0; nFace < 6; ++nFace)
            wanted.insert(FacePicture(slot, static_cast<FaceSlot>(nFace)));
    }
    for (int nGlyph = 0; nGlyph < kGlyphCount; ++nGlyph)
        wanted.insert(static_cast<WORD>(kButtonTable[kBatterySlot].nFirstGlyph + nGlyph));
    EXPECT_EQ(std::set<WORD>(ids.begin(), ids.end()), wanted);
    EXPECT_EQ(ids.size(), wanted.size()) << "each once";
}

TEST(PictureRole, SaysWhatThePictureIsForInADesignersWords)
{
    const struct {
        WORD nID;
        const char* pszRole;
    } cases[] = {
        {kBackgroundImage, "background"},
        {2204, "digit 4"},
        {2210, "percent sign"},
        {kOnLit, "lit face of screen ON, Bluetooth ON, wireless ON, wired LAN ON"},
        {2157, "unlit pressed face of screen OFF, Bluetooth OFF, wireless OFF, wired LAN OFF"},
        {2125, "unlit face of resolution normal"},
        {2159, "lit face of display: laptop only"},
        {2086, "unlit face of battery"},
        {9999, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureRole(c.nID), c.pszRole) << c.nID;
}

TEST(FormatReport, ListsEachProblemWithItsPictureThenTheVerdict)
{
    EXPECT_EQ(FormatReport({{kOffLit, "missing from the library"}, {kDigit7, "is 12 x 16"}}),
              "  2107 (lit face of screen OFF, Bluetooth OFF, wireless OFF, wired LAN OFF): missing from the library\n"
              "  2207 (digit 7): is 12 x 16\n"
              "The skin would not show a complete menu: 2 problems.\n");
    const std::string one = FormatReport({{kOffLit, "missing from the library"}});
    EXPECT_EQ(one.substr(one.rfind('\n', one.size() - 2) + 1), "The skin would not show a complete menu: 1 problem.\n");
    EXPECT_EQ(FormatReport({}), "The skin shows a complete menu: all " + std::to_string(PicturesTheMenuLoads().size()) +
                                    " pictures are there and decode, the buttons fit the background, the battery's "
                                    "digits fit its face.\n");
}

TEST(ButtonTableRows, EachSetOfPicturesOnceWithTheNamesOfEveryButtonShowingIt)
{
    const std::vector<ButtonRow> rows = ButtonTableRows();
    std::set<int> slots;
    for (const ButtonRow& row : rows) {
        slots.insert(row.nSlot);
        for (const ButtonRow& other : rows) {
            if (&other == &row)
                continue;
            EXPECT_FALSE(std::equal(std::begin(kButtonTable[row.nSlot].images), std::end(kButtonTable[row.nSlot].images),
                                    std::begin(kButtonTable[other.nSlot].images)))
                << row.names << " and " << other.names;
        }
    }
    EXPECT_EQ(slots.count(kBatterySlot), 0u) << "the battery has a section of its own";
    // Every other slot is named in the row of its pictures.
    for (int nSlot = 0; nSlot < kBatterySlot; ++nSlot) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const ButtonRow& r) {
            return std::equal(std::begin(kButtonTable[r.nSlot].images), std::end(kButtonTable[r.nSlot].images),
                              std::begin(kButtonTable[nSlot].images));
        });
        ASSERT_NE(row, rows.end()) << nSlot;
        EXPECT_NE(row->names.find(SlotName(nSlot)), std::string::npos) << nSlot;
        EXPECT_NE(std::find(row->slots.begin(), row->slots.end(), nSlot), row->slots.end()) << nSlot;
    }
    EXPECT_EQ(rows[6].names, "screen ON, Bluetooth ON, wireless ON, wired LAN ON");
    EXPECT_EQ(rows[6].slots, (std::vector<int>{6, 10, 12, 14}));
}

} // namespace
