#pragma once
// The battery button: its face with the battery percentage drawn over it in digit glyphs.
#include "controls/battery_face.h"
#include "controls/image_button.h"

class CImageButtonBattery : public CImageButton {
public:
    CImageButtonBattery() = default;

    using CImageButton::LoadImages;
    // The six faces, then glyphs 0-9 and the percent sign from nFirstGlyph on.
    void LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover, WORD nOffNormal,
                    WORD nOffPressed, WORD nOffHover, WORD nFirstGlyph);

    // Takes the level from bits 20-27 of the menu status word; the caller repaints.
    void SetLevel(DWORD dwStatus);

    // The lit face for the mouse state with the level's digits over it, or the no-level face alone.
    void Paint(HDC hdc) const override;

protected:
    int ShownLevel() const override;

private:
    fw::gdiplus_ptr<Gdiplus::Image> m_pGlyph[kGlyphCount];
    int m_nOnes = 0;
    int m_nTens = 0;
    BOOL m_bFull = FALSE;
    BOOL m_bNoLevel = FALSE;
};
