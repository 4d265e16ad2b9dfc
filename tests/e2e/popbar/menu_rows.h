#pragma once
// The open menu's rows of buttons as a person sees and clicks them. Rows 1..7 hold two 100 x 30
// buttons each, in columns 0 and 1 (see the skin's layout); lit and unlit faces have plain fill
// patches whose colours are the skin's.
#include "pixels.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace popbar_e2e {

// Rows of the default skin.
constexpr int kBrightnessRow = 1;
constexpr int kScreenRow = 2;
constexpr int kBluetoothRow = 4;
constexpr int kWirelessRow = 5;
constexpr int kWiredLanRow = 6;
constexpr int kBatteryRow = 7;

// Fills of the default skin's faces.
constexpr COLORREF kLitFill = driver::Hex(0x2F7DE1);
constexpr COLORREF kLitHoverFill = driver::Hex(0x5AA0F5);
constexpr COLORREF kUnlitFill = driver::Hex(0x3A3F48);

// Waits until the row's two buttons show lit or unlit as given (not hovered, not pressed).
testing::AssertionResult RowShows(const RECT& menu, int row, bool bLeftLit, bool bRightLit);
// Waits until the button in this row and column (0 left, 1 right) shows a face of this fill.
testing::AssertionResult ButtonShows(const RECT& menu, int row, int column, COLORREF fill);

// Clicks the menu's visible button with this id through X and then takes the pointer off the menu,
// so no button keeps its hover face.
bool PressButton(HWND hWndMenu, UINT nID);

} // namespace popbar_e2e
