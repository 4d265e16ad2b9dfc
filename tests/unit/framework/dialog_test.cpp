// The framework's dialog: modal loop, first look for PreTranslateMessage, dialog keys, and the one
// message map with its fall-through to the defaults.
#include "dialog.h"
#include "guarded_call.h"
#include "test_ids.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
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
    // How the ping handler treats its message: handles it, leaves it to what follows, or throws.
    enum class Ping { Handle, Decline, Throw } ping = Ping::Handle;
    bool bTakeOk = false;

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
    LRESULT OnInitDialog(WPARAM, LPARAM, BOOL&)
    {
        if (onInit)
            onInit(*this);
        return TRUE;
    }
    LRESULT OnPing(WPARAM wParam, LPARAM, BOOL& bHandled)
    {
        events.push_back("ping " + std::to_string(wParam));
        if (ping == Ping::Throw)
            throw std::runtime_error("ping");
        bHandled = ping == Ping::Handle;
        return 7;
    }
    LRESULT OnPingAgain(WPARAM, LPARAM, BOOL&)
    {
        events.push_back("ping again");
        return 8;
    }
    LRESULT OnSwallowed(WPARAM, LPARAM, BOOL&)
    {
        events.push_back("swallowed message dispatched");
        return 0;
    }
    LRESULT OnFinish(WPARAM wParam, LPARAM, BOOL&)
    {
        if (onFinish)
            onFinish(*this);
        EndDialog(static_cast<INT_PTR>(wParam));
        return 0;
    }
    // Commands, not the edit control's notifications.
    LRESULT OnAnyCommand(WPARAM wParam, LPARAM, BOOL& bHandled)
    {
        if (HIWORD(wParam) == 0)
            events.push_back("command " + std::to_string(wParam));
        bHandled = FALSE;
        return 0;
    }
    void OnApply() { events.push_back("apply"); }
    void OnOK()
    {
        events.push_back("OK taken");
        if (!bTakeOk)
            EndDialog(IDOK);
    }
    LRESULT OnNothingRegistered(WPARAM, LPARAM, BOOL&)
    {
        events.push_back("registered message 0");
        return 0;
    }

    const MessageMap& GetMessageMap() const override
    {
        static const MessageMapEntry entries[] = {
            Message(WM_INITDIALOG, &CTestDlg::OnInitDialog),
            Message(0, &CTestDlg::OnNothingRegistered),
            Message(WM_PING, &CTestDlg::OnPing),
            Message(WM_PING, &CTestDlg::OnPingAgain),
            Message(WM_SWALLOWED, &CTestDlg::OnSwallowed),
            Message(WM_FINISH, &CTestDlg::OnFinish),
            Message(WM_COMMAND, &CTestDlg::OnAnyCommand),
            Command(IDC_APPLY, &CTestDlg::OnApply),
        };
        static const MessageMap map = MapOf(entries);
        return map;
    }
};

// A dialog that takes IDOK itself.
class COkTakingDlg : public CTestDlg {
protected:
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMapEntry entries[] = {
            Message(WM_INITDIALOG, &COkTakingDlg::OnInitDialog),
            Command(IDOK, &COkTakingDlg::OnOK),
            Message(WM_FINISH, &COkTakingDlg::OnFinish),
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

TEST(Dialog, EscapeEnterAndCloseEndTheDialogUnlessTheMapTakesTheCommand)
{
    const struct {
        UINT message;
        WPARAM wParam;
        INT_PTR result;
    } cases[] = {{WM_KEYDOWN, VK_ESCAPE, IDCANCEL}, {WM_KEYDOWN, VK_RETURN, IDOK}, {WM_CLOSE, 0, IDCANCEL}};
    for (const auto& c : cases) {
        CTestDlg dlg;
        dlg.onInit = [&](CTestDlg& d) { d.Post(c.message, c.wParam, 0, c.message == WM_CLOSE ? nullptr : d.Edit()); };
        EXPECT_EQ(dlg.DoModal(), c.result) << c.message << " " << c.wParam;
        ASSERT_EQ(dlg.events.size(), 1u);
        EXPECT_EQ(dlg.events[0], "command " + std::to_string(c.result)) << "the map saw the command first";
    }

    COkTakingDlg taking;
    taking.bTakeOk = true;
    taking.onInit = [](CTestDlg& d) {
        d.Post(WM_KEYDOWN, VK_RETURN, 0, d.Edit());
        d.Post(WM_COMMAND, IDOK);
        d.Post(WM_FINISH, 99);
    };
    EXPECT_EQ(taking.DoModal(), 99) << "IDOK taken by the map does not end the dialog";
    EXPECT_EQ(taking.events, (std::vector<std::string>{"OK taken", "OK taken"}));
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
        d.Post(WM_NULL);
        d.Post(WM_FINISH, IDOK);
    };
    dlg.DoModal();
    EXPECT_EQ(pingResult, 7);
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"ping 9", "command " + std::to_string(IDC_APPLY), "apply"}))
        << "an entry for a registered message that failed to register matches nothing, not even WM_NULL";
}

TEST(Dialog, DeclinedMessageGoesOnAndAThrowingHandlerLeavesItToTheDefault)
{
    CTestDlg declining;
    LRESULT declined = 0;
    declining.ping = CTestDlg::Ping::Decline;
    declining.onInit = [&](CTestDlg& d) {
        declined = ::SendMessageW(d.m_hWnd, WM_PING, 1, 0);
        d.Post(WM_FINISH, IDOK);
    };
    declining.DoModal();
    EXPECT_EQ(declined, 8) << "the next entry for the message handled it";
    EXPECT_EQ(declining.events, (std::vector<std::string>{"ping 1", "ping again"}));

    static std::vector<std::wstring> s_reports;
    s_reports.clear();
    fw::ReportFailuresTo([](const wchar_t* pszText) { s_reports.push_back(pszText); });
    CTestDlg throwing;
    LRESULT thrown = -1;
    throwing.ping = CTestDlg::Ping::Throw;
    throwing.onInit = [&](CTestDlg& d) {
        thrown = ::SendMessageW(d.m_hWnd, WM_PING, 2, 0);
        d.Post(WM_FINISH, 3);
    };
    EXPECT_EQ(throwing.DoModal(), 3) << "the dialog runs on";
    fw::ReportFailuresTo(nullptr);
    EXPECT_EQ(thrown, 0) << "the dialog class's own answer";
    EXPECT_EQ(s_reports, (std::vector<std::wstring>{L"\nException : dialog procedure: ping"}));
}
