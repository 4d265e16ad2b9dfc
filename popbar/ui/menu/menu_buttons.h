#pragma once
// The menu's seventeen buttons: built, laid out on the grid, and addressed by control id.
#include "controls/image_button.h"
#include "controls/image_button_battery.h"
#include "menu/menu_layout.h"
#include "menu/menu_opacity.h"
#include "menu/menu_paint.h"

#include <array>
#include <functional>
#include <memory>

// The buttons in slot order; they live as long as the menu dialog, which is the whole run.
using MenuButtons = std::array<std::unique_ptr<CImageButton>, kButtonCount>;

// Constructs the buttons (slot 16 the battery) and loads their pictures from the skin library; a
// picture that fails to load leaves its face empty. False when the buttons could not be made.
bool CreateButtons(MenuButtons& buttons, HMODULE hResource);

// Creates the button windows on the grid in hWndMenu: the row-0 faces, then applyDisplayMode (which
// shows the face that matches the display settings), rows 1-3, then postAvailabilityQuery (whose
// answer addresses slots 8 and 9, which exist by then), rows 4-7. S_OK, or the first failing
// creation's result, which ends the layout.
HRESULT LayoutButtons(const MenuButtons& buttons, HWND hWndMenu, HINSTANCE hInstance,
                      const std::function<void()>& applyDisplayMode,
                      const std::function<void()>& postAvailabilityQuery);

// The battery button, which CreateButtons makes in its slot.
CImageButtonBattery& BatteryButton(const MenuButtons& buttons);

// Every button with this control id (the display-mode id has four).
template <typename Action>
void ForEachButtonWithId(const MenuButtons& buttons, UINT nID, Action action)
{
    for (const auto& pButton : buttons) {
        if (pButton && pButton->ID() == nID)
            action(*pButton);
    }
}
