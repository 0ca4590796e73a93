// Pixel-exact copies between skin bitmaps, for the elements that are cut out of or built from
// others. Results are 24 bits per pixel so magenta keys stay exact whatever the screen depth.
#pragma once

#include <windows.h>

#include "framework/win/graphics/Bitmap.h"

// Target becomes a 24-bit picture of R's size holding that rectangle of Source. Parts of R outside
// Source are black; an empty R leaves Target empty.
void CopyBitmapRect(TBitmap& Source, const RECT& R, TBitmap& Target);
// The same from a decoded picture, without a bitmap for the source.
void CopyBitmapRect(const bmp::Image& Source, const RECT& R, TBitmap& Target);

// Source's pixels at 24 bits per pixel, converted as SetPixelFormat(pf24bit) converts them, without
// changing Source.
bmp::Image Pixels24(TBitmap& Source);

// Target becomes a 24-bit W x H picture filled with Color.
void MakeFilledBitmap(TBitmap& Target, int W, int H, TColor Color);
