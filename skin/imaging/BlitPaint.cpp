// Plain, tiled and key-colour copies of whole bitmaps: DrawBGbmp, DrawTranmap and Bitmapdraw.
#include <algorithm>

#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;
using namespace skin::paint;

void DrawBGbmp(TCanvas* Canvas, const RECT& Target, TBitmap* Source, const RECT& SourceRect) {
  const HDC source = SourceDC(Source);
  const long long tw = static_cast<long long>(SourceRect.right) - SourceRect.left;
  const long long th = static_cast<long long>(SourceRect.bottom) - SourceRect.top;
  if (!Canvas || !source || tw <= 0 || th <= 0) return;
  // Tiles come straight from the source rectangle; the canvas's clip box bounds the work.
  TileCopy(Canvas->Handle(), ToSkin(Target), source, ToSkin(SourceRect));
}

namespace {

void DrawTranmapBy(HDC DC, const RECT& R, TBitmap* Source, TColor Key, TKeyMethod Method) {
  int w = 0, h = 0;
  const HDC source = SourceDC(Source);
  if (!DC || !source || !TargetExtent(R, w, h)) return;
  w = std::min(w, Source->Width());
  h = std::min(h, Source->Height());
  KeyedCopy(DC, R.left, R.top, w, h, source, 0, 0, ColorToRGB(Key), Method);
}

}  // namespace

void DrawTranmapWith(HDC DC, const RECT& R, TBitmap* Source, TColor Key, bool UseMaskBlt) {
  DrawTranmapBy(DC, R, Source, Key, UseMaskBlt ? TKeyMethod::MaskBlt : TKeyMethod::Xor);
}

void DrawTranmap(HDC DC, const RECT& R, TBitmap* Source, TColor Key) {
  DrawTranmapBy(DC, R, Source, Key, KeyMethod());
}

void Bitmapdraw(HDC DC, const RECT& R, TBitmap* Bitmap) {
  int w = 0, h = 0;
  const HDC source = SourceDC(Bitmap);
  if (!DC || !source || !TargetExtent(R, w, h)) return;
  w = std::min(w, Bitmap->Width());
  h = std::min(h, Bitmap->Height());
  const HPALETTE palette = Bitmap->Palette();  // built on demand for indexed bitmaps
  HPALETTE previous = nullptr;
  if (palette) {
    previous = SelectPalette(DC, palette, TRUE);
    RealizePalette(DC);
  }
  BitBlt(DC, R.left, R.top, w, h, source, 0, 0, SRCCOPY);
  if (previous) SelectPalette(DC, previous, TRUE);
}
