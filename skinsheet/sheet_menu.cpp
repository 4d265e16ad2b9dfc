#include "sheet_menu.h"

#include "menu/menu_faces.h"
#include "pixel_canvas.h"
#include "protocol/menu.h"
#include "skin/skin_loader.h"

#include <algorithm>
#include <vector>

bool CSheetMenu::Build(HMODULE hSkin)
{
    HINSTANCE hInstance = ::GetModuleHandleW(nullptr);
    m_hWnd.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   hInstance, nullptr));
    if (!m_hWnd || !CreateButtons(m_buttons, hSkin))
        return false;
    LoadPngResource(m_pBackground, kBackgroundImage, L"PNG", hSkin);
    // Nothing to ask: no Screen Hub here.
    if (FAILED(LayoutButtons(m_buttons, m_hWnd.get(), hInstance, [] {}, [] {})))
        return false;
    const SIZE size = Size();
    ::SetWindowPos(m_hWnd.get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

SIZE CSheetMenu::Size() const
{
    if (m_pBackground)
        return {static_cast<LONG>(m_pBackground->GetWidth()), static_cast<LONG>(m_pBackground->GetHeight())};
    SIZE size{1, 1};
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        const RECT rc = ButtonRect(nSlot);
        size.cx = std::max(size.cx, rc.right);
        size.cy = std::max(size.cy, rc.bottom);
    }
    return size;
}

void CSheetMenu::Show(DWORD nStatus, DWORD nDisplay)
{
    for (const auto& pButton : m_buttons)
        pButton->SetState(STATE_NORMAL);
    ShowStatusFaces(m_buttons, nStatus);
    for (UINT nID : {ID_RES_NORMAL, ID_RES_HIGH})
        ForEachButtonWithId(m_buttons, nID, [](CImageButton& button) { button.Enable(TRUE); });
    ShowDisplayFace(m_buttons, nDisplay);
}

RECT CSheetMenu::ButtonRect(int nSlot) const
{
    RECT rc{};
    ::GetWindowRect(m_buttons[nSlot]->Window(), &rc);
    ::MapWindowPoints(nullptr, m_hWnd.get(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void CSheetMenu::Paint(HDC hdc)
{
    const SIZE size = Size();
    m_face.Paint(hdc, m_pBackground.get(), size.cx, size.cy);

    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(m_hWnd.get(), GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    std::reverse(children.begin(), children.end());
    for (HWND hChild : children) {
        const CImageButton* pButton = CImageButton::FromHandle(hChild);
        if (!pButton || !(::GetWindowLongPtrW(hChild, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT rc{};
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, m_hWnd.get(), reinterpret_cast<POINT*>(&rc), 2);
        // The button draws into a context of its own size from (0, 0), over what lies under it.
        const fw::PixelCanvas own(rc.right - rc.left, rc.bottom - rc.top);
        if (!own)
            continue;
        ::BitBlt(own.dc(), 0, 0, own.Width(), own.Height(), hdc, rc.left, rc.top, SRCCOPY);
        pButton->Paint(own.dc());
        ::BitBlt(hdc, rc.left, rc.top, own.Width(), own.Height(), own.dc(), 0, 0, SRCCOPY);
    }
}
