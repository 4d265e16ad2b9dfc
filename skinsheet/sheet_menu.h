#pragma once
// Popbar's menu for the sheet: its buttons with their pictures, laid out by Popbar's own layout on a
// window that never shows, its background, and the menu put together as the window system puts
// Popbar's windows together on the screen.
#include "gdiplus_handles.h"
#include "handles.h"
#include "menu/menu_buttons.h"
#include "menu/menu_paint.h"

#include <windows.h>

class CSheetMenu {
public:
    // False when the window or the buttons could not be made; missing pictures draw nothing, as in
    // Popbar.
    bool Build(HMODULE hSkin);

    // The background's size, as Popbar sizes its window. Without a background Popbar keeps its
    // template's size, which the skin does not decide: the menu is then just large enough for its
    // buttons.
    SIZE Size() const;
    // The looks of a menu opened with this status word and display mode, the resolution pair
    // available, no button hovered or pressed.
    void Show(DWORD nStatus, DWORD nDisplay);
    CImageButton& Button(int nSlot) const { return *m_buttons[nSlot]; }
    // Where the slot's button window lies in the menu.
    RECT ButtonRect(int nSlot) const;
    // Draws the menu from (0, 0): its face, then each visible button over it, from the bottom of the
    // z-order up.
    void Paint(HDC hdc);

private:
    fw::unique_hwnd m_hWnd;
    MenuButtons m_buttons;
    fw::gdiplus_ptr<Gdiplus::Image> m_pBackground;
    CMenuFace m_face;
};
