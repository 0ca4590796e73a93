#include "skin/data/SkinBitmapCopy.h"

void CopyBitmapRect(TBitmap& Source, const RECT& R, TBitmap& Target) {
  const int w = R.right - R.left;
  const int h = R.bottom - R.top;
  Target.SetSize(0, 0);
  Target.SetPixelFormat(pf24bit);
  if (w <= 0 || h <= 0) return;
  Target.SetSize(w, h);
  if (Source.Empty()) return;
  // GDI clips the source rectangle to the picture, so nothing outside it is read.
  BitBlt(Target.Canvas()->Handle(), 0, 0, w, h, Source.Canvas()->Handle(), R.left, R.top, SRCCOPY);
}

void MakeFilledBitmap(TBitmap& Target, int W, int H, TColor Color) {
  Target.SetSize(0, 0);
  Target.SetPixelFormat(pf24bit);
  if (W <= 0 || H <= 0) return;
  Target.SetSize(W, H);
  TCanvas& c = *Target.Canvas();
  c.Brush()->SetColor(Color);
  c.FillRect(RECT{0, 0, W, H});
}
