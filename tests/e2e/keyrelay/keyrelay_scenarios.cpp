// The installed KeyRelay.dll, loaded by the maker's export names and driven by real keyboard events:
// the laptop's keys made with SendInput, the stand-in keys through X as a person presses them.
#include "key_input.h"
#include "key_target.h"
#include "keyrelay_library.h"
#include "report_owner.h"

#include "protocol/keyrelay.h"
#include "registry_values.h"
#include "wait.h"
#include "window_query.h"
#include "x_input.h"

#include <gtest/gtest.h>

using namespace keyrelay_e2e;
using driver::ExtendedScanCode;
using driver::Send;
using driver::Stroke;
using driver::VirtualKey;

namespace {

constexpr DWORD kExtendedUp = LLKHF_EXTENDED | LLKHF_UP;
constexpr char kSettingsKey[] = "Software\\Corvale\\KeyRelay";

// Reports compared by what Popbar reads and what KeyRelay passes in wParam.
struct Seen {
    WPARAM nKeyMessage;
    DWORD scanCode;
    DWORD flags;
    bool operator==(const Seen& other) const
    {
        return nKeyMessage == other.nKeyMessage && scanCode == other.scanCode && flags == other.flags;
    }
};

std::ostream& operator<<(std::ostream& out, const Seen& seen)
{
    return out << std::hex << "{" << seen.nKeyMessage << " scan " << seen.scanCode << " flags " << seen.flags << "}";
}

std::vector<Seen> SeenReports(const CReportOwner& owner)
{
    std::vector<Seen> seen;
    for (const Report& report : owner.Reports())
        seen.push_back({report.nKeyMessage, report.scanCode, report.flags});
    return seen;
}

// The reports of the menu key and then the dial key, each pressed and released by SendInput.
std::vector<Seen> BothLaptopKeysInjected()
{
    const DWORD injected = LLKHF_INJECTED;
    return {{WM_KEYDOWN, kMenuKeyScanCode, LLKHF_EXTENDED | injected},
            {WM_KEYUP, kMenuKeyScanCode, kExtendedUp | injected},
            {WM_KEYDOWN, kDialKeyScanCode, LLKHF_EXTENDED | injected},
            {WM_KEYUP, kDialKeyScanCode, kExtendedUp | injected}};
}

std::vector<INPUT> Keys(std::initializer_list<std::vector<INPUT>> strokes)
{
    std::vector<INPUT> events;
    for (const auto& stroke : strokes)
        events.insert(events.end(), stroke.begin(), stroke.end());
    return events;
}

// Every case starts with no stand-in settings, a registered owner of its own and a foreground window
// that receives the keys passed on; the registration ends with the case.
class KeyRelay : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_library.IsLoaded()) << "KeyRelay.dll with the maker's export names";
        ASSERT_TRUE(m_target.TakeForeground());
    }
    void TearDown() override { m_library.SetUnhook(); }

    bool Register(const CReportOwner& owner) { return m_library.SetHookOwner(owner.Window(), CReportOwner::Message()) == 1; }

    driver::ScopedValue m_menuSetting{HKEY_CURRENT_USER, kSettingsKey, "MenuKey", std::nullopt};
    driver::ScopedValue m_dialSetting{HKEY_CURRENT_USER, kSettingsKey, "DialKey", std::nullopt};
    CKeyRelayLibrary m_library;
    CKeyTarget m_target;
    CReportOwner m_owner;
};

} // namespace

