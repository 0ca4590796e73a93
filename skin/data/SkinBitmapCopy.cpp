#include "skin/data/SkinBitmapCopy.h"

#include <algorithm>

#include "framework/bmp/BmpPixels.h"

namespace {

// Depths whose colours a copy reads exactly as GDI hands them to a 24-bit target.
bool ReadsExactly(int Bits) {
  return Bits == 1 || Bits == 4 || Bits == 8 || Bits == 24 || Bits == 32;
}

// Pixel by pixel through the pictures, without a device context: one new picture for the target.
void CopyPixels(const bmp::Image& From, const RECT& R, TBitmap& Target) {
  const int W = R.right - R.left;
  const int H = R.bottom - R.top;
  bmp::Image To;
  To.Allocate(W, H, 24);  // black where R leaves the source
  const int X0 = std::max<int>(0, R.left), X1 = std::min<int>(From.width, R.right);
  const int Y0 = std::max<int>(0, R.top), Y1 = std::min<int>(From.height, R.bottom);
  for (int Y = Y0; Y < Y1; ++Y) {
    std::uint8_t* Line = To.Row(Y - R.top);
    for (int X = X0; X < X1; ++X) {
      const bmp::Rgb C = bmp::GetPixel(From, X, Y);
      std::uint8_t* P = Line + 3 * (X - R.left);
      P[0] = bmp::BlueOf(C);
      P[1] = bmp::GreenOf(C);
      P[2] = bmp::RedOf(C);
    }
  }
  Target.FromImage(std::move(To));
}

}  // namespace

void CopyBitmapRect(const bmp::Image& Source, const RECT& R, TBitmap& Target) {
  const bool Empty = Source.width <= 0 || Source.height <= 0;
  if (R.right - R.left > 0 && R.bottom - R.top > 0 && !Empty && ReadsExactly(Source.bitCount)) {
    CopyPixels(Source, R, Target);
    return;
  }
  TBitmap Bitmap;
  if (!Empty) Bitmap.FromImage(Source);
  CopyBitmapRect(Bitmap, R, Target);
}

void CopyBitmapRect(TBitmap& Source, const RECT& R, TBitmap& Target) {
  const int W = R.right - R.left;
  const int H = R.bottom - R.top;
  if (W > 0 && H > 0 && !Source.Empty() && ReadsExactly(Source.BitCount())) {
    CopyPixels(Source.ToImage(), R, Target);
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

bmp::Image Pixels24(TBitmap& Source) {
  bmp::Image Picture = Source.ToImage();
  if (Picture.bitCount == 24 && Picture.masks == bmp::BitMasks{}) return Picture;
  if (Picture.width <= 0 || Picture.height <= 0) {
    Picture.bitCount = 24;
    Picture.masks = {};
    Picture.palette.clear();
    return Picture;
  }
  return bmp::ConvertBitCount(Picture, 24, {});
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
