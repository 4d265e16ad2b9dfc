#include "guarded_call.h"

#include "utf8.h"

namespace fw {

namespace {

void ToDebugger(const wchar_t* pszText)
{
    ::OutputDebugStringW(pszText);
}

FailureReporter s_pfnReporter = &ToDebugger;

} // namespace

void ReportFailuresTo(FailureReporter reporter)
{
    s_pfnReporter = reporter ? reporter : &ToDebugger;
}

void ReportFailure(const std::wstring& text)
{
    s_pfnReporter(text.c_str());
}

std::wstring ExceptionText(const wchar_t* pszWhere, const std::exception* pException)
{
    std::wstring text = L"\nException : ";
    text += pszWhere;
    text += pException ? L": " + Utf16(pException->what()) : std::wstring(L": not a standard exception");
    return text;
}

} // namespace fw
