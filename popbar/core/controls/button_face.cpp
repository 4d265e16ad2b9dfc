#include "controls/button_face.h"

namespace {

// An unknown state counts as normal, so a stray value still draws a face.
int StateOffset(int nState)
{
    return nState == STATE_PRESSED || nState == STATE_HOVER ? nState : STATE_NORMAL;
}

} // namespace

FaceSlot ChooseFace(bool bOn, bool bEnabled, int nState)
{
    if (bOn)
        return static_cast<FaceSlot>(static_cast<int>(FaceSlot::OnNormal) + StateOffset(nState));
    if (bEnabled)
        return static_cast<FaceSlot>(static_cast<int>(FaceSlot::OffNormal) + StateOffset(nState));
    return FaceSlot::OffNormal;
}
