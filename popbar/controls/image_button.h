#pragma once
// The menu's image button: a child window of its own class that draws itself from skin pictures,
// follows the mouse and posts WM_COMMAND with its id to its parent when clicked.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "controls/battery_face.h"
#include "controls/button_face.h"

#include <map>

class CImageButton {
public:
    CImageButton() = default;
    CImageButton(const CImageButton&) = delete;
    CImageButton& operator=(const CImageButton&) = delete;
    virtual ~CImageButton();

    // Draws the current face through a context of the button's own window; hdc is not used.
    virtual void Paint(HDC hdc);

    // Lit normal, pressed and hover, and one unlit picture for all three unlit states.
    int LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover, WORD nOff);
    // Lit normal, pressed and hover, then unlit normal, pressed and hover.
    int LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover, WORD nOffNormal,
                   WORD nOffPressed, WORD nOffHover);

    // Creates the button's window (replacing one it already has); S_OK or E_FAIL.
    HRESULT Create(int x, int y, int nWidth, int nHeight, UINT nID, HWND hWndParent, HINSTANCE hInstance,
                   int nCmdShow);

    void Show(int nCmdShow);
    void Enable(BOOL bEnable);
    void SetOn(BOOL bOn);
    BOOL IsEnabled() const { return m_bEnabled; }
    bool IsVisible() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }
    // The mouse state, which the menu's keyboard walk also sets: a state it sets is treated exactly
    // as one the mouse set. Setting it repaints the button.
    int State() const { return m_nState; }
    void SetState(int nState);

    // The button whose window this is; null for any other window, live or gone.
    static CImageButton* FromHandle(HWND hWnd);

    int m_nState = STATE_NORMAL;
    HWND m_hWnd = nullptr;
    UINT m_nID = 0;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    HWND m_hWndParent = nullptr;
    Gdiplus::Image* m_pImgOnNormal = nullptr;
    Gdiplus::Image* m_pImgOnPressed = nullptr;
    Gdiplus::Image* m_pImgOnHover = nullptr;
    Gdiplus::Image* m_pImgOffNormal = nullptr;
    Gdiplus::Image* m_pImgOffPressed = nullptr;
    Gdiplus::Image* m_pImgOffHover = nullptr;
    BOOL m_bEnabled = TRUE;
    BOOL m_bOn = TRUE;
    int m_nWidth = 0;
    int m_nHeight = 0;

protected:
    // The picture of a face slot; null when it failed to load.
    Gdiplus::Image* Face(FaceSlot slot) const;
    // Draws an image stretched to the rectangle; nothing for a missing image.
    static void DrawStretched(Gdiplus::Graphics& graphics, Gdiplus::Image* pImage, int x, int y, int w, int h);
    // Loads one picture into a slot, replacing what it held; the slot stays empty when it fails.
    static void LoadSlot(Gdiplus::Image*& pSlot, HMODULE hResource, WORD nID);
    // Image size from the lit normal picture, and both flags set.
    void FinishLoad();

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void Invalidate(BOOL bErase) const;

    // Set while the button's own BeginPaint runs.
    bool m_bInBeginPaint = false;
};

// The battery button: its face with the battery percentage drawn over it in digit glyphs.
class CImageButtonBattery : public CImageButton {
public:
    CImageButtonBattery() = default;
    ~CImageButtonBattery() override;

    void Paint(HDC hdc) override;

    using CImageButton::LoadImages;
    // The six faces, then glyphs 0-9 and the percent sign from nFirstGlyph on.
    int LoadImages(HMODULE hResource, WORD nOnNormal, WORD nOnPressed, WORD nOnHover, WORD nOffNormal,
                   WORD nOffPressed, WORD nOffHover, WORD nFirstGlyph);

    // Takes the level from bits 20-27 of the menu status word; the caller repaints.
    void SetLevel(DWORD dwStatus);

    Gdiplus::Image* m_pGlyph[kGlyphCount] = {};
    int m_nOnes = 0;
    int m_nTens = 0;
    BOOL m_bFull = FALSE;
    BOOL m_bNoLevel = FALSE;
};
