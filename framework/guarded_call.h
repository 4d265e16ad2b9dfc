#pragma once
// The one barrier between our handlers and the system's code that calls them: no exception may
// unwind through a window or dialog procedure, a hook or a callback. One that would is caught here
// and said where a developer looks (the program's own trace where it has one, the debugger's output
// otherwise); the caller then answers as if the handler had not been there.
#include <windows.h>

#include <exception>
#include <string>

namespace fw {

// Where failures the framework cannot hand back are said; OutputDebugStringW until a program names
// its own (Popbar names its debug trace).
using FailureReporter = void (*)(const wchar_t* pszText);
void ReportFailuresTo(FailureReporter reporter);
void ReportFailure(const std::wstring& text);

// The text reported for an exception caught in pszWhere.
std::wstring ExceptionText(const wchar_t* pszWhere, const std::exception* pException);

// The handler's result; when it throws, the exception is reported with pszWhere and the fallback's
// result (which must not throw) is the answer.
template <typename Handler, typename Fallback>
auto GuardedCall(const wchar_t* pszWhere, Handler&& handler, Fallback&& fallback) noexcept -> decltype(handler())
{
    try {
        return handler();
    } catch (const std::exception& e) {
        ReportFailure(ExceptionText(pszWhere, &e));
    } catch (...) {
        ReportFailure(ExceptionText(pszWhere, nullptr));
    }
    return fallback();
}

} // namespace fw
