// The application object, the framework's message box and window-class registration.
#include "app.h"
#include "messagebox.h"
#include "windowclass.h"

#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class CCountingApp : public CWinApp {
public:
    int initCalls = 0;
    BOOL InitInstance() override
    {
        ++initCalls;
        m_nExitCode = 3;
        return FALSE;
    }
};

LRESULT CALLBACK FirstProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    return ::DefWindowProcW(h, m, w, l);
}
LRESULT CALLBACK SecondProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    return ::DefWindowProcW(h, m, w, l);
}

} // namespace

TEST(Application, RunCallsStartUpThenReturnsExitInstanceResult)
{
    CCountingApp app;
    EXPECT_EQ(app.Run(::GetModuleHandleW(nullptr)), 3);
    EXPECT_EQ(app.initCalls, 1);
    EXPECT_EQ(GetApp(), &app);
}

TEST(Application, NameIsTheExecutableFileNameWithoutExtension)
{
    CWinApp app;
    EXPECT_STREQ(app.AppName(), L"framework_tests");
    CWinApp named(L"Given");
    EXPECT_STREQ(named.AppName(), L"Given");
}

// (The suite is not named MessageBox: that name is a macro of the platform headers.)
TEST(FrameworkMessageBox, ModalOkBoxWithWarningIconCaptionedWithTheAppName)
{
    CWinApp app;
    int result = 0;
    std::thread shower([&] { result = AppMessageBox("Something went wrong."); });

    const driver::MessageBoxInfo box = driver::WaitForMessageBox(::GetCurrentProcessId());
    if (!box.hWnd) {
        shower.detach();
        FAIL() << "no message box appeared";
    }
    EXPECT_EQ(box.caption, L"framework_tests");
    EXPECT_EQ(box.text, L"Something went wrong.");
    EXPECT_TRUE(box.hasWarningIcon);
    EXPECT_EQ(::GetWindow(box.hWnd, GW_OWNER), nullptr);
    EXPECT_NE(::GetDlgItem(box.hWnd, IDOK), nullptr);
    EXPECT_EQ(::GetDlgItem(box.hWnd, IDCANCEL), nullptr) << "OK is the only button";
    EXPECT_TRUE(driver::PressOk(box.hWnd));
    shower.join();
    EXPECT_EQ(result, IDOK);
}

TEST(FrameworkMessageBox, AnIconGivenReplacesTheWarningIcon)
{
    CWinApp app;
    std::thread shower([] { AppMessageBox(L"Stopped.", MB_ICONERROR); });
    const driver::MessageBoxInfo box = driver::WaitForMessageBox(::GetCurrentProcessId());
    if (!box.hWnd) {
        shower.detach();
        FAIL() << "no message box appeared";
    }
    EXPECT_EQ(box.text, L"Stopped.");
    EXPECT_FALSE(box.hasWarningIcon);
    EXPECT_TRUE(driver::PressOk(box.hWnd));
    shower.join();
}

TEST(WindowClass, RegisteringAnExistingClassKeepsTheFirstRegistration)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = FirstProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CORVALE_TEST_CLASS";
    ASSERT_TRUE(RegisterClassOnce(wc));
    wc.lpfnWndProc = SecondProc;
    EXPECT_TRUE(RegisterClassOnce(wc));

    WNDCLASSW registered{};
    ASSERT_TRUE(::GetClassInfoW(wc.hInstance, wc.lpszClassName, &registered));
    EXPECT_EQ(registered.lpfnWndProc, &FirstProc);
}
