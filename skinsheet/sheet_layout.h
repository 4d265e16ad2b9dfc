#pragma once
// What the sheet shows and where: the whole menu in each display mode, a table of every button in
// each look, and the battery at several levels, each cell labelled.
#include "menu/menu_layout.h"
#include "protocol/screen_hub.h"

#include <windows.h>

// The state of the whole-menu cells: wired LAN and wireless on, Bluetooth off, the battery at 42 %;
// the screen pair opens on ON, and the resolution pair is available.
constexpr DWORD kSheetMenuStatus = STATUS_WIRED_LAN_ON | STATUS_WIRELESS_ON | (42u << kBatteryShift);
// The "Display" value of each whole-menu cell, one for each display-mode face, in face order, and
// what the mode is called.
struct DisplayCell {
    DWORD nDisplay;
    const char* pszName;
};
extern const DisplayCell kDisplayCells[kDisplayFaceCount];

// The table's columns: each look of a button, lit ones first.
struct LookColumn {
    bool bOn;
    int nState;
    const char* pszName;
};
constexpr int kLookColumnCount = 6;
extern const LookColumn kLookColumns[kLookColumnCount];

// The battery's cells: the status word the menu opens with, the mouse state, what it is called.
struct BatteryLook {
    DWORD nStatus;
    int nState;
    const char* pszName;
};
constexpr int kBatteryCellCount = 7;
extern const BatteryLook kBatteryLooks[kBatteryCellCount];

// Where everything goes, from the menu's size, the largest button's size and the battery's size.
// A cell's label sits one line above it; under a table cell, the id of the picture it shows.
class SheetGeometry {
public:
    SheetGeometry(SIZE menu, SIZE button, SIZE battery, int nTableRows);

    SIZE Sheet() const;
    POINT Title() const;
    POINT MenuHeading() const;
    RECT MenuCell(int nFace) const;
    POINT TableHeading() const;
    RECT TableCell(int nRow, int nColumn) const;
    // The box of the row's name, left of its cells.
    RECT RowName(int nRow) const;
    POINT BatteryHeading() const;
    RECT BatteryCell(int nCell) const;

    static POINT LabelAbove(const RECT& cell);
    static POINT LabelBelow(const RECT& cell);

private:
    int TableTop() const;
    int BatteryTop() const;
    int MenuColumnWidth() const;
    int ColumnWidth() const;
    int BatteryColumnWidth() const;

    SIZE m_menu;
    SIZE m_button;
    SIZE m_battery;
    int m_nTableRows;
};
