#pragma once
// The menu dialog: Popbar's one window, which is the pop-up menu itself. It owns the menu's
// visibility: the menu key, Screen Hub's notifications, the auto-hide timer, display changes,
// suspend and close requests all arrive here. Its parts live in files of their own:
// kestrel_menu_dlg.cpp (the map, initialisation, close and paint), menu_visibility.cpp (opening,
// hiding, moving), menu_keys.cpp (the laptop's keys and the keyboard walk), menu_commands.cpp (the
// buttons' commands).
#include "commands/command_table.h"
#include "controller/keyboard_walk.h"
#include "dialog.h"
#include "handles.h"
#include "menu/menu_buttons.h"
#include "menu/menu_paint.h"
#include "peers/dial_key_queue.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

// The menu's auto-hide timer: it hides an open menu about a second after another window took the
// foreground, and stops itself at its first tick with the menu hidden.
constexpr UINT_PTR TIMER_AUTOHIDE = 1000;
constexpr UINT kAutoHidePeriodMs = 1000;

// Posted to the menu window by the dial-keyboard key's toggle when its thread is done.
constexpr UINT MSG_DIALTOGGLEDONE = WM_APP + 1;

class CKestrelMenuDlg : public CDialog {
public:
    CKestrelMenuDlg();
    ~CKestrelMenuDlg() override;

protected:
    // Up, Down and Enter walk and press the buttons; a mouse move ends a keyboard highlight.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    const MessageMap& GetMessageMap() const override;

private:
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    // A key event reported by the key-hook library; lParam points at its KBDLLHOOKSTRUCT record.
    LRESULT OnKeyRelay(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    // The dial-keyboard key's toggle, run on a thread of its own, is done: the next press that waits runs.
    LRESULT OnDialToggleDone(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnMenuButton(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnHubCommand(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnHideMenu(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnReloadDisplay(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnPowerBroadcast(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnClose(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    // A button press, from the button, the keyboard or the outside-click hook.
    LRESULT OnButtonCommand(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    // Only an honoured close request ends Popbar: IDOK (Enter, or any program's WM_COMMAND 1) does
    // nothing, and IDCANCEL (Escape, or WM_COMMAND 2) hides the menu.
    void OnOK();
    void OnCancel();
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    // The menu window's own accessible object, for screen readers.
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam, BOOL& bHandled);

    // The initialisation after the steps that can fail; false when the menu could not be placed.
    bool FinishInitialisation();
    void FailWith(const wchar_t* pszText);

    void OnMenuKey();
    // A dial-keyboard key's press: its toggle runs now, or after the one that runs.
    void OnDialKey(const DialKeyPress& press);
    void RunDialToggle();
    void OnSuspend();
    // Hides the menu and, with bUpdate, has it painted at once (the hide of MSG_HIDEMENU does not).
    void HideMenu(bool bUpdate = true);
    bool IsMenuVisible() const;
    void ApplyDisplayMode();
    void TakeForeground();
    // The background's size; the window's size from its template when there is no background.
    SIZE MenuSize() const;

    void RunCommandStep(const CommandStep& step);

    // What the keyboard walk sees of the buttons as they are now.
    WalkButtons WalkView() const;
    // Runs one step of the keyboard walk over the buttons as they are and repaints those it changed.
    void Walk(int (*step)(WalkButtons&));
    // Enter released: the pressed button's command runs, then the button is highlighted again.
    void ActivatePressed();
    void OnMenuMouseMove();

    fw::unique_hmodule m_hResource;
    // Set while a menu key's sequence runs.
    bool m_bInKeyEvent = false;
    DialKeyQueue m_dialKeys;
    fw::gdiplus_ptr<Gdiplus::Image> m_pBackground;
    int m_nSelected = -1;
    bool m_bDisplayChangeLatch = false;
    MenuButtons m_buttons;
    HICON m_hIcon = nullptr;
    HINSTANCE m_hInstance = nullptr;
    HWND m_hWndMenu = nullptr;
    SIZE m_sizeTemplate = {};
    // A pop-up menu has been started for screen readers and not yet ended.
    bool m_bPopupStarted = false;
    // The painted face, kept from one paint to the next.
    CMenuFace m_face;
};
