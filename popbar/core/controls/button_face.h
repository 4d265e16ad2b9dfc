#pragma once
// Which of an image button's six pictures shows, from its flags and its mouse state.

// The six picture slots of an image button, lit faces first.
enum class FaceSlot { OnNormal, OnPressed, OnHover, OffNormal, OffPressed, OffHover };

// The mouse states of an image button.
enum ButtonState { STATE_NORMAL = 0, STATE_PRESSED = 1, STATE_HOVER = 2 };

// Lit buttons show their lit face whatever the enabled flag holds; unlit enabled ones follow the
// mouse on their unlit faces; unlit disabled ones show the unlit normal face (the disabled look).
FaceSlot ChooseFace(bool bOn, bool bEnabled, int nState);
