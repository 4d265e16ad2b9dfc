#pragma once
// The sheet drawn: every cell a view of the menu that Popbar's own painting code puts together.
#include "sheet_layout.h"
#include "sheet_menu.h"

#include <windows.h>

#include <string>

// Where the cells go for this menu's sizes.
SheetGeometry SheetGeometryOf(const CSheetMenu& menu);

// Draws the whole sheet into hdc (of the geometry's sheet size): the title, the menu in each display
// mode, the table of every button in each look, the battery's levels; the menu's looks are changed
// on the way.
void DrawSheet(CSheetMenu& menu, const SheetGeometry& geometry, const std::wstring& title, HDC hdc);
