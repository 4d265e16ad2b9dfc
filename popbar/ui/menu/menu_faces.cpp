#include "menu/menu_faces.h"

#include "menu/status_looks.h"

void ShowStatusFaces(const MenuButtons& buttons, DWORD nStatus)
{
    for (const ButtonLook& look : PairLooksFromStatus(nStatus))
        ForEachButtonWithId(buttons, look.nID, [&](CImageButton& button) { button.SetOn(look.bOn); });
    BatteryButton(buttons).SetLevel(nStatus);
}

void ShowDisplayFace(const MenuButtons& buttons, DWORD nDisplay)
{
    const int nShown = DisplayFaceSlot(nDisplay);
    for (int nSlot = 0; nSlot < kDisplayFaceCount; ++nSlot)
        buttons[nSlot]->Show(nSlot == nShown ? SW_SHOW : SW_HIDE);
}
