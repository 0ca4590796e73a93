// Helpers shared by the graphics tests.
#pragma once

#include <windows.h>

#include "framework/win/graphics/Graphics.h"

namespace gfxtest {

// The colour of a bitmap pixel read through its scan line (0x00BBGGRR).
TColor PixelAt(TBitmap& Bitmap, int X, int Y);
// A 24-bit bitmap filled with one colour.
void Fill(TBitmap& Bitmap, TColor Color);
// GDI objects of this process, as the system counts them.
DWORD GdiObjects();

}  // namespace gfxtest
