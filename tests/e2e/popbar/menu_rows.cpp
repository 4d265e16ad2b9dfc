#include "menu_rows.h"

#include "menu_view.h"
#include "popbar_session.h"
#include "wait.h"
#include "x_input.h"

#include <array>
#include <cstdlib>

namespace popbar_e2e {

namespace {

// Stands for either face of a row that is not looked at.
constexpr COLORREF kAnyFill = CLR_INVALID;

// The plain fill patch of a face, clear of its words.
POINT FillPatch(const RECT& menu, int row, int column)
{
    return {menu.left + 128 + column * 102 + 5, menu.top + 9 + row * 41 + 5};
}

// Waits until the row's left and right faces show these fills.
testing::AssertionResult FacesShow(const RECT& menu, int row, const std::array<COLORREF, 2>& fills)
{
    std::array<COLORREF, 2> seen{};
    const bool bShown = driver::WaitUntil(
        [&] {
            const driver::ScreenShot shot(menu);
            bool bAll = true;
            for (int column : {0, 1}) {
                const POINT patch = FillPatch(menu, row, column);
                seen[column] = shot.At(patch.x, patch.y);
                bAll = bAll && (fills[column] == kAnyFill || driver::Near(seen[column], fills[column]));
            }
            return bAll;
        },
        5000);
    if (bShown)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "row " << row << " shows " << std::hex << seen[0] << " and " << seen[1];
}

} // namespace

testing::AssertionResult RowShows(const RECT& menu, int row, bool bLeftLit, bool bRightLit)
{
    return FacesShow(menu, row, {bLeftLit ? kLitFill : kUnlitFill, bRightLit ? kLitFill : kUnlitFill});
}

testing::AssertionResult ButtonShows(const RECT& menu, int row, int column, COLORREF fill)
{
    return FacesShow(menu, row, {column == 0 ? fill : kAnyFill, column == 1 ? fill : kAnyFill});
}

bool PressButton(HWND hWndMenu, UINT nID)
{
    RECT menu{};
    ::GetWindowRect(hWndMenu, &menu);
    return driver::ClickMenuButton(hWndMenu, nID) && driver::MovePointer({menu.left - 100, menu.bottom + 100});
}

} // namespace popbar_e2e
