#pragma once
// Dialogs built from a template and run by the framework's own modal loop.
//
// The dialog object is bound to its window once, at WM_INITDIALOG (DWLP_USER); from then on the
// dialog procedure hands every message to the dialog's message map. A dialog class lists its
// handlers there, in the order they are tried:
//
//   const CDialog::MessageMap& CMyDlg::GetMessageMap() const
//   {
//       static const MessageMapEntry entries[] = {
//           Message(WM_INITDIALOG, &CMyDlg::OnInitDialog),
//           Message(WM_TIMER, &CMyDlg::OnTimer),
//           Command(IDC_APPLY, &CMyDlg::OnApply),
//       };
//       static const MessageMap map = MapOf(entries);
//       return map;
//   }
//
// A message handler returns the message's result; it clears bHandled to leave the message to the
// entries after it and then to the default processing. So a handler that does its own part and still
// wants the default done too (the dialog manager's keys, say) clears bHandled: WTL's usage. What no entry handles gets the framework's
// defaults: WM_INITDIALOG lets the dialog manager set the focus, WM_COMMAND IDOK and IDCANCEL end
// the dialog with that result, and everything else goes to the dialog class's own procedure.
// No exception leaves a handler for the system: fw::GuardedCall reports it, and the message gets the
// default processing.
#include <windows.h>

#include <cstddef>

// Told of each message the modal loop takes: a test build's instrumentation counts them (a program at
// rest takes none). Nobody is told unless one is installed.
using ModalLoopWatcher = void (*)();
void WatchModalLoops(ModalLoopWatcher watcher);

class CDialog {
public:
    using MessageHandler = LRESULT (CDialog::*)(WPARAM, LPARAM, BOOL& bHandled);
    // Runs for WM_COMMAND with exactly its id in wParam (notification code 0).
    using CommandHandler = void (CDialog::*)();

    struct MessageMapEntry {
        UINT message;
        UINT_PTR id; // the command id for WM_COMMAND entries, else 0
        MessageHandler onMessage;
        CommandHandler onCommand;
    };
    struct MessageMap {
        const MessageMapEntry* entries;
        std::size_t count;
    };

    CDialog(UINT nIDTemplate, HWND hWndParent = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    // Creates the dialog from its template, runs the modal loop until the dialog ends, destroys the
    // window and returns the result given to EndDialog (-1 when the window cannot be created).
    INT_PTR DoModal();
    // Ends the modal run with this result once the current message has been handled.
    void EndDialog(INT_PTR nResult);

    // The modal loop's first look at each message for the dialog or one of its children; true
    // consumes it. The default is the platform's dialog-key handling (Tab, Enter, Escape).
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND m_hWnd = nullptr;

protected:
    virtual const MessageMap& GetMessageMap() const;

    // An entry for a message; a registered message whose registration failed (0) matches nothing.
    template <typename T>
    static MessageMapEntry Message(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM, BOOL&))
    {
        return {message, 0, static_cast<MessageHandler>(handler), nullptr};
    }
    template <typename T>
    static MessageMapEntry Command(UINT_PTR id, void (T::*handler)())
    {
        return {WM_COMMAND, id, nullptr, static_cast<CommandHandler>(handler)};
    }
    template <std::size_t N>
    static MessageMap MapOf(const MessageMapEntry (&entries)[N])
    {
        return {entries, N};
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The map, then the framework's defaults; true when the message was handled, with its result.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool IsOwnWindow(HWND hWnd) const;

    UINT m_nIDTemplate;
    HWND m_hWndParent;
    bool m_bContinueModal = false;
    INT_PTR m_nModalResult = -1;
};
