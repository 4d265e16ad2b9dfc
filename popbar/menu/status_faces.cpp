#include "menu/status_faces.h"

#include "menu/status_looks.h"

void ShowStatusFaces(const MenuButtons& buttons, DWORD nStatus)
{
    for (const ButtonLook& look : PairLooksFromStatus(nStatus))
        ForEachButtonWithId(buttons, look.nID, [&](CImageButton& button) { button.SetOn(look.bOn); });
    BatteryButton(buttons).SetLevel(nStatus);
}
