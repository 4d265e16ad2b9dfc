#include "menu/display_faces.h"

#include "menu/status_looks.h"

void ShowDisplayFace(const MenuButtons& buttons, DWORD nDisplay)
{
    const int nShown = DisplayFaceSlot(nDisplay);
    for (int nSlot = 0; nSlot < kDisplayFaceCount; ++nSlot)
        buttons[nSlot]->Show(nSlot == nShown ? SW_SHOW : SW_HIDE);
}