TEST_F(KeyRelay, ResultsOfRegisteringAndReleasingAndTheOwnersMark)
{
    EXPECT_EQ(m_library.SetUnhook(), 0) << "nothing registered";
    EXPECT_EQ(m_library.SetHookOwner(nullptr, CReportOwner::Message()), 0);
    const HWND hWndDesktop = ::GetDesktopWindow();
    ASSERT_NE(driver::WindowProcessId(hWndDesktop), ::GetCurrentProcessId());
    EXPECT_EQ(m_library.SetHookOwner(hWndDesktop, CReportOwner::Message()), 0) << "a window of another process";
    EXPECT_EQ(m_library.SetUnhook(), 0) << "a refused owner is not registered";

    ASSERT_TRUE(Register(m_owner));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(::GetPropW(m_owner.Window(), kKeyRelayOwnerProperty)), CReportOwner::Message());
    EXPECT_EQ(m_library.SetUnhook(), 1);
    EXPECT_EQ(::GetPropW(m_owner.Window(), kKeyRelayOwnerProperty), nullptr);
    EXPECT_EQ(m_library.SetUnhook(), 0) << "released already";
}

TEST_F(KeyRelay, LaptopKeysMadeWithSendInputAreSentToTheOwnerFromAnotherThreadWithTheirRecords)
{
    ASSERT_TRUE(Register(m_owner));
    ASSERT_TRUE(Send(Keys({Stroke(ExtendedScanCode(kMenuKeyScanCode, false)), Stroke(ExtendedScanCode(kDialKeyScanCode, false))})));
    ASSERT_TRUE(m_owner.WaitForReports(4));

    EXPECT_EQ(SeenReports(m_owner), BothLaptopKeysInjected());
    for (const Report& report : m_owner.Reports())
        EXPECT_TRUE(report.bSent) << "sent by a thread other than the owner's, and waited for";
}

TEST_F(KeyRelay, WithoutSettingsOrdinaryKeysPassOnAndOnlyTheLaptopsKeysAreReported)
{
    ASSERT_TRUE(Register(m_owner));
    // A click gives the X keyboard focus to Wine's desktop and the foreground to the target.
    RECT place{};
    ::GetWindowRect(m_target.Window(), &place);
    driver::ClickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    ASSERT_TRUE(m_target.TakeForeground());

    // Pause and the context-menu key as a person presses them: a customer's laptop has no stand-ins.
    // xdotool's exit code does not always come back through Wine; what arrives is checked below.
    driver::PressXKey(L"Pause Menu a");
    ASSERT_TRUE(m_target.WaitForKeyDown('A'));
    EXPECT_TRUE(m_target.HasSeenKeyDown(VK_PAUSE)) << "Pause reaches the program in the foreground";
    EXPECT_TRUE(m_target.HasSeenKeyDown(VK_APPS)) << "so does the context-menu key";
    ASSERT_TRUE(Send(Stroke(ExtendedScanCode(kMenuKeyScanCode, false))));
    ASSERT_TRUE(m_owner.WaitForReports(2));
    EXPECT_EQ(m_owner.Reports()[0].scanCode, DWORD{kMenuKeyScanCode}) << "nothing before the laptop's own key";
}

TEST_F(KeyRelay, StandInsAreTheKeysTheUserSetAndAreSwallowed)
{
    ASSERT_TRUE(driver::WriteDword(HKEY_CURRENT_USER, kSettingsKey, "MenuKey", VK_PAUSE));
    ASSERT_TRUE(driver::WriteDword(HKEY_CURRENT_USER, kSettingsKey, "DialKey", VK_F11));
    ASSERT_TRUE(Register(m_owner));
    RECT place{};
    ::GetWindowRect(m_target.Window(), &place);
    driver::ClickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    ASSERT_TRUE(m_target.TakeForeground());

    driver::PressXKey(L"Pause");
    ASSERT_TRUE(m_owner.WaitForReports(2));
    ASSERT_TRUE(Send(Keys({Stroke(VirtualKey(VK_F11, false)), Stroke(VirtualKey(VK_APPS, false))})));
    ASSERT_TRUE(m_owner.WaitForReports(4));
    ASSERT_TRUE(m_target.WaitForKeyDown(VK_APPS)) << "a key that is no stand-in passes on";

    const std::vector<Seen> expected = {{WM_KEYDOWN, kMenuKeyScanCode, LLKHF_EXTENDED},
                                        {WM_KEYUP, kMenuKeyScanCode, kExtendedUp},
                                        {WM_KEYDOWN, kDialKeyScanCode, LLKHF_EXTENDED},
                                        {WM_KEYUP, kDialKeyScanCode, kExtendedUp}};
    EXPECT_EQ(SeenReports(m_owner), expected) << "Pause, a person's key, then F11, injected: both as the laptop's";
    EXPECT_EQ(m_owner.Reports()[0].vkCode, DWORD{VK_PAUSE});
    EXPECT_FALSE(m_target.HasSeenKeyDown(VK_PAUSE)) << "stand-ins are swallowed";
    EXPECT_FALSE(m_target.HasSeenKeyDown(VK_F11));
}

