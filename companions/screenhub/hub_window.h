#pragma once
// Screen Hub's window "-Screen Hub-": answers the menu, keeps the state and its registry copy,
// journals what crosses and shows it all to a person watching.
#include "hub_options.h"
#include "hub_state.h"
#include "journal_line.h"

#include "handles.h"

#include <deque>
#include <string>

class CHubWindow {
public:
    // The journal, when the options name one, must be open already.
    CHubWindow(HubOptions options, HubState state, fw::unique_file journal);
    CHubWindow(const CHubWindow&) = delete;
    CHubWindow& operator=(const CHubWindow&) = delete;

    // Creates and shows the window without taking the foreground from the menu, and writes the
    // registry copy; false when the window could not be made.
    bool Create(HINSTANCE hInstance);

    // Every message of the window, from its WM_NCCREATE on (fw::BoundWindowProc).
    LRESULT OnMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnHubCommand(WPARAM code, LPARAM arg);
    void OnMenuKeyAgain();
    void OnPaint();

    // Takes the new state; the registry copy is written when the word or the display mode changed.
    void SetState(const HubState& state);
    void PostToMenu(WPARAM code, LPARAM arg);
    void Record(JournalDirection direction, UINT message, WPARAM wParam, LPARAM lParam);

    HubOptions m_options;
    HubState m_state;
    fw::unique_file m_journal;
    std::deque<std::wstring> m_recent; // the last messages, newest last
    HWND m_hWnd = nullptr;
};

// The battery percentage: the fixed one of the options, else the machine's power status (255 when
// it is not known).
BYTE ReadBatteryPercent(const HubOptions& options);
