#include "controls/image_button_battery.h"

void CImageButtonBattery::LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover,
                                     WORD nOffNormal, WORD nOffPressed, WORD nOffHover, WORD nFirstGlyph)
{
    CImageButton::LoadImages(hResource, nOnNormal, nOnPressed, nOnHover, nOffNormal, nOffPressed, nOffHover);
    for (int k = 0; k < kGlyphCount; ++k)
        LoadSlot(m_pGlyph[k], hResource, static_cast<WORD>(nFirstGlyph + k));
}

void CImageButtonBattery::SetLevel(DWORD dwStatus)
{
    const int nShown = ShownLevel();
    const BatteryLevel level =
        DecodeBatteryLevel(dwStatus, BatteryLevel{m_nOnes, m_nTens, m_bFull != FALSE, m_bNoLevel != FALSE});
    m_nOnes = level.nOnes;
    m_nTens = level.nTens;
    m_bFull = level.bFull;
    m_bNoLevel = level.bNoLevel;
    // Its name says the level.
    if (ShownLevel() != nShown)
        NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

int CImageButtonBattery::ShownLevel() const
{
    return ShownPercent(BatteryLevel{m_nOnes, m_nTens, m_bFull != FALSE, m_bNoLevel != FALSE});
}

void CImageButtonBattery::Paint(HDC hdc) const
{
    Gdiplus::Graphics graphics(hdc);
    if (m_bNoLevel) {
        DrawStretched(graphics, Face(FaceSlot::OffNormal), 0, 0, m_nWidth, m_nHeight);
        return;
    }
    // The battery face is always lit: the flags do not change it.
    DrawStretched(graphics, Face(ChooseFace(true, true, m_nState)), 0, 0, m_nWidth, m_nHeight);

    GlyphSize sizes[kGlyphCount];
    for (int k = 0; k < kGlyphCount; ++k) {
        if (m_pGlyph[k])
            sizes[k] = {static_cast<int>(m_pGlyph[k]->GetWidth()), static_cast<int>(m_pGlyph[k]->GetHeight())};
    }
    const BatteryLevel level{m_nOnes, m_nTens, m_bFull != FALSE, m_bNoLevel != FALSE};
    for (const GlyphPlacement& glyph : BatteryGlyphs(m_nWidth, m_nHeight, sizes, level))
        DrawStretched(graphics, m_pGlyph[glyph.nGlyph].get(), glyph.x, glyph.y, glyph.w, glyph.h);
}
