// Plain, tiled and key-colour copies of whole bitmaps: DrawBGbmp, DrawTranmap and Bitmapdraw.
#include <algorithm>

#include "skin/imaging/PaintSupport.h"
#include "skin/imaging/SkinPaint.h"

using namespace skin;
using namespace skin::paint;

void DrawBGbmp(TCanvas* Canvas, const RECT& Target, TBitmap* Source, const RECT& SourceRect) {
  const HDC SourceContext = SourceDC(Source);
  const long long Tw = static_cast<long long>(SourceRect.right) - SourceRect.left;
  const long long Th = static_cast<long long>(SourceRect.bottom) - SourceRect.top;
  if (!Canvas || !SourceContext || Tw <= 0 || Th <= 0) return;
  // Tiles come straight from the source rectangle; the canvas's clip box bounds the work.
  TileCopy(Canvas->Handle(), ToSkin(Target), SourceContext, ToSkin(SourceRect));
}

namespace {

void DrawTranmapBy(HDC DC, const RECT& R, TBitmap* Source, TColor Key, TKeyMethod Method) {
  int W = 0, H = 0;
  const HDC SourceContext = SourceDC(Source);
  if (!DC || !SourceContext || !TargetExtent(R, W, H)) return;
  W = std::min(W, Source->Width());
  H = std::min(H, Source->Height());
  KeyedCopy(DC, R.left, R.top, W, H, SourceContext, 0, 0, ColorToRGB(Key), Method);
}

}  // namespace

void DrawTranmapWith(HDC DC, const RECT& R, TBitmap* Source, TColor Key, bool UseMaskBlt) {
  DrawTranmapBy(DC, R, Source, Key, UseMaskBlt ? TKeyMethod::MaskBlt : TKeyMethod::Xor);
}

void DrawTranmap(HDC DC, const RECT& R, TBitmap* Source, TColor Key) {
  DrawTranmapBy(DC, R, Source, Key, KeyMethod());
}

void Bitmapdraw(HDC DC, const RECT& R, TBitmap* Bitmap) {
  int W = 0, H = 0;
  const HDC Source = SourceDC(Bitmap);
  if (!DC || !Source || !TargetExtent(R, W, H)) return;
  W = std::min(W, Bitmap->Width());
  H = std::min(H, Bitmap->Height());
  const HPALETTE BitmapPalette = Bitmap->Palette();  // built on demand for indexed bitmaps
  HPALETTE Previous = nullptr;
  if (BitmapPalette) {
    Previous = SelectPalette(DC, BitmapPalette, TRUE);
    RealizePalette(DC);
  }
  BitBlt(DC, R.left, R.top, W, H, Source, 0, 0, SRCCOPY);
  if (Previous) SelectPalette(DC, Previous, TRUE);
}
