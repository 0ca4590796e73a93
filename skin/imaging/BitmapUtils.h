// Bitmap utilities that prepare skin pictures and colours: mirrors and turns (tab and progress
// images are stored once), key-colour replacement, grey conversion, colour mixing, gradient fills
// and saturation. Pixels are handled through scan lines, never per-pixel drawing calls.
//
// The mirrors and turns work in place on whole pixels of 24- and 32-bit bitmaps; a bitmap of any
// other depth is converted to 24 bits first. A missing or empty bitmap is left alone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/win/graphics/Graphics.h"

// 24-bit, each pixel replaced by the grey of the plain average (truncating).
void ConvertBitmapToGrayscale(TBitmap* Bitmap);

// 24-bit; every pixel that is exactly magenta takes Color's low three bytes (no system-colour
// lookup).
void ChangeTrans(TBitmap* Bitmap, TColor Color);

// Left-right and top-bottom mirrors.
void SpiegelnHorizontal(TBitmap* Bitmap);
void SpiegelnVertikal(TBitmap* Bitmap);
// Quarter turns in place (the bitmap becomes h wide and w high): clockwise, counter-clockwise.
void Drehen90Grad(TBitmap* Bitmap);
void Drehen270Grad(TBitmap* Bitmap);
void Drehen180Grad(TBitmap* Bitmap);

// A new bitmap turned counter-clockwise, for a 24-bit bitmap only (nullptr otherwise); the source
// is unchanged.
std::unique_ptr<TBitmap> Rotate90(TBitmap* Bitmap);

// Mixes two colours (system colours resolved): a weight below 100 is a percentage of C1, 100 and
// more counts in thousandths.
TColor Blend(TColor C1, TColor C2, std::int32_t P);

// Fills R with a gradient from C1 to C2, left to right (Kind 0) or top to bottom (otherwise). Only
// the bands inside the clip box are drawn; a width of 1 is the midpoint colour. Gradient tables of
// repeated fills come from a 16-slot cache.
void GradFill(HDC DC, const RECT& R, TColor C1, TColor C2, std::int32_t Kind);

// Saturation on a 0..255 scale; 200 for dark colours (all channels below 160).
std::int32_t GetHSV(TColor Color);
