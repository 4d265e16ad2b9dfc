#pragma once
// The menu's image button: a child window of its own class that draws itself from skin pictures,
// follows the mouse and posts WM_COMMAND with its id to its parent when clicked.
#include "controls/button_face.h"
#include "gdiplus_handles.h"
#include "menu/accessible_facts.h"

#include <windows.h>

class CImageButton {
public:
    CImageButton() = default;
    CImageButton(const CImageButton&) = delete;
    CImageButton& operator=(const CImageButton&) = delete;
    virtual ~CImageButton();

    // Lit normal, pressed and hover, and one unlit picture for all three unlit states. A picture that
    // fails to load leaves its face empty, which draws nothing.
    void LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover, WORD nOff);
    // Lit normal, pressed and hover, then unlit normal, pressed and hover.
    void LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover, WORD nOffNormal,
                    WORD nOffPressed, WORD nOffHover);

    // Creates the button's window (replacing one it already has); S_OK, or why the window could not
    // be made.
    HRESULT Create(int x, int y, int nWidth, int nHeight, UINT nID, HWND hWndParent, HINSTANCE hInstance,
                   int nCmdShow);

    // Shows (lit and enabled) or hides (unlit and disabled) the window; no repaint.
    void Show(int nCmdShow);
    // Enables and lights, or disables and dims, and repaints.
    void Enable(BOOL bEnable);
    // Lit or unlit, and repaints.
    void SetOn(BOOL bOn);
    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsOn() const { return m_bOn; }
    bool IsVisible() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }

    // The mouse state, which the menu's keyboard walk also sets: a state it sets is treated exactly
    // as one the mouse set. Setting it repaints the button.
    int State() const { return m_nState; }
    void SetState(int nState);

    UINT ID() const { return m_nID; }
    // The string of Popbar's table that names the button to a screen reader (accessible_names.h).
    void SetAccessibleName(UINT nName) { m_nAccessibleName = nName; }
    // What the menu shows of the button, as a screen reader is told it.
    ButtonView View() const;
    // The click's command: WM_COMMAND with the button's id, posted to its parent.
    void PostCommand() const;
    HWND Window() const { return m_hWnd; }
    // The lit normal picture's size, 0 x 0 without it: the size the layout gives the button.
    SIZE ImageSize() const { return {m_nImageWidth, m_nImageHeight}; }

    // Draws the current face into hdc, stretched over the button's size from (0, 0).
    virtual void Paint(HDC hdc) const;

    // The button whose window this is; null for any other window, live or gone.
    static CImageButton* FromHandle(HWND hWnd);

    // Every message of the button's window, from its WM_NCCREATE on (fw::BoundWindowProc).
    LRESULT OnMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

protected:
    // The number the button shows, which its name says too; -1 for none.
    virtual int ShownLevel() const { return -1; }
    // Tells screen readers that the button's state (or, with EVENT_OBJECT_NAMECHANGE, its name) changed.
    void NotifyAccessible(DWORD nEvent) const;
    // The picture of a face slot; null when it failed to load.
    const Gdiplus::Image* Face(FaceSlot slot) const;
    // Draws an image stretched to the rectangle; nothing for a missing image.
    static void DrawStretched(Gdiplus::Graphics& graphics, const Gdiplus::Image* pImage, int x, int y, int w, int h);
    // Loads one picture into a slot, replacing what it held; the slot stays empty when it fails.
    static void LoadSlot(fw::gdiplus_ptr<Gdiplus::Image>& slot, HMODULE hResource, WORD nID);

    int m_nState = STATE_NORMAL;
    int m_nWidth = 0;
    int m_nHeight = 0;

private:
    void OnPaint();
    void Invalidate(BOOL bErase) const;

    HWND m_hWnd = nullptr;
    UINT m_nID = 0;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    HWND m_hWndParent = nullptr;
    UINT m_nAccessibleName = 0;
    fw::gdiplus_ptr<Gdiplus::Image> m_pImgOnNormal;
    fw::gdiplus_ptr<Gdiplus::Image> m_pImgOnPressed;
    fw::gdiplus_ptr<Gdiplus::Image> m_pImgOnHover;
    fw::gdiplus_ptr<Gdiplus::Image> m_pImgOffNormal;
    fw::gdiplus_ptr<Gdiplus::Image> m_pImgOffPressed;
    fw::gdiplus_ptr<Gdiplus::Image> m_pImgOffHover;
    BOOL m_bEnabled = TRUE;
    BOOL m_bOn = TRUE;
    // Set while the button's own BeginPaint runs.
    bool m_bInBeginPaint = false;
};
