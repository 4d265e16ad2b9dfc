#include "controls/image_button.h"

#include "accessible_window.h"
#include "controller/open_steps.h"
#include "errors.h"
#include "handles.h"
#include "protocol/menu.h"
#include "skin/skin_loader.h"
#include "window_binding.h"
#include "windowclass.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kWindowName[] = L"KESTREL_MENU Button";
// WS_CHILD with the owner-draw value in the class bits, which this class gives no meaning.
constexpr DWORD kButtonStyle = 0x4000000B;

void RegisterButtonClass(HINSTANCE hInstance)
{
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &fw::BoundWindowProc<CImageButton>;
    wc.hInstance = hInstance;
    wc.hIcon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = kMenuButtonClass;
    // A refusal leaves creation to succeed or fail on its own.
    RegisterClassOnce(wc);
}

} // namespace

CImageButton::~CImageButton()
{
    // A window that outlives its object (one of another thread cannot be destroyed here) must not
    // name it any more.
    if (m_hWnd && !::DestroyWindow(m_hWnd))
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
}

CImageButton* CImageButton::FromHandle(HWND hWnd)
{
    return fw::BoundObject<CImageButton>(hWnd);
}

void CImageButton::LoadSlot(fw::gdiplus_ptr<Gdiplus::Image>& slot, HMODULE hResource, WORD nID)
{
    slot.reset();
    // Faces and glyphs are drawn at every paint of the open menu.
    LoadPngResourceForDrawing(slot, nID, L"PNG", hResource);
}

void CImageButton::LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover, WORD nOff)
{
    LoadImages(hResource, nOnNormal, nOnPressed, nOnHover, nOff, nOff, nOff);
}

void CImageButton::LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover,
                              WORD nOffNormal, WORD nOffPressed, WORD nOffHover)
{
    LoadSlot(m_pImgOnNormal, hResource, nOnNormal);
    LoadSlot(m_pImgOnPressed, hResource, nOnPressed);
    LoadSlot(m_pImgOnHover, hResource, nOnHover);
    LoadSlot(m_pImgOffNormal, hResource, nOffNormal);
    LoadSlot(m_pImgOffPressed, hResource, nOffPressed);
    LoadSlot(m_pImgOffHover, hResource, nOffHover);
    m_nImageWidth = m_pImgOnNormal ? static_cast<int>(m_pImgOnNormal->GetWidth()) : 0;
    m_nImageHeight = m_pImgOnNormal ? static_cast<int>(m_pImgOnNormal->GetHeight()) : 0;
    m_bOn = TRUE;
    m_bEnabled = TRUE;
}

HRESULT CImageButton::Create(int x, int y, int nWidth, int nHeight, UINT nID, HWND hWndParent,
                             HINSTANCE hInstance, int nCmdShow)
{
    RegisterButtonClass(hInstance);
    m_hWndParent = hWndParent;
    m_nID = nID;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    // The old window stops naming this button as it goes (WM_NCDESTROY).
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    m_bOn = TRUE;
    m_bEnabled = TRUE;
    m_nState = STATE_NORMAL;

    // The window names its button from WM_NCCREATE on, and the button its window from WM_NCCREATE.
    const HWND hWnd =
        ::CreateWindowExW(0, kMenuButtonClass, kWindowName, kButtonStyle, x, y, nWidth, nHeight, hWndParent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), hInstance, this);
    if (!hWnd) {
        const HRESULT hr = fw::LastErrorResult(false);
        m_hWnd = nullptr;
        return hr;
    }
    ::ShowWindow(hWnd, nCmdShow);
    Invalidate(FALSE);
    return S_OK;
}

