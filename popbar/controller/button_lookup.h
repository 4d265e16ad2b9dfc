#pragma once
// The menu's buttons addressed by control id: every slot that carries the id.
#include "menu/menu_buttons.h"

template <typename Action>
void ForEachButtonWithId(CImageButton* const (&pButtons)[kButtonCount], UINT nID, Action action)
{
    for (CImageButton* pButton : pButtons) {
        if (pButton && static_cast<UINT>(pButton->m_nID) == nID)
            action(*pButton);
    }
}
