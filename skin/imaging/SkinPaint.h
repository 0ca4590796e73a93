// Painting primitives of skin elements: frame selection from a strip, slicing by margins, copying,
// stretching or tiling the slices into a target, key-colour transparency, and window regions from
// bitmaps. Every function takes the element's fields directly (bitmap, Margins, FrameIndex,
// FrameCount, Trans, Tile, ...); skin/imaging/SkinElementView.h adapts element records.
//
// Conventions: R is the target rectangle (W = right - left, H = bottom - top); Margins holds the
// widths of the left, top, right and bottom slices; frames are numbered from 1. Flags are ints
// where 0 means off. A FrameCount below 1 reads the bitmap as one frame and a FrameIndex outside
// 1..FrameCount is clamped to the nearest frame. Slices never read outside their frame. A missing
// or empty source bitmap draws nothing. Transparent output leaves the target untouched where the
// source is clFuchsia.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/win/graphics/Graphics.h"

class TControl;

// Nine-slice rendering of a frame into a new W by H bitmap (screen format, owned by the caller).
// Margins that do not fit the target collapse to 0 per axis; with Tile the centre is tiled. An
// inverted R gives an empty bitmap.
std::unique_ptr<TBitmap> GetHMap(const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                                 int FrameCount, int Tile, int Vertical);

// GetHMap's rendering drawn into R, opaque or with the key colour transparent.
void DrawRect2(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int Transparent, int Tile, int Vertical);

// The eight border slices of the nine-slice rendering, without the centre, straight onto DC (whose
// stretch mode becomes COLORONCOLOR).
void DrawBorder(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
                int Spare = 0, int Vertical = 0);

// Three slices along X from Margins.Left and Margins.Right, the middle tiled. An element whose
// margins leave no middle is stretched whole over R.
void DrawRectTile(TCanvas* Canvas, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                  int FrameCount, int Transparent, int Vertical);

// Three slices stretched straight onto DC (its own stretch mode, no key colour): along X from
// Margins.Left/Right, or along Y from Margins.Top/Bottom. A target narrower (lower) than the frame
// gets the whole frame stretched.
void DrawRectH(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int Spare = 0, int Vertical = 0);
void DrawRectV(HDC DC, const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex, int FrameCount,
               int Spare = 0, int Vertical = 0);

// Scroll thumb: three slices along Y (Margins.Top/Bottom) of a horizontal-strip frame into a new W
// by H bitmap. With Vertical non-zero the bitmap is returned undrawn (no horizontal counterpart).
std::unique_ptr<TBitmap> GetThumbMap(const RECT& R, TBitmap* Source, const RECT& Margins, int FrameIndex,
                                     int FrameCount, int Spare = 0, int Vertical = 0);

// The whole frame of a horizontal strip stretched over R (default stretch mode of a memory DC).
void DrawRect1(HDC DC, const RECT& R, TBitmap* Source, int FrameIndex, int FrameCount, int Transparent);

// The whole frame of a horizontal strip unscaled, centred in R (overhanging it when larger).
void DrawRect3(HDC DC, const RECT& R, TBitmap* Source, int FrameIndex, int FrameCount, int Transparent);

// SourceRect of Source tiled over Target from its top-left; the last column and row overrun Target.
void DrawBGbmp(TCanvas* Canvas, const RECT& Target, TBitmap* Source, const RECT& SourceRect);

// Source drawn unscaled at R's top-left (at most W by H, never past the source's own size), pixels
// of Key leaving the target untouched.
void DrawTranmap(HDC DC, const RECT& R, TBitmap* Source, TColor Key);

// Plain copy of Bitmap to R's top-left (at most its own size), through its palette when it has one.
void Bitmapdraw(HDC DC, const RECT& R, TBitmap* Bitmap);

// Makes a control look transparent: its parent paints itself (WM_ERASEBKGND, then WM_PAINT with
// DC as first parameter) into DC, shifted and clipped to the control's client area.
void DrawParentImage(TControl* Control, HDC DC, bool Spare = false);
// The same for any child window position: Left/Top in the parent's client coordinates.
void DrawParentImage(HWND Parent, int Left, int Top, const RECT& ClientRect, HDC DC,
                     bool SwallowErrors = false);

// A region (owned by the caller) of every pixel whose colour lies outside Key..Key + tolerance per
// channel (capped at 255), moved by (XOffset, YOffset). Empty for a bitmap with no opaque pixel.
// Bitmap is read as 32-bit pixels; it is left as it was.
HRGN BitmapToRegion(TBitmap* Bitmap, int XOffset, int YOffset, TColor Key, std::uint8_t RedTolerance,
                    std::uint8_t GreenTolerance, std::uint8_t BlueTolerance);

inline int Min(int A, int B) {
  return A < B ? A : B;
}
inline int Max(int A, int B) {
  return A > B ? A : B;
}

// The same transparent copy through a monochrome mask, with a masked blit or the three-pass
// XOR/AND/XOR form. DrawTranmap copies on the source's rows where it can, with the same pixels.
void DrawTranmapWith(HDC DC, const RECT& R, TBitmap* Source, TColor Key, bool UseMaskBlt);
