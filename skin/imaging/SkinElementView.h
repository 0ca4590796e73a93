// The fields of a skin element record that the painters read, gathered so that an element can be
// handed to them in one piece without the painters knowing the record classes.
#pragma once

#include <windows.h>

#include "framework/win/graphics/Graphics.h"
#include "skin/imaging/SkinPaint.h"

struct TSkinElementView {
  TBitmap* Bitmap = nullptr;
  RECT Margins{};      // widths of the left, top, right and bottom slices
  int FrameCount = 1;  // frames in Bitmap, numbered from 1
  int Trans = 0;       // 1: magenta is transparent; any other value: opaque
  int Tile = 0;        // non-zero: middle parts tiled instead of stretched

  bool Transparent() const { return Trans == 1; }
};

namespace skin::detail {
inline RECT MarginsOf(const RECT& M) {
  return M;
}
template <class M>
requires requires(const M& Margins) {
  Margins.Left + Margins.Top + Margins.Right + Margins.Bottom;
}
RECT MarginsOf(const M& Margins) {
  return RECT{static_cast<LONG>(Margins.Left), static_cast<LONG>(Margins.Top),
              static_cast<LONG>(Margins.Right), static_cast<LONG>(Margins.Bottom)};
}
template <class B>
TBitmap* BitmapOf(B* Bitmap) {
  return Bitmap;
}
template <class B>
TBitmap* BitmapOf(const B& Owner) requires requires {
  Owner.get();
}
{ return Owner.get(); }
}  // namespace skin::detail

// Any record with the fields Bitmap (TBitmap* or an owning pointer), Margins (RECT or a rectangle
// with Left/Top/Right/Bottom), FrameCount, Trans and Tile.
template <class TElement>
TSkinElementView ElementView(const TElement& E) {
  return TSkinElementView{skin::detail::BitmapOf(E.Bitmap), skin::detail::MarginsOf(E.Margins),
                          static_cast<int>(E.FrameCount), static_cast<int>(E.Trans),
                          static_cast<int>(E.Tile)};
}

// The usual ways an element is drawn: nine slices with its own transparency and tiling, its eight
// border slices, or its whole frame stretched or centred.
inline void DrawElement(HDC DC, const RECT& R, const TSkinElementView& E, int FrameIndex, int Vertical = 0) {
  DrawRect2(DC, R, E.Bitmap, E.Margins, FrameIndex, E.FrameCount, E.Transparent(), E.Tile, Vertical);
}
inline void DrawElementBorder(HDC DC, const RECT& R, const TSkinElementView& E, int FrameIndex,
                              int Vertical = 0) {
  DrawBorder(DC, R, E.Bitmap, E.Margins, FrameIndex, E.FrameCount, 0, Vertical);
}
inline void DrawElementStretched(HDC DC, const RECT& R, const TSkinElementView& E, int FrameIndex) {
  DrawRect1(DC, R, E.Bitmap, FrameIndex, E.FrameCount, E.Transparent());
}
inline void DrawElementCentred(HDC DC, const RECT& R, const TSkinElementView& E, int FrameIndex) {
  DrawRect3(DC, R, E.Bitmap, FrameIndex, E.FrameCount, E.Transparent());
}
