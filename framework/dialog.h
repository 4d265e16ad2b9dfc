#pragma once
// Dialogs built from a template and run by the framework's own modal loop.
//
// The dialog window is subclassed as soon as it exists, so every message reaches WindowProc; the
// framework's default processing is the dialog class's own procedure. A dialog class lists its
// handlers in a message map:
//
//   const CDialog::MessageMap& CMyDlg::GetMessageMap() const
//   {
//       static const MessageMapEntry entries[] = {
//           Message(WM_TIMER, &CMyDlg::OnTimer),
//           Command(IDC_APPLY, &CMyDlg::OnApply),
//       };
//       static const MessageMap map = MapOf(entries);
//       return map;
//   }
#include <windows.h>

#include <cstddef>

class CDialog {
public:
    // A message handler gets the message's parameters and returns its result.
    using MessageHandler = LRESULT (CDialog::*)(WPARAM, LPARAM);
    // A command handler runs for WM_COMMAND with exactly its id in wParam (notification code 0).
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

    HWND GetSafeHwnd() const { return m_hWnd; }

    // The first look at each message for the dialog or one of its children; true consumes it.
    // The default is the platform's dialog-key handling (Tab, Enter, Escape).
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND m_hWnd = nullptr;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Command hook: true when the command was handled. The default runs the map's command entries,
    // then IDOK and IDCANCEL.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Every message of the window; the default runs the message map, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The framework's default processing: the dialog class's own window procedure.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual const MessageMap& GetMessageMap() const;

    template <typename T>
    static MessageMapEntry Message(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
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
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hWnd);
    void Detach();
    bool IsOwnWindow(HWND hWnd) const;

    UINT m_nIDTemplate;
    HWND m_hWndParent;
    WNDPROC m_pfnSuper = nullptr;
    bool m_bContinueModal = false;
    INT_PTR m_nModalResult = -1;
};
