// The WM_COPYDATA record of one trace text.
#include "protocol/debug_viewer.h"
#include "trace/trace_record.h"

#include <gtest/gtest.h>

#include <cwchar>

TEST(TraceRecord, CarriesTheTextWithItsTerminatorAndTheByteOrderMarkTag)
{
    const wchar_t text[] = L"abc";
    const COPYDATASTRUCT record = MakeTraceRecord(text);
    EXPECT_EQ(record.dwData, kTraceRecordTag);
    EXPECT_EQ(record.cbData, 8u);
    EXPECT_EQ(record.lpData, text) << "the record points at the caller's text, no copy";
}

TEST(TraceRecord, EmptyTextIsTheTerminatorAlone)
{
    const COPYDATASTRUCT record = MakeTraceRecord(L"");
    EXPECT_EQ(record.cbData, 2u);
    EXPECT_EQ(static_cast<const wchar_t*>(record.lpData)[0], L'\0');
}

TEST(TraceRecord, LongTextCountsEveryCharacter)
{
    wchar_t text[1025];
    std::wmemset(text, L'x', 1024);
    text[1024] = L'\0';
    EXPECT_EQ(MakeTraceRecord(text).cbData, 2050u);
}
