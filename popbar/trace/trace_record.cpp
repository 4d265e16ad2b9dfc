#include "trace_record.h"

#include "protocol/debug_viewer.h"

COPYDATASTRUCT MakeTraceRecord(const wchar_t* pszText)
{
    COPYDATASTRUCT record{};
    record.dwData = kTraceRecordTag;
    // The terminating null character travels with the text.
    record.cbData = static_cast<DWORD>((::lstrlenW(pszText) + 1) * sizeof(wchar_t));
    record.lpData = const_cast<wchar_t*>(pszText);
    return record;
}
