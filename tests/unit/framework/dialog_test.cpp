// The framework's dialog: modal loop, first look for PreTranslateMessage, dialog keys, message map.
#include "dialog.h"
#include "test_ids.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT WM_PING = WM_APP + 10;
constexpr UINT WM_FINISH = WM_APP + 11;
constexpr UINT WM_SWALLOWED = WM_APP + 12;

class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(IDD_TEST) {}

    std::function<void(CTestDlg&)> onInit;
    std::function<void(CTestDlg&)> onFinish;
    std::vector<MSG> preTranslated;
    std::vector<std::string> events;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (onInit)
            onInit(*this);
        return TRUE;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        preTranslated.push_back(*pMsg);
        if (pMsg->message == WM_SWALLOWED)
            return TRUE;
        return CDialog::PreTranslateMessage(pMsg);
    }

    HWND Edit() const { return ::GetDlgItem(m_hWnd, IDC_EDIT); }
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, HWND hWnd = nullptr)
    {
        ::PostMessageW(hWnd ? hWnd : m_hWnd, message, wParam, lParam);
    }

protected:
    void OnOK() override
    {
        events.push_back("OnOK");
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        events.push_back("OnCancel");
        CDialog::OnCancel();
    }
    LRESULT OnPing(WPARAM wParam, LPARAM)
    {
        events.push_back("ping " + std::to_string(wParam));
        return 7;
    }
    LRESULT OnSwallowed(WPARAM, LPARAM)
    {
        events.push_back("swallowed message dispatched");
        return 0;
    }
    LRESULT OnFinish(WPARAM wParam, LPARAM)
    {
        if (onFinish)
            onFinish(*this);
        EndDialog(static_cast<INT_PTR>(wParam));
        return 0;
    }
    void OnApply() { events.push_back("apply"); }

    const MessageMap& GetMessageMap() const override
    {
        static const MessageMapEntry entries[] = {
            Message(WM_PING, &CTestDlg::OnPing),
            Message(WM_SWALLOWED, &CTestDlg::OnSwallowed),
            Message(WM_FINISH, &CTestDlg::OnFinish),
            Command(IDC_APPLY, &CTestDlg::OnApply),
        };
        static const MessageMap map = MapOf(entries);
        return map;
    }
};

bool SawFirst(const CTestDlg& dlg, UINT message, HWND hWnd)
{
    for (const MSG& msg : dlg.preTranslated)
        if (msg.message == message && msg.hwnd == hWnd)
            return true;
    return false;
}

} // namespace

TEST(Dialog, ModalRunReturnsTheResultGivenToEndDialog)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) { d.Post(WM_FINISH, 42); };
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the window is destroyed when the run ends";
}

TEST(Dialog, EndDialogDuringInitialisationEndsTheRunAtOnce)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) { d.EndDialog(5); };
    EXPECT_EQ(dlg.DoModal(), 5);
}

TEST(Dialog, PreTranslateMessageSeesChildMessagesBeforeTheChild)
{
    CTestDlg dlg;
    HWND hEdit = nullptr;
    std::wstring textAtEnd;
    dlg.onInit = [&](CTestDlg& d) {
        hEdit = d.Edit();
        d.Post(WM_CHAR, L'x', 0, hEdit);
        d.Post(WM_FINISH, IDOK);
    };
    dlg.onFinish = [&](CTestDlg& d) {
        wchar_t text[16] = {};
        ::GetWindowTextW(d.Edit(), text, 16);
        textAtEnd = text;
    };
    dlg.DoModal();
    EXPECT_TRUE(SawFirst(dlg, WM_CHAR, hEdit));
    EXPECT_EQ(textAtEnd, L"x") << "a message not consumed goes on to the child";
}

TEST(Dialog, ConsumedMessageIsNotDispatched)
{
    CTestDlg dlg;
    HWND hDlg = nullptr;
    dlg.onInit = [&](CTestDlg& d) {
        hDlg = d.m_hWnd;
        d.Post(WM_SWALLOWED);
        d.Post(WM_PING, 3);
        d.Post(WM_FINISH, IDOK);
    };
    dlg.DoModal();
    EXPECT_TRUE(SawFirst(dlg, WM_SWALLOWED, hDlg));
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"ping 3"}));
}

TEST(Dialog, EscapeReachesOnCancelAndEnterReachesOnOK)
{
    CTestDlg escape;
    escape.onInit = [](CTestDlg& d) { d.Post(WM_KEYDOWN, VK_ESCAPE, 0, d.Edit()); };
    EXPECT_EQ(escape.DoModal(), IDCANCEL);
    EXPECT_EQ(escape.events, (std::vector<std::string>{"OnCancel"}));

    CTestDlg enter;
    enter.onInit = [](CTestDlg& d) { d.Post(WM_KEYDOWN, VK_RETURN, 0, d.Edit()); };
    EXPECT_EQ(enter.DoModal(), IDOK);
    EXPECT_EQ(enter.events, (std::vector<std::string>{"OnOK"}));
}

TEST(Dialog, CloseRequestEndsTheDialogAsCancelled)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) { d.Post(WM_CLOSE); };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"OnCancel"}));
}

TEST(Dialog, MessageMapRoutesMessagesAndCommandIds)
{
    CTestDlg dlg;
    LRESULT pingResult = 0;
    dlg.onInit = [&](CTestDlg& d) {
        pingResult = ::SendMessageW(d.m_hWnd, WM_PING, 9, 0);
        d.Post(WM_COMMAND, IDC_APPLY);
        // A notification code in the high word is not the command.
        d.Post(WM_COMMAND, MAKEWPARAM(IDC_APPLY, EN_CHANGE));
        d.Post(WM_FINISH, IDOK);
    };
    dlg.DoModal();
    EXPECT_EQ(pingResult, 7);
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"ping 9", "apply"}));
}
