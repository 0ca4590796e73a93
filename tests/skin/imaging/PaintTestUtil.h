// Helpers of the painter tests: bitmaps built and read through scan lines, reference renderings
// made with plain GDI calls.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/win/graphics/Graphics.h"
#include "tests/support/Handles.h"

namespace imgtest {

// A bitmap whose pixel (x, y) is Color(x, y); 24-bit unless said otherwise.
std::unique_ptr<TBitmap> MakeBitmap(int W, int H, const std::function<TColor(int, int)>& Color,
                                    TPixelFormat Format = pf24bit);
std::unique_ptr<TBitmap> Solid(int W, int H, TColor Color, TPixelFormat Format = pf24bit);

// Pixel (x, y) of a 24- or 32-bit bitmap as 0x00BBGGRR, read through its scan line.
TColor Px(TBitmap& B, int X, int Y);
void SetPx(TBitmap& B, int X, int Y, TColor Color);

// True when both bitmaps have the same size and pixels; Where names the first difference.
bool SamePixels(TBitmap& A, TBitmap& B, std::string* Where = nullptr);
// True when every pixel of R (inside B) has Color.
bool AllOf(TBitmap& B, const RECT& R, TColor Color, std::string* Where = nullptr);

// A frame of three columns and three rows of flat colours, so that any stretch of a region keeps
// its colour: region (col, row) of frame f is NineColour(f, col, row). Frames lie side by side.
TColor NineColour(int Frame, int Col, int Row);
std::unique_ptr<TBitmap> NineRegionStrip(int Frames, int FrameW, int FrameH, const RECT& Margins,
                                         bool VerticalStrip = false);

using testsupport::GdiObjects;

}  // namespace imgtest
