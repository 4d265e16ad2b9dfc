#include "errors.h"

#include "handles.h"

#include <cstdio>

namespace fw {

namespace {

// The system's message for a code, without its closing full stop and line end; empty when it has none.
std::wstring SystemWords(DWORD nCode)
{
    wchar_t* pszText = nullptr;
    const DWORD nChars = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, nCode, 0,
        reinterpret_cast<wchar_t*>(&pszText), 0, nullptr);
    const unique_hlocal owner(pszText);
    std::wstring words = nChars ? std::wstring(pszText, nChars) : std::wstring();
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L' ' || words.back() == L'.'))
        words.pop_back();
    return words;
}

std::wstring WithNumber(const std::wstring& words, const std::wstring& number)
{
    return words.empty() ? number : words + L" (" + number + L")";
}

} // namespace

HRESULT LastErrorResult(bool bSucceeded)
{
    if (bSucceeded)
        return S_OK;
    const DWORD nError = ::GetLastError();
    return nError == ERROR_SUCCESS ? E_FAIL : HRESULT_FROM_WIN32(nError);
}

std::wstring ErrorText(DWORD nError)
{
    return WithNumber(SystemWords(nError), L"error " + std::to_wstring(nError));
}

std::wstring ResultText(HRESULT hr)
{
    wchar_t number[16];
    std::swprintf(number, 16, L"0x%08lX", static_cast<unsigned long>(hr));
    const DWORD nCode = HRESULT_FACILITY(hr) == FACILITY_WIN32 ? HRESULT_CODE(hr) : static_cast<DWORD>(hr);
    return WithNumber(SystemWords(nCode), number);
}

} // namespace fw
