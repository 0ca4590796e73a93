// Bitmaps of the Windows tests: pixels read through scan lines, bitmaps filled with one colour.
#pragma once

#include <windows.h>

#include "framework/win/graphics/Graphics.h"
#include "tests/support/Handles.h"

namespace gfxtest {

// The colour of a bitmap pixel read through its scan line (0x00BBGGRR).
TColor PixelAt(TBitmap& Bitmap, int X, int Y);
// A 24-bit bitmap filled with one colour.
void Fill(TBitmap& Bitmap, TColor Color);
using testsupport::GdiObjects;

}  // namespace gfxtest
