#include "skin/data/SkinBitmapCopy.h"

#include <algorithm>

#include "framework/bmp/BmpPixels.h"

namespace {

// Depths whose colours a copy reads exactly as GDI hands them to a 24-bit target.
bool ReadsExactly(const TBitmap& Source) {
  const int Bits = Source.BitCount();
  return Bits == 1 || Bits == 4 || Bits == 8 || Bits == 24 || Bits == 32;
}

}  // namespace

void CopyBitmapRect(TBitmap& Source, const RECT& R, TBitmap& Target) {
  const int W = R.right - R.left;
  const int H = R.bottom - R.top;
  if (W > 0 && H > 0 && !Source.Empty() && ReadsExactly(Source)) {
    // Pixel by pixel through the pictures, without a device context on either bitmap: one new
    // picture for the target, and the source left as it was.
    const bmp::Image From = Source.ToImage();
    bmp::Image To;
    To.Allocate(W, H, 24);  // black where R leaves the source
    const int X0 = std::max<int>(0, R.left), X1 = std::min<int>(From.width, R.right);
    const int Y0 = std::max<int>(0, R.top), Y1 = std::min<int>(From.height, R.bottom);
    for (int Y = Y0; Y < Y1; ++Y) {
      std::uint8_t* TargetRow = To.Row(Y - R.top);
      for (int X = X0; X < X1; ++X) {
        const bmp::Rgb C = bmp::GetPixel(From, X, Y);
        std::uint8_t* P = TargetRow + 3 * (X - R.left);
        P[0] = bmp::BlueOf(C);
        P[1] = bmp::GreenOf(C);
        P[2] = bmp::RedOf(C);
      }
    }
    Target.FromImage(To);
    return;
  }
  Target.SetSize(0, 0);
  Target.SetPixelFormat(pf24bit);
  if (W <= 0 || H <= 0) return;
  Target.SetSize(W, H);
  if (Source.Empty()) return;
  // GDI clips the source rectangle to the picture, so nothing outside it is read.
  BitBlt(Target.Canvas()->Handle(), 0, 0, W, H, Source.Canvas()->Handle(), R.left, R.top, SRCCOPY);
}

void MakeFilledBitmap(TBitmap& Target, int W, int H, TColor Color) {
  Target.SetSize(0, 0);
  Target.SetPixelFormat(pf24bit);
  if (W <= 0 || H <= 0) return;
  Target.SetSize(W, H);
  TCanvas& C = *Target.Canvas();
  C.Brush()->SetColor(Color);
  C.FillRect(RECT{0, 0, W, H});
}
