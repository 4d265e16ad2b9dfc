#include "debug_trace.h"

#include "protocol/debug_viewer.h"

#include <cstdarg>

namespace {

// A viewer that stops answering must not freeze the menu: it gets this long per text.
constexpr UINT kViewerTimeoutMs = 200;

// The record points at the text, its terminating null character included: valid while the text lives.
COPYDATASTRUCT TraceRecord(const wchar_t* pszText)
{
    COPYDATASTRUCT record{};
    record.dwData = kTraceRecordTag;
    record.cbData = static_cast<DWORD>((::lstrlenW(pszText) + 1) * sizeof(wchar_t));
    record.lpData = const_cast<wchar_t*>(pszText);
    return record;
}

} // namespace

void DebugTrace(const wchar_t* pszFormat, ...)
{
    wchar_t text[2048];
    va_list args;
    va_start(args, pszFormat);
    ::wvsprintfW(text, pszFormat, args);
    va_end(args);
    DebugOut(text);
}

LRESULT DebugOut(const wchar_t* pszText)
{
    // Looked up afresh each time: the viewer may come and go while Popbar runs.
    const HWND hViewer = ::FindWindowW(kViewerClass, kViewerTitle);
    if (!hViewer)
        return 0;
    COPYDATASTRUCT record = TraceRecord(pszText);
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(hViewer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record), SMTO_ABORTIFHUNG,
                               kViewerTimeoutMs, &result))
        return 0;
    return static_cast<LRESULT>(result);
}
