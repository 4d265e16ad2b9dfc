#pragma once
// What the skin and menu tests share: GDI+, the built skin library, a parent window, pixel reads.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "handles.h"
#include "pixels.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace popbar_test {

// The skin library copied beside the test program; loaded once, kept for the whole run.
HMODULE Skin();

// A visible, top-most pop-up window on the test desktop, destroyed with the object.
class TestParent {
public:
    TestParent(int x, int y, int nWidth, int nHeight);
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;
    HWND get() const { return m_hWnd.get(); }
    // Handles this window's queued messages, then counts the WM_COMMAND messages with the given wParam
    // and lParam 0 that it received since the last count.
    int TakeCommands(WPARAM wParam);
    // Left-button releases that reached this window itself, for instance over a disabled child.
    int MouseUps() const { return m_nMouseUps; }

    // Every message of the window (fw::BoundWindowProc).
    LRESULT OnMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

private:
    int m_nMouseUps = 0;
    std::vector<std::pair<WPARAM, LPARAM>> m_commands;
    fw::unique_hwnd m_hWnd;
};

using driver::Hex;
using driver::PixelCanvas;

} // namespace popbar_test
