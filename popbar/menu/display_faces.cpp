#include "menu/display_faces.h"

#include "menu/status_looks.h"

bool ShowDisplayFace(const MenuButtons& buttons, DWORD nDisplay)
{
    const int nShown = DisplayFaceSlot(nDisplay);
    bool bChanged = false;
    for (int nSlot = 0; nSlot < kDisplayFaceCount; ++nSlot) {
        bChanged = bChanged || buttons[nSlot]->IsShown() != (nSlot == nShown);
        buttons[nSlot]->Show(nSlot == nShown ? SW_SHOW : SW_HIDE);
    }
    return bChanged;
}