TEST_F(KeyRelay, WhileTheOwnerIsHeldUpKeysStillReachTheirWindowAndItsReportsFollowInOrder)
{
    ASSERT_TRUE(Register(m_owner));
    // The first report's handler holds its thread up, as Popbar's status query may for 3 s. It waits
    // for a key that needs the keyboard hook to have returned; then it makes more laptop keys, and a
    // key after them that shows they went through the hook while the handler was still at work.
    bool bPassedWhileHeld = false;
    bool bLaterKeysHooked = false;
    ULONGLONG nHeldMs = 0;
    m_owner.OnEachReport([&](const Report&) {
        if (m_owner.Reports().size() != 1)
            return;
        const ULONGLONG start = ::GetTickCount64();
        bPassedWhileHeld = m_target.WaitForKeyDown('B', 3000);
        Send(Keys({Stroke(ExtendedScanCode(kDialKeyScanCode, false)), Stroke(VirtualKey('C', false))}));
        bLaterKeysHooked = m_target.WaitForKeyDown('C', 3000);
        nHeldMs = ::GetTickCount64() - start;
    });
    ASSERT_TRUE(Send(Keys({Stroke(ExtendedScanCode(kMenuKeyScanCode, false)), Stroke(VirtualKey('B', false))})));
    ASSERT_TRUE(m_owner.WaitForReports(4));
    std::printf("owner held up for %llu ms\n", nHeldMs);

    EXPECT_TRUE(bPassedWhileHeld) << "the keyboard hook returned at once; input did not wait for the owner";
    EXPECT_TRUE(bLaterKeysHooked);
    EXPECT_EQ(SeenReports(m_owner), BothLaptopKeysInjected());

    // The hook is still in place afterwards.
    ASSERT_TRUE(Send(Stroke(ExtendedScanCode(kMenuKeyScanCode, false))));
    EXPECT_TRUE(m_owner.WaitForReports(6));
}

TEST_F(KeyRelay, NothingIsReportedAfterUnhookAndAReplacedOwnerGetsNothingMore)
{
    ASSERT_TRUE(Register(m_owner));
    ASSERT_TRUE(Send(Stroke(ExtendedScanCode(kMenuKeyScanCode, false))));
    ASSERT_TRUE(m_owner.WaitForReports(2));
    ASSERT_EQ(m_library.SetUnhook(), 1);

    // Keys made after the release; a later owner's first report shows that they went through the hooks.
    ASSERT_TRUE(Send(Keys({Stroke(ExtendedScanCode(kMenuKeyScanCode, false)), Stroke(VirtualKey('D', false))})));
    ASSERT_TRUE(m_target.WaitForKeyDown('D'));
    CReportOwner later;
    ASSERT_TRUE(Register(later));
    ASSERT_TRUE(Send(Stroke(ExtendedScanCode(kDialKeyScanCode, false))));
    ASSERT_TRUE(later.WaitForReports(2));
    EXPECT_EQ(m_owner.Reports().size(), 2u) << "nothing after KbdHkSetUnhook";
    EXPECT_EQ(later.Reports()[0].scanCode, DWORD{kDialKeyScanCode}) << "nothing from before the registration";

    // Registering another owner replaces this one.
    CReportOwner replacement;
    ASSERT_TRUE(Register(replacement));
    EXPECT_EQ(::GetPropW(later.Window(), kKeyRelayOwnerProperty), nullptr);
    ASSERT_TRUE(Send(Keys({Stroke(ExtendedScanCode(kMenuKeyScanCode, false)), Stroke(ExtendedScanCode(kDialKeyScanCode, false))})));
    ASSERT_TRUE(replacement.WaitForReports(4));
    EXPECT_EQ(later.Reports().size(), 2u) << "the replaced owner gets nothing more";
}

