// The dial-keyboard key's presses while a toggle runs: they wait and run after it, in order; a few may.
#include "peers/dial_key_queue.h"

#include <gtest/gtest.h>

namespace {

DialKeyPress Press(DWORD nScanCode)
{
    return {nScanCode, LLKHF_EXTENDED | LLKHF_UP};
}

} // namespace

TEST(DialKeyQueue, PressesDuringAToggleRunAfterItInOrderAndOnlyFourWait)
{
    DialKeyQueue queue;
    EXPECT_EQ(queue.Press(Press(1)), DialKeyQueue::Outcome::RunNow);
    for (DWORD n = 2; n <= 5; ++n)
        EXPECT_EQ(queue.Press(Press(n)), DialKeyQueue::Outcome::Waits) << n;
    EXPECT_EQ(queue.Press(Press(6)), DialKeyQueue::Outcome::Dropped);
    EXPECT_EQ(queue.Waiting(), 4u);

    // Each toggle's end hands over the next press, which then counts as running.
    for (DWORD n = 2; n <= 5; ++n) {
        const auto next = queue.Done();
        ASSERT_TRUE(next);
        EXPECT_EQ(next->nScanCode, n);
        EXPECT_EQ(next->nFlags, DWORD{LLKHF_EXTENDED | LLKHF_UP});
        EXPECT_TRUE(queue.IsRunning());
    }
    EXPECT_EQ(queue.Press(Press(7)), DialKeyQueue::Outcome::Waits) << "room again once one has run";
    EXPECT_EQ(queue.Done()->nScanCode, 7u);
    EXPECT_FALSE(queue.Done());
    EXPECT_FALSE(queue.IsRunning());
    EXPECT_EQ(queue.Press(Press(8)), DialKeyQueue::Outcome::RunNow) << "nothing runs: at once";
}

TEST(DialKeyQueue, AToggleThatNeverStartedEndsLikeOneThatRan)
{
    DialKeyQueue queue;
    ASSERT_EQ(queue.Press(Press(1)), DialKeyQueue::Outcome::RunNow);
    EXPECT_FALSE(queue.Done()) << "its start failed, and nothing waited";
    EXPECT_EQ(queue.Press(Press(2)), DialKeyQueue::Outcome::RunNow) << "so the key is not muted";
}
