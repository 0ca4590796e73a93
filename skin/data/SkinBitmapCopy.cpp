#include "skin/data/SkinBitmapCopy.h"

#include <algorithm>

#include "framework/bmp/BmpPixels.h"

namespace {

// Depths whose colours a copy reads exactly as GDI hands them to a 24-bit target.
bool ReadsExactly(const TBitmap& Source) {
  const int bits = Source.BitCount();
  return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

}  // namespace

void CopyBitmapRect(TBitmap& Source, const RECT& R, TBitmap& Target) {
  const int w = R.right - R.left;
  const int h = R.bottom - R.top;
  if (w > 0 && h > 0 && !Source.Empty() && ReadsExactly(Source)) {
    // Pixel by pixel through the pictures, without a device context on either bitmap: one new
    // picture for the target, and the source left as it was.
    const bmp::Image from = Source.ToImage();
    bmp::Image to;
    to.Allocate(w, h, 24);  // black where R leaves the source
    const int x0 = std::max<int>(0, R.left), x1 = std::min<int>(from.width, R.right);
    const int y0 = std::max<int>(0, R.top), y1 = std::min<int>(from.height, R.bottom);
    for (int y = y0; y < y1; ++y) {
      std::uint8_t* row = to.Row(y - R.top);
      for (int x = x0; x < x1; ++x) {
        const bmp::Rgb c = bmp::GetPixel(from, x, y);
        std::uint8_t* p = row + 3 * (x - R.left);
        p[0] = bmp::BlueOf(c);
        p[1] = bmp::GreenOf(c);
        p[2] = bmp::RedOf(c);
      }
    }
    Target.FromImage(to);
    return;
  }
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