void CImageButton::Show(int nCmdShow)
{
    m_bOn = m_bEnabled = nCmdShow != 0;
    ::ShowWindow(m_hWnd, nCmdShow);
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

void CImageButton::Enable(BOOL bEnable)
{
    m_bOn = m_bEnabled = bEnable;
    ::EnableWindow(m_hWnd, bEnable);
    Invalidate(TRUE);
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

void CImageButton::SetOn(BOOL bOn)
{
    // Every opening sets every pair: only a look that changes is painted again.
    if (m_bOn == bOn)
        return;
    m_bOn = bOn;
    Invalidate(TRUE);
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

void CImageButton::SetState(int nState)
{
    const int nPrevious = m_nState;
    m_nState = nState;
    Invalidate(FALSE);
    if (nState == nPrevious)
        return;
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
    // The highlight, the mouse's or the keyboard walk's, came to this button: screen readers follow it
    // as the focus.
    if (nPrevious == STATE_NORMAL)
        NotifyAccessible(EVENT_OBJECT_FOCUS);
}

void CImageButton::PostCommand() const
{
    ::PostMessageW(m_hWndParent, WM_COMMAND, MAKEWPARAM(m_nID, 0), 0);
}

ButtonView CImageButton::View() const
{
    ButtonView view;
    view.nID = m_nID;
    view.nName = m_nAccessibleName;
    view.bVisible = IsVisible();
    view.bEnabled = m_bEnabled != FALSE;
    view.bOn = m_bOn != FALSE;
    view.nState = m_nState;
    view.nLevel = ShownLevel();
    return view;
}

void CImageButton::NotifyAccessible(DWORD nEvent) const
{
    fw::NotifyAccessibleEvent(nEvent, m_hWnd);
}

void CImageButton::Invalidate(BOOL bErase) const
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, bErase);
}

const Gdiplus::Image* CImageButton::Face(FaceSlot slot) const
{
    switch (slot) {
    case FaceSlot::OnNormal: return m_pImgOnNormal.get();
    case FaceSlot::OnPressed: return m_pImgOnPressed.get();
    case FaceSlot::OnHover: return m_pImgOnHover.get();
    case FaceSlot::OffNormal: return m_pImgOffNormal.get();
    case FaceSlot::OffPressed: return m_pImgOffPressed.get();
    case FaceSlot::OffHover: return m_pImgOffHover.get();
    }
    return nullptr;
}

void CImageButton::DrawStretched(Gdiplus::Graphics& graphics, const Gdiplus::Image* pImage, int x, int y, int w,
                                 int h)
{
    // GDI+ draws from a non-const image without changing it.
    if (pImage)
        graphics.DrawImage(const_cast<Gdiplus::Image*>(pImage), x, y, w, h);
}

void CImageButton::Paint(HDC hdc) const
{
    Gdiplus::Graphics graphics(hdc);
    DrawStretched(graphics, Face(ChooseFace(m_bOn, m_bEnabled, m_nState)), 0, 0, m_nWidth, m_nHeight);
}

void CImageButton::OnPaint()
{
    // BeginPaint sends the frame and erase messages on its way; the face drawn right after it covers
    // what they would draw, so they draw nothing.
    if (m_bInBeginPaint)
        return;
    m_bInBeginPaint = true;
    const fw::paint_scope paint(m_hWnd);
    m_bInBeginPaint = false;
    Paint(paint.get());
    MarkOpenStep(OpenStep::Painted);
}

LRESULT CImageButton::OnMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        m_hWnd = hWnd;
        break;
    case WM_NCDESTROY:
        if (m_hWnd == hWnd)
            m_hWnd = nullptr;
        break;
    case WM_PAINT:
    case WM_NCPAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        // The face covers the whole window, so the class brush never shows.
        if (!m_bInBeginPaint)
            Paint(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_MOUSEMOVE:
        if (m_nState == STATE_NORMAL) {
            SetState(STATE_HOVER);
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
            ::_TrackMouseEvent(&tme);
        }
        return 0;
    case WM_LBUTTONDOWN:
        SetState(STATE_PRESSED);
        return 0;
    case WM_LBUTTONUP:
        SetState(STATE_HOVER);
        PostCommand();
        return 0;
    case WM_MOUSELEAVE:
        SetState(STATE_NORMAL);
        return 0;
    case WM_GETOBJECT:
        // Described afresh at each question, by the button while its window lives; the strings are
        // the program's own. Its default action, "Press", is a click's release.
        return fw::AnswerGetObject(
            m_hWnd, wParam, lParam,
            [hWnd = m_hWnd]() -> std::optional<fw::AccessibleDescription> {
                const CImageButton* pButton = FromHandle(hWnd);
                if (!pButton)
                    return std::nullopt;
                const AccessibleFacts facts = ButtonFacts(pButton->View());
                const HINSTANCE hStrings = ::GetModuleHandleW(nullptr);
                return fw::AccessibleDescription{AccessibleName(hStrings, facts), facts.nRole, facts.nState,
                                                 AccessibleText(hStrings, facts.nDefaultAction)};
            },
            [hWnd = m_hWnd] {
                if (const CImageButton* pButton = FromHandle(hWnd))
                    pButton->PostCommand();
            });
    default:
        break;
    }
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}
