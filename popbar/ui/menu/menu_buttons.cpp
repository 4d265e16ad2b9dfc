#include "menu/menu_buttons.h"

#include <initializer_list>
#include <new>

namespace {

void LoadSlotImages(CImageButton& button, const ButtonSlot& slot, HMODULE hResource)
{
    auto id = [&](FaceSlot face) { return FacePicture(slot, face); };
    if (slot.form == ImageForm::SixIdsAndGlyphs) {
        static_cast<CImageButtonBattery&>(button).LoadImages(
            hResource, id(FaceSlot::OnNormal), id(FaceSlot::OnPressed), id(FaceSlot::OnHover), id(FaceSlot::OffNormal),
            id(FaceSlot::OffPressed), id(FaceSlot::OffHover), slot.nFirstGlyph);
        return;
    }
    button.LoadImages(hResource, id(FaceSlot::OnNormal), id(FaceSlot::OnPressed), id(FaceSlot::OnHover),
                      id(FaceSlot::OffNormal), id(FaceSlot::OffPressed), id(FaceSlot::OffHover));
}

HRESULT CreateSlot(CImageButton& button, int nSlot, HWND hWndMenu, HINSTANCE hInstance)
{
    const ButtonSlot& slot = kButtonTable[nSlot];
    const SIZE size = button.ImageSize();
    const POINT pt = ButtonPosition(slot.nRow, slot.bRightColumn, size.cx, size.cy);
    return button.Create(pt.x, pt.y, size.cx, size.cy, slot.nID, hWndMenu, hInstance,
                         slot.bShown ? SW_SHOW : SW_HIDE);
}

} // namespace

bool CreateButtons(MenuButtons& buttons, HMODULE hResource)
{
    try {
        for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
            if (kButtonTable[nSlot].form == ImageForm::SixIdsAndGlyphs)
                buttons[nSlot] = std::make_unique<CImageButtonBattery>();
            else
                buttons[nSlot] = std::make_unique<CImageButton>();
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot)
        buttons[nSlot]->SetAccessibleName(kButtonTable[nSlot].nName);
    for (int nSlot : kLoadOrder)
        LoadSlotImages(*buttons[nSlot], kButtonTable[nSlot], hResource);
    return true;
}

HRESULT LayoutButtons(const MenuButtons& buttons, HWND hWndMenu, HINSTANCE hInstance,
                      const std::function<void()>& applyDisplayMode,
                      const std::function<void()>& postAvailabilityQuery)
{
    auto createSlots = [&](std::initializer_list<int> slots) {
        for (int nSlot : slots) {
            const HRESULT hr = CreateSlot(*buttons[nSlot], nSlot, hWndMenu, hInstance);
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

CImageButtonBattery& BatteryButton(const MenuButtons& buttons)
{
    return static_cast<CImageButtonBattery&>(*buttons[kBatterySlot]);
}
