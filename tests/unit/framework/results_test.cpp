// The framework's error vocabulary, its one barrier for exceptions, and the binding of plain windows.
#include "errors.h"
#include "guarded_call.h"
#include "program_path.h"
#include "window_binding.h"
#include "windowclass.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT WM_THROW = WM_APP + 20;

class CThrowingWindow {
public:
    std::vector<UINT> seen;
    LRESULT OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        seen.push_back(message);
        if (message == WM_THROW)
            throw std::logic_error("thrown on purpose");
        if (message == WM_GETTEXTLENGTH)
            return 42;
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
};

std::vector<std::wstring> s_reports;

} // namespace

TEST(Results, SayTheSystemsWordsWithTheNumber)
{
    // A Win32 error inside an HRESULT has the system's words; other codes have them on Windows, not
    // all under Wine: then the number stands alone.
    EXPECT_EQ(fw::ResultText(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)),
              fw::ErrorText(ERROR_ACCESS_DENIED).substr(0, fw::ErrorText(ERROR_ACCESS_DENIED).find(L" (error")) +
                  L" (0x80070005)");
    const std::wstring noInterface = fw::ResultText(E_NOINTERFACE);
    EXPECT_TRUE(noInterface == L"0x80004002" ||
                (noInterface.size() > 13 && noInterface.substr(noInterface.size() - 13) == L" (0x80004002)"))
        << noInterface;
    const std::wstring denied = fw::ErrorText(ERROR_ACCESS_DENIED);
    EXPECT_GT(denied.size(), 10u) << denied;
    EXPECT_EQ(denied.substr(denied.size() - 10), L" (error 5)") << denied;
    EXPECT_NE(denied[denied.size() - 11], L'.') << "the words lose their full stop: " << denied;
    EXPECT_EQ(fw::ErrorText(0x2FFFFFFF), L"error 805306367") << "no words: the number alone";

    ::SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(fw::LastErrorResult(true), S_OK);
    EXPECT_EQ(fw::LastErrorResult(false), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    ::SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(fw::LastErrorResult(false), E_FAIL) << "a failure that left no reason is still a failure";
}

TEST(Results, OwnProgramPathIsThisProgram)
{
    const std::wstring path = fw::OwnProgramPath();
    EXPECT_EQ(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << path;
    EXPECT_EQ(path.substr(path.find_last_of(L'\\') + 1), L"framework_tests.exe");
    EXPECT_EQ(fw::OwnProgramFolder() + L"\\framework_tests.exe", path);
    EXPECT_EQ(fw::OwnProgramPathAnsi().size(), path.size());
}

TEST(WindowBinding, TheWindowNamesItsObjectWhileItLivesAndAThrowingHandlerIsSaid)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &fw::BoundWindowProc<CThrowingWindow>;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvaleBoundTest";
    RegisterClassOnce(wc);
    CThrowingWindow object;
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                                  &object);
    ASSERT_TRUE(hWnd);
    EXPECT_EQ(object.seen.front(), static_cast<UINT>(WM_NCCREATE)) << "bound from its first own message";
    EXPECT_EQ(fw::BoundObject<CThrowingWindow>(hWnd), &object);
    EXPECT_EQ(fw::BoundObject<CThrowingWindow>(::GetDesktopWindow()), nullptr) << "a window of another procedure";
    EXPECT_EQ(::SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0), 42);

    s_reports.clear();
    fw::ReportFailuresTo([](const wchar_t* pszText) { s_reports.push_back(pszText); });
    EXPECT_EQ(::SendMessageW(hWnd, WM_THROW, 0, 0), 0) << "the default window procedure's answer";
    fw::ReportFailuresTo(nullptr);
    EXPECT_EQ(s_reports, (std::vector<std::wstring>{L"\nException : window procedure: thrown on purpose"}));

    ::DestroyWindow(hWnd);
    EXPECT_EQ(object.seen.back(), static_cast<UINT>(WM_NCDESTROY)) << "its last message";
    EXPECT_EQ(fw::BoundObject<CThrowingWindow>(hWnd), nullptr) << "a window gone names nothing";
}
