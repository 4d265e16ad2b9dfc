// The bounded queue between KeyRelay's hook and the thread that sends the reports.
#include "report_queue.h"

#include <gtest/gtest.h>

#include <vector>

using namespace keyrelay;

namespace {

QueuedKey Key(DWORD nTime)
{
    QueuedKey key{WM_KEYUP, {}};
    key.record.time = nTime;
    return key;
}

} // namespace

TEST(ReportQueue, HandsOutRecordsInTheOrderTheyCame)
{
    CReportQueue queue;
    EXPECT_FALSE(queue.Pop());
    for (DWORD n = 1; n <= 3; ++n)
        EXPECT_TRUE(queue.Push(Key(n)));
    for (DWORD n = 1; n <= 3; ++n) {
        const auto key = queue.Pop();
        ASSERT_TRUE(key);
        EXPECT_EQ(key->record.time, n);
        EXPECT_EQ(key->nKeyMessage, WPARAM{WM_KEYUP});
    }
    EXPECT_TRUE(queue.IsEmpty());
}

TEST(ReportQueue, WhenFullTheOldestRecordMakesRoomForTheNewest)
{
    CReportQueue queue;
    const DWORD nCapacity = static_cast<DWORD>(CReportQueue::kCapacity);
    for (DWORD n = 1; n <= nCapacity; ++n)
        ASSERT_TRUE(queue.Push(Key(n)));
    EXPECT_FALSE(queue.Push(Key(nCapacity + 1)));
    EXPECT_FALSE(queue.Push(Key(nCapacity + 2)));

    std::vector<DWORD> times;
    while (const auto key = queue.Pop())
        times.push_back(key->record.time);
    ASSERT_EQ(times.size(), CReportQueue::kCapacity);
    EXPECT_EQ(times.front(), 3u);
    EXPECT_EQ(times.back(), nCapacity + 2);
}

TEST(ReportQueue, ClearDiscardsEverything)
{
    CReportQueue queue;
    queue.Push(Key(1));
    queue.Push(Key(2));
    queue.Clear();
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_FALSE(queue.Pop());
}
