#include "sheet_layout.h"

#include "controls/button_face.h"

#include <algorithm>

namespace {

constexpr int kMargin = 16;
constexpr int kLine = 18;
constexpr int kGap = 16;
constexpr int kSectionGap = 24;
// The table's row names, and the narrowest column: room for the labels.
constexpr int kNameWidth = 300;
constexpr int kMinColumn = 170;
// A table row: the cell, the id under it, a little air.
constexpr int kRowExtra = kLine + 8;

RECT Cell(int x, int y, SIZE size)
{
    return {x, y, x + size.cx, y + size.cy};
}

} // namespace

const DisplayCell kDisplayCells[kDisplayFaceCount] = {
    {DISPLAY_LAPTOP, "laptop only"},
    {DISPLAY_MONITOR, "monitor only"},
    {DISPLAY_DUPLICATE, "duplicate"},
    {DISPLAY_EXTEND, "extend"},
};

const LookColumn kLookColumns[kLookColumnCount] = {
    {true, STATE_NORMAL, "lit"},   {true, STATE_HOVER, "lit, hovered"},   {true, STATE_PRESSED, "lit, pressed"},
    {false, STATE_NORMAL, "unlit"}, {false, STATE_HOVER, "unlit, hovered"}, {false, STATE_PRESSED, "unlit, pressed"},
};

const BatteryLook kBatteryLooks[kBatteryCellCount] = {
    {0u << kBatteryShift, STATE_NORMAL, "0 %"},
    {5u << kBatteryShift, STATE_NORMAL, "5 %"},
    {42u << kBatteryShift, STATE_NORMAL, "42 %"},
    {100u << kBatteryShift, STATE_NORMAL, "100 %"},
    {255u << kBatteryShift, STATE_NORMAL, "no level"},
    {42u << kBatteryShift, STATE_HOVER, "42 %, hovered"},
    {42u << kBatteryShift, STATE_PRESSED, "42 %, pressed"},
};

SheetGeometry::SheetGeometry(SIZE menu, SIZE button, SIZE battery, int nTableRows)
    : m_menu(menu), m_button(button), m_battery(battery), m_nTableRows(nTableRows)
{
}

SIZE SheetGeometry::Sheet() const
{
    const int nWidest = std::max({kDisplayFaceCount * MenuColumnWidth(),
                                  kNameWidth + kLookColumnCount * ColumnWidth(),
                                  kBatteryCellCount * BatteryColumnWidth()});
    // Under each battery cell, what a screen reader says of it.
    return {kMargin + nWidest, BatteryTop() + m_battery.cy + kLine + kMargin};
}

POINT SheetGeometry::Title() const
{
    return {kMargin, kMargin};
}

POINT SheetGeometry::MenuHeading() const
{
    return {kMargin, kMargin + kLine + 12};
}

RECT SheetGeometry::MenuCell(int nFace) const
{
    return Cell(kMargin + nFace * MenuColumnWidth(), MenuHeading().y + 2 * kLine, m_menu);
}

POINT SheetGeometry::TableHeading() const
{
    return {kMargin, MenuCell(0).bottom + kSectionGap};
}

int SheetGeometry::TableTop() const
{
    return TableHeading().y + 2 * kLine;
}

int SheetGeometry::MenuColumnWidth() const
{
    return std::max(static_cast<int>(m_menu.cx), kMinColumn) + kGap;
}

int SheetGeometry::ColumnWidth() const
{
    return std::max(static_cast<int>(m_button.cx), kMinColumn) + kGap;
}

RECT SheetGeometry::TableCell(int nRow, int nColumn) const
{
    return Cell(kMargin + kNameWidth + nColumn * ColumnWidth(), TableTop() + nRow * (m_button.cy + kRowExtra), m_button);
}

RECT SheetGeometry::RowName(int nRow) const
{
    const RECT cell = TableCell(nRow, 0);
    return {kMargin, cell.top, cell.left - kGap, cell.bottom + kLine};
}

POINT SheetGeometry::BatteryHeading() const
{
    // Below the last row's picture ids.
    const RECT last = TableCell(m_nTableRows - 1, 0);
    return {kMargin, LabelBelow(last).y + kLine + kSectionGap};
}

int SheetGeometry::BatteryTop() const
{
    return BatteryHeading().y + 2 * kLine;
}

int SheetGeometry::BatteryColumnWidth() const
{
    return std::max(static_cast<int>(m_battery.cx), kMinColumn) + kGap;
}

RECT SheetGeometry::BatteryCell(int nCell) const
{
    return Cell(kMargin + nCell * BatteryColumnWidth(), BatteryTop(), m_battery);
}

POINT SheetGeometry::LabelAbove(const RECT& cell)
{
    return {cell.left, cell.top - kLine};
}

POINT SheetGeometry::LabelBelow(const RECT& cell)
{
    return {cell.left, cell.bottom + 2};
}