TEST_F(KeyRelay, UnhookFromTheOwnersThreadWhileAReportIsOnItsWayReturnsAndNothingComesAfter)
{
    // The owner's thread is busy, handling no messages, while the keys come; then it releases the
    // library. A report already sent to it is handled inside KbdHkSetUnhook (waiting for the sender
    // without doing so would never end); the queued release is never reported.
    ASSERT_TRUE(Register(m_owner));
    ASSERT_TRUE(Send(Keys({Stroke(ExtendedScanCode(kMenuKeyScanCode, false)), Stroke(VirtualKey('E', false))})));
    ASSERT_TRUE(m_target.WaitForKeyDown('E')) << "both laptop-key events went through the hook";
    ASSERT_TRUE(m_owner.Reports().empty());

    EXPECT_EQ(m_library.SetUnhook(), 1);
    const std::vector<Seen> atMostThePress = {{WM_KEYDOWN, kMenuKeyScanCode, LLKHF_EXTENDED | LLKHF_INJECTED}};
    const std::vector<Seen> handled = SeenReports(m_owner);
    if (!handled.empty()) {
        EXPECT_EQ(handled, atMostThePress);
    }
    std::printf("reports handled inside KbdHkSetUnhook: %u\n", static_cast<unsigned>(handled.size()));
    driver::PumpMessages();
    EXPECT_EQ(SeenReports(m_owner), handled) << "nothing after KbdHkSetUnhook";
}

TEST_F(KeyRelay, UnhookFromInsideAReportsHandlerReturnsAndNothingComesAfter)
{
    // A close request handled while the owner's thread is inside a report's handler: the sender waits
    // for that handler, so the library cannot wait for the sender.
    ASSERT_TRUE(Register(m_owner));
    int nUnhooked = -1;
    ULONGLONG nUnhookMs = 0;
    m_owner.OnEachReport([&](const Report&) {
        if (nUnhooked != -1)
            return;
        const ULONGLONG start = ::GetTickCount64();
        nUnhooked = m_library.SetUnhook();
        nUnhookMs = ::GetTickCount64() - start;
    });
    ASSERT_TRUE(Send(Keys({Stroke(ExtendedScanCode(kMenuKeyScanCode, false)), Stroke(ExtendedScanCode(kDialKeyScanCode, false))})));
    ASSERT_TRUE(m_owner.WaitForReports(1));
    std::printf("KbdHkSetUnhook inside the handler took %llu ms\n", nUnhookMs);
    EXPECT_EQ(nUnhooked, 1);

    ASSERT_TRUE(Send(Keys({Stroke(ExtendedScanCode(kMenuKeyScanCode, false)), Stroke(VirtualKey('F', false))})));
    ASSERT_TRUE(m_target.WaitForKeyDown('F'));
    driver::PumpMessages();
    EXPECT_EQ(m_owner.Reports().size(), 1u) << "nothing after KbdHkSetUnhook";

    // The library works on for a new owner.
    CReportOwner later;
    ASSERT_TRUE(Register(later));
    ASSERT_TRUE(Send(Stroke(ExtendedScanCode(kMenuKeyScanCode, false))));
    EXPECT_TRUE(later.WaitForReports(2));
}
