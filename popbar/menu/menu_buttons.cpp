#include "menu/menu_buttons.h"

#include <initializer_list>

namespace {

int LoadSlotImages(CImageButton& button, const ButtonSlot& slot, HMODULE hResource)
{
    const WORD* ids = slot.images;
    switch (slot.form) {
    case ImageForm::FourIds:
        return button.LoadImages(hResource, ids[0], ids[1], ids[2], ids[3]);
    case ImageForm::SixIds:
        return button.LoadImages(hResource, ids[0], ids[1], ids[2], ids[3], ids[4], ids[5]);
    case ImageForm::SixIdsAndGlyphs:
        return static_cast<CImageButtonBattery&>(button).LoadImages(hResource, ids[0], ids[1], ids[2], ids[3],
                                                                    ids[4], ids[5], slot.nFirstGlyph);
    }
    return 0;
}

HRESULT CreateSlot(CImageButton& button, int nSlot, HWND hWndMenu, HINSTANCE hInstance)
{
    const ButtonSlot& slot = kButtonTable[nSlot];
    const POINT pt = ButtonPosition(slot.nRow, slot.bRightColumn, button.m_nImageWidth, button.m_nImageHeight);
    return button.Create(pt.x, pt.y, button.m_nImageWidth, button.m_nImageHeight, slot.nID, hWndMenu, hInstance,
                         slot.bShown ? SW_SHOW : SW_HIDE);
}

} // namespace

int CreateButtons(CImageButton* (&pButtons)[kButtonCount], HMODULE hResource)
{
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        if (kButtonTable[nSlot].form == ImageForm::SixIdsAndGlyphs)
            pButtons[nSlot] = new CImageButtonBattery;
        else
            pButtons[nSlot] = new CImageButton;
    }
    for (int nSlot : kLoadOrder) {
        if (const int nResult = LoadSlotImages(*pButtons[nSlot], kButtonTable[nSlot], hResource))
            return nResult;
    }
    return 0;
}

HRESULT LayoutButtons(CImageButton* const (&pButtons)[kButtonCount], HWND hWndMenu, HINSTANCE hInstance,
                      const std::function<void()>& applyDisplayMode,
                      const std::function<void()>& postAvailabilityQuery)
{
    auto createSlots = [&](std::initializer_list<int> slots) {
        for (int nSlot : slots) {
            const HRESULT hr = CreateSlot(*pButtons[nSlot], nSlot, hWndMenu, hInstance);
            if (FAILED(hr))
                return hr;
        }
        return S_OK;
    };
    HRESULT hr = createSlots({2, 3, 1, 0});
    if (FAILED(hr))
        return hr;
    applyDisplayMode();
    hr = createSlots({4, 5, 6, 7, 8, 9});
    if (FAILED(hr))
        return hr;
    postAvailabilityQuery();
    return createSlots({10, 11, 12, 13, 14, 15, 16});
}
