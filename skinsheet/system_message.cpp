#include "system_message.h"

#include "handles.h"
#include "utf8.h"

std::string SystemMessage(DWORD nError)
{
    wchar_t* pszText = nullptr;
    const DWORD nChars = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, nError, 0,
        reinterpret_cast<wchar_t*>(&pszText), 0, nullptr);
    const fw::unique_hlocal owner(pszText);
    std::wstring words = nChars ? std::wstring(pszText, nChars) : std::wstring();
    // The message ends in a full stop and a line end.
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L' ' || words.back() == L'.'))
        words.pop_back();
    const std::string number = "error " + std::to_string(nError);
    return words.empty() ? number : fw::Utf8(words) + " (" + number + ")";
}
