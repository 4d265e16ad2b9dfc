#pragma once
// The sheet written as a PNG file whole or not at all.
#include "pixel_canvas.h"

#include <string>

// Writes the canvas as PNG into a new file beside the path, then puts it in the path's place: a
// failure leaves no part of a sheet behind, and a sheet that was there stays as it was. Empty, or
// why it could not be written.
std::string SaveSheet(const fw::PixelCanvas& canvas, const std::wstring& path);
