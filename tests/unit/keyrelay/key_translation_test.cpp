// Which keyboard events KeyRelay reports, and as what.
#include "key_translation.h"

#include <gtest/gtest.h>

using namespace keyrelay;

namespace {

constexpr StandInKeys kKeys = {VK_PAUSE, VK_APPS};
// What the laptop's keys carry: their own virtual keys are of no account.
constexpr DWORD kLaptopVk = 0xFF;

} // namespace

TEST(LaptopKeys, ReleasesAndPressesOfBothKeysAreReportedAsTheyAreAndPassedOn)
{
    for (DWORD scan : {kMenuKeyScanCode, kDialKeyScanCode}) {
        for (DWORD flags : {DWORD{LLKHF_EXTENDED}, DWORD{LLKHF_EXTENDED | LLKHF_UP}}) {
            const auto report = TranslateKey(kLaptopVk, scan, flags, kKeys);
            ASSERT_TRUE(report) << std::hex << scan << " " << flags;
            EXPECT_EQ(report->scanCode, scan);
            EXPECT_EQ(report->flags, flags);
            EXPECT_FALSE(report->bSwallow);
        }
    }
}

TEST(LaptopKeys, InjectedEventsAreReportedWithTheirFlagsKept)
{
    const DWORD flags = LLKHF_EXTENDED | LLKHF_INJECTED | LLKHF_UP;
    const auto report = TranslateKey(kLaptopVk, kMenuKeyScanCode, flags, kKeys);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->flags, flags);
}

TEST(LaptopKeys, AreReportedAsThemselvesEvenWhenTheirVirtualKeyIsAStandIn)
{
    const auto report = TranslateKey(VK_APPS, kMenuKeyScanCode, LLKHF_EXTENDED | LLKHF_UP, kKeys);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->scanCode, kMenuKeyScanCode);
    EXPECT_FALSE(report->bSwallow);
}

TEST(LaptopKeys, TheScanCodeIsMatchedOnItsLowByte)
{
    const auto report = TranslateKey(kLaptopVk, 0x100 | kDialKeyScanCode, LLKHF_EXTENDED | LLKHF_UP, kKeys);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->scanCode, 0x100 | kDialKeyScanCode) << "the record is reported as it came";
}

TEST(OtherKeys, SameScanCodesWithoutTheExtendedFlagAndOrdinaryKeysAreNotReported)
{
    // Non-extended 0x54 is SysRq.
    EXPECT_FALSE(TranslateKey(VK_SNAPSHOT, kMenuKeyScanCode, LLKHF_UP, kKeys));
    EXPECT_FALSE(TranslateKey(VK_F24, kDialKeyScanCode, LLKHF_UP, kKeys));
    EXPECT_FALSE(TranslateKey('A', 0x1E, 0, kKeys));
    EXPECT_FALSE(TranslateKey(VK_RIGHT, 0x4D, LLKHF_EXTENDED | LLKHF_UP, kKeys));
    // Num Lock and Pause share scan code 0x45 under Wine; only the virtual key tells them apart.
    EXPECT_FALSE(TranslateKey(VK_NUMLOCK, 0x45, LLKHF_EXTENDED, kKeys));
}

TEST(StandInKeys, MenuStandInIsReportedAsTheExtendedMenuKeyAndSwallowed)
{
    const auto press = TranslateKey(VK_PAUSE, 0x45, 0, kKeys);
    ASSERT_TRUE(press);
    EXPECT_EQ(press->scanCode, kMenuKeyScanCode);
    EXPECT_EQ(press->flags, DWORD{LLKHF_EXTENDED});
    EXPECT_TRUE(press->bSwallow);

    const auto release = TranslateKey(VK_PAUSE, 0x45, LLKHF_UP, kKeys);
    ASSERT_TRUE(release);
    EXPECT_EQ(release->scanCode, kMenuKeyScanCode);
    EXPECT_EQ(release->flags, DWORD{LLKHF_EXTENDED | LLKHF_UP});
}

TEST(StandInKeys, DialStandInIsReportedAsTheExtendedDialKeyWithOnlyTheFlagsThatKeyHas)
{
    // The stand-in's own flags (injected, alt down) are not the laptop key's.
    const auto release = TranslateKey(VK_APPS, 0x5D, LLKHF_EXTENDED | LLKHF_INJECTED | LLKHF_ALTDOWN | LLKHF_UP, kKeys);
    ASSERT_TRUE(release);
    EXPECT_EQ(release->scanCode, kDialKeyScanCode);
    EXPECT_EQ(release->flags, DWORD{LLKHF_EXTENDED | LLKHF_UP});
    EXPECT_TRUE(release->bSwallow);
}

TEST(StandInKeys, ConfiguredKeysAreTheOnlyOnesAndTheMenuWinsWhenBothAreOneKey)
{
    const StandInKeys f9AndF10 = {VK_F9, VK_F10};
    EXPECT_FALSE(TranslateKey(VK_PAUSE, 0x45, LLKHF_UP, f9AndF10));
    EXPECT_EQ(TranslateKey(VK_F10, 0x44, LLKHF_UP, f9AndF10)->scanCode, kDialKeyScanCode);

    const StandInKeys same = {VK_F9, VK_F9};
    EXPECT_EQ(TranslateKey(VK_F9, 0x43, LLKHF_UP, same)->scanCode, kMenuKeyScanCode);
}

TEST(StandInKeys, WithoutSettingsOnlyTheLaptopsKeysAreReportedAndEveryOtherKeyPassesOn)
{
    const StandInKeys none;
    for (DWORD vk : {DWORD{VK_PAUSE}, DWORD{VK_APPS}, DWORD{0}, DWORD{'A'}})
        for (DWORD flags : {DWORD{0}, DWORD{LLKHF_UP}, DWORD{LLKHF_EXTENDED | LLKHF_UP}})
            EXPECT_FALSE(TranslateKey(vk, 0x45, flags, none)) << vk << " " << flags;
    EXPECT_TRUE(TranslateKey(kLaptopVk, kMenuKeyScanCode, LLKHF_EXTENDED | LLKHF_UP, none));
    EXPECT_TRUE(TranslateKey(kLaptopVk, kDialKeyScanCode, LLKHF_EXTENDED | LLKHF_UP, none));
}

TEST(StandInSettings, OnlyAUsableVirtualKeyIsAStandIn)
{
    EXPECT_EQ(StandInKeyFrom(DWORD{VK_PAUSE}), DWORD{VK_PAUSE});
    EXPECT_EQ(StandInKeyFrom(DWORD{0xFE}), DWORD{0xFE});
    for (std::optional<DWORD> setting : {std::optional<DWORD>{}, std::optional<DWORD>{0}, std::optional<DWORD>{0xFF},
                                          std::optional<DWORD>{0x113}, std::optional<DWORD>{0xFFFFFFFF}})
        EXPECT_EQ(StandInKeyFrom(setting), DWORD{0});
}
