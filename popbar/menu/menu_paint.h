#pragma once
// The menu's face: the background picture composed onto a dark fill, drawn in one go.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

// Draws the W x H face into hdc: the background stretched over an opaque (10, 10, 10) fill, so its
// clear and translucent pixels show the fill rather than what lies under the window. A missing
// background leaves the fill alone.
void PaintMenu(HDC hdc, Gdiplus::Image* pBackground, int nWidth, int nHeight);
