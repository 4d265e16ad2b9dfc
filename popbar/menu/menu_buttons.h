#pragma once
// Building the menu's seventeen buttons and laying their windows out on the grid.
#include "controls/image_button.h"
#include "menu/menu_layout.h"
#include "menu/menu_opacity.h"
#include "menu/menu_paint.h"

#include <functional>

// Constructs the buttons (slots 0-15 plain, 16 the battery; they live for the whole run) and loads
// their pictures from the skin library; 0, or the first loader's non-zero result.
int CreateButtons(CImageButton* (&pButtons)[kButtonCount], HMODULE hResource);

// Creates the button windows on the grid in hWndMenu: the row-0 faces, then applyDisplayMode (which
// shows the face that matches the display settings), rows 1-3, then postAvailabilityQuery (whose
// answer addresses slots 8 and 9, which exist by then), rows 4-7. S_OK, or the first failing
// creation's result, which ends the layout.
HRESULT LayoutButtons(CImageButton* const (&pButtons)[kButtonCount], HWND hWndMenu, HINSTANCE hInstance,
                      const std::function<void()>& applyDisplayMode,
                      const std::function<void()>& postAvailabilityQuery);
