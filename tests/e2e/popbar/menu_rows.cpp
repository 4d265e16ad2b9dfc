#include "menu_rows.h"

#include "menu_view.h"
#include "popbar_session.h"
#include "wait.h"
#include "x_input.h"

#include <cstdlib>

namespace popbar_e2e {

namespace {

constexpr COLORREF kLit = 0x2F7DE1;
constexpr COLORREF kUnlit = 0x3A3F48;

// The plain fill patch of a face, clear of its words.
POINT FillPatch(const RECT& menu, int row, int column)
{
    return {menu.left + 128 + column * 102 + 5, menu.top + 9 + row * 41 + 5};
}

bool Near(COLORREF actual, COLORREF expected)
{
    for (int shift : {0, 8, 16}) {
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 3)
            return false;
    }
    return true;
}

} // namespace

testing::AssertionResult RowShows(const RECT& menu, int row, bool bLeftLit, bool bRightLit)
{
    const POINT left = FillPatch(menu, row, 0);
    const POINT right = FillPatch(menu, row, 1);
    COLORREF seen[2] = {};
    const bool bShown = driver::WaitUntil(
        [&] {
            const DesktopShot shot;
            seen[0] = shot.Pixel(left.x, left.y);
            seen[1] = shot.Pixel(right.x, right.y);
            return Near(seen[0], bLeftLit ? kLit : kUnlit) && Near(seen[1], bRightLit ? kLit : kUnlit);
        },
        5000);
    if (bShown)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "row " << row << " shows " << std::hex << seen[0] << " and " << seen[1];
}

bool PressButton(HWND hWndMenu, UINT nID)
{
    RECT menu{};
    ::GetWindowRect(hWndMenu, &menu);
    return driver::ClickMenuButton(hWndMenu, nID) && driver::MovePointer({menu.left - 100, menu.bottom + 100});
}

} // namespace popbar_e2e
