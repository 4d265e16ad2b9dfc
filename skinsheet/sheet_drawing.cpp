#include "sheet_drawing.h"

#include "controls/button_face.h"
#include "picture_roles.h"
#include "pixel_canvas.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

constexpr COLORREF kPaper = RGB(0xE8, 0xE8, 0xE8);
constexpr COLORREF kInk = RGB(0x20, 0x20, 0x20);

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring Hex(DWORD nValue)
{
    wchar_t szText[16] = {};
    ::swprintf(szText, 16, L"0x%lX", static_cast<unsigned long>(nValue));
    return szText;
}

// Labels in one face, regular or bold.
class CLabels {
public:
    explicit CLabels(HDC hdc)
        : m_hdc(hdc), m_regular(MakeFont(FW_NORMAL)), m_bold(MakeFont(FW_BOLD)), m_selected(hdc, m_regular.get())
    {
        ::SetBkMode(hdc, TRANSPARENT);
        ::SetTextColor(hdc, kInk);
    }
    void Text(POINT at, const std::wstring& text, bool bBold = false) const
    {
        ::SelectObject(m_hdc, bBold ? m_bold.get() : m_regular.get());
        ::TextOutW(m_hdc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
    }
    // Broken into lines at blanks to fit the box's width.
    void Wrapped(RECT box, const std::wstring& text) const
    {
        ::SelectObject(m_hdc, m_regular.get());
        ::DrawTextW(m_hdc, text.c_str(), static_cast<int>(text.size()), &box, DT_WORDBREAK | DT_NOPREFIX);
    }

private:
    static HFONT MakeFont(int nWeight)
    {
        return ::CreateFontW(-13, 0, 0, 0, nWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    }

    HDC m_hdc;
    fw::unique_hfont m_regular;
    fw::unique_hfont m_bold;
    fw::select_object_scope m_selected;
};

// The menu as it looks now, put together off the sheet; cells are copied out of it.
class CMenuView {
public:
    explicit CMenuView(CSheetMenu& menu) : m_menu(menu), m_canvas(menu.Size().cx, menu.Size().cy) {}
    // Puts the menu together and copies the source rectangle of it to the cell.
    void CopyTo(HDC hdc, const RECT& cell, const RECT& source)
    {
        if (!m_canvas)
            return;
        m_menu.Paint(m_canvas.dc());
        ::BitBlt(hdc, cell.left, cell.top, source.right - source.left, source.bottom - source.top, m_canvas.dc(),
                 source.left, source.top, SRCCOPY);
    }

private:
    CSheetMenu& m_menu;
    fw::PixelCanvas m_canvas;
};

SIZE SizeOf(const RECT& rc)
{
    return {rc.right - rc.left, rc.bottom - rc.top};
}

void DrawMenus(CSheetMenu& menu, CMenuView& view, const SheetGeometry& geometry, const CLabels& labels, HDC hdc)
{
    labels.Text(geometry.MenuHeading(),
                L"The menu as Popbar draws it in each display mode: wired LAN and wireless on, Bluetooth off, "
                L"battery 42 % (status word " + Hex(kSheetMenuStatus) + L")",
                true);
    const SIZE size = menu.Size();
    for (int nFace = 0; nFace < kDisplayFaceCount; ++nFace) {
        const DisplayCell& cell = kDisplayCells[nFace];
        menu.Show(kSheetMenuStatus, cell.nDisplay);
        const RECT rc = geometry.MenuCell(nFace);
        labels.Text(SheetGeometry::LabelAbove(rc), Wide(cell.pszName) + L" (Display " + Hex(cell.nDisplay) + L")");
        view.CopyTo(hdc, rc, {0, 0, size.cx, size.cy});
    }
}

// What a screen reader says of the buttons of these slots, as the menu shows them now, each in quotes.
std::wstring SpokenNames(const CSheetMenu& menu, const std::vector<int>& slots)
{
    std::wstring spoken;
    for (int nSlot : slots) {
        const std::wstring name = AccessibleName(::GetModuleHandleW(nullptr), ButtonFacts(menu.Button(nSlot).View()));
        spoken += (spoken.empty() ? L"\u201C" : L", \u201C") + name + L"\u201D";
    }
    return spoken;
}

void DrawButtonTable(CSheetMenu& menu, CMenuView& view, const SheetGeometry& geometry, const CLabels& labels,
                     HDC hdc)
{
    labels.Text(geometry.TableHeading(),
                L"Every button in each look (under each: the picture it shows; beside: what a screen reader says)", true);
    for (int nColumn = 0; nColumn < kLookColumnCount; ++nColumn)
        labels.Text(SheetGeometry::LabelAbove(geometry.TableCell(0, nColumn)), Wide(kLookColumns[nColumn].pszName));
    const std::vector<ButtonRow> rows = ButtonTableRows();
    for (size_t nRow = 0; nRow < rows.size(); ++nRow) {
        const int nSlot = rows[nRow].nSlot;
        // A display-mode face shows in its own display mode.
        const DWORD nDisplay = nSlot < kDisplayFaceCount ? kDisplayCells[nSlot].nDisplay : kDisplayCells[0].nDisplay;
        menu.Show(kSheetMenuStatus, nDisplay);
        labels.Wrapped(geometry.RowName(static_cast<int>(nRow)), SpokenNames(menu, rows[nRow].slots));
        for (int nColumn = 0; nColumn < kLookColumnCount; ++nColumn) {
            const LookColumn& look = kLookColumns[nColumn];
            menu.Show(kSheetMenuStatus, nDisplay);
            CImageButton& button = menu.Button(nSlot);
            button.SetOn(look.bOn);
            button.SetState(look.nState);
            const RECT cell = geometry.TableCell(static_cast<int>(nRow), nColumn);
            view.CopyTo(hdc, cell, menu.ButtonRect(nSlot));
            const WORD nPicture = FacePicture(kButtonTable[nSlot], ChooseFace(look.bOn, true, look.nState));
            labels.Text(SheetGeometry::LabelBelow(cell), std::to_wstring(nPicture));
        }
    }
}

void DrawBattery(CSheetMenu& menu, CMenuView& view, const SheetGeometry& geometry, const CLabels& labels, HDC hdc)
{
    labels.Text(geometry.BatteryHeading(), L"The battery", true);
    for (int nCell = 0; nCell < kBatteryCellCount; ++nCell) {
        const BatteryLook& look = kBatteryLooks[nCell];
        menu.Show(look.nStatus, kDisplayCells[0].nDisplay);
        menu.Button(kBatterySlot).SetState(look.nState);
        const RECT cell = geometry.BatteryCell(nCell);
        labels.Text(SheetGeometry::LabelAbove(cell), Wide(look.pszName));
        view.CopyTo(hdc, cell, menu.ButtonRect(kBatterySlot));
        labels.Text(SheetGeometry::LabelBelow(cell), SpokenNames(menu, {kBatterySlot}));
    }
}

} // namespace

SheetGeometry SheetGeometryOf(const CSheetMenu& menu)
{
    SIZE button{0, 0};
    for (const ButtonRow& row : ButtonTableRows()) {
        const SIZE size = SizeOf(menu.ButtonRect(row.nSlot));
        button = {std::max(button.cx, size.cx), std::max(button.cy, size.cy)};
    }
    return SheetGeometry(menu.Size(), button, SizeOf(menu.ButtonRect(kBatterySlot)),
                         static_cast<int>(ButtonTableRows().size()));
}

void DrawSheet(CSheetMenu& menu, const SheetGeometry& geometry, const std::wstring& title, HDC hdc)
{
    const SIZE sheet = geometry.Sheet();
    const RECT whole{0, 0, sheet.cx, sheet.cy};
    const fw::unique_hbrush paper(::CreateSolidBrush(kPaper));
    ::FillRect(hdc, &whole, paper.get());

    const CLabels labels(hdc);
    labels.Text(geometry.Title(), title, true);
    CMenuView view(menu);
    DrawMenus(menu, view, geometry, labels, hdc);
    DrawButtonTable(menu, view, geometry, labels, hdc);
    DrawBattery(menu, view, geometry, labels, hdc);
}
