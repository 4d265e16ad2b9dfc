// The sheet's layout: every cell and label on the sheet and clear of the others, for any sizes; the
// whole-menu cells in face order.
#include "menu/status_looks.h"
#include "sheet_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool Overlap(const RECT& a, const RECT& b)
{
    RECT both{};
    return ::IntersectRect(&both, &a, &b) != FALSE;
}

TEST(SheetLayout, CellsLieOnTheSheetApartFromEachOtherAndFromTheirLabels)
{
    constexpr int kRows = 10;
    const struct {
        SIZE menu, button, battery;
    } cases[] = {
        {{340, 335}, {202, 30}, {100, 30}}, // the default skin
        {{120, 900}, {40, 12}, {300, 80}},  // a narrow tall menu, small buttons, a wide battery
        {{1, 1}, {0, 0}, {0, 0}},           // nothing there to draw
    };
    for (const auto& c : cases) {
        const SheetGeometry geometry(c.menu, c.button, c.battery, kRows);
        std::vector<RECT> cells;
        for (int nFace = 0; nFace < kDisplayFaceCount; ++nFace)
            cells.push_back(geometry.MenuCell(nFace));
        for (int nRow = 0; nRow < kRows; ++nRow) {
            cells.push_back(geometry.RowName(nRow));
            for (int nColumn = 0; nColumn < kLookColumnCount; ++nColumn)
                cells.push_back(geometry.TableCell(nRow, nColumn));
        }
        for (int nCell = 0; nCell < kBatteryCellCount; ++nCell)
            cells.push_back(geometry.BatteryCell(nCell));
        const SIZE sheet = geometry.Sheet();
        for (size_t a = 0; a < cells.size(); ++a) {
            const RECT& rc = cells[a];
            EXPECT_TRUE(rc.left >= 0 && SheetGeometry::LabelAbove(rc).y >= 0 && rc.right <= sheet.cx &&
                        rc.bottom <= sheet.cy)
                << c.menu.cx << " x " << c.menu.cy << ": cell " << a;
            for (size_t b = a + 1; b < cells.size(); ++b)
                EXPECT_FALSE(Overlap(rc, cells[b])) << c.menu.cx << " x " << c.menu.cy << ": cells " << a << ", " << b;
        }
        // Labels one line above a cell lie below whatever comes before it.
        EXPECT_GT(SheetGeometry::LabelAbove(geometry.MenuCell(0)).y, geometry.MenuHeading().y);
        EXPECT_GT(SheetGeometry::LabelAbove(geometry.TableCell(0, 0)).y, geometry.TableHeading().y);
        EXPECT_GT(geometry.TableHeading().y, geometry.MenuCell(0).bottom);
        EXPECT_GT(geometry.BatteryHeading().y, SheetGeometry::LabelBelow(geometry.TableCell(kRows - 1, 0)).y);
        EXPECT_GT(SheetGeometry::LabelAbove(geometry.BatteryCell(0)).y, geometry.BatteryHeading().y);
    }
}

TEST(SheetLayout, TheWholeMenuCellsShowTheDisplayFacesInOrderAtTheMenusSize)
{
    const SheetGeometry geometry({340, 335}, {202, 30}, {100, 30}, 10);
    for (int nFace = 0; nFace < kDisplayFaceCount; ++nFace) {
        EXPECT_EQ(DisplayFaceSlot(kDisplayCells[nFace].nDisplay), nFace);
        const RECT cell = geometry.MenuCell(nFace);
        EXPECT_EQ(cell.right - cell.left, 340);
        EXPECT_EQ(cell.bottom - cell.top, 335);
    }
}

} // namespace
