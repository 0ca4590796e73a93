#include "tests/support/Bitmaps.h"

#include "framework/bmp/BmpPixels.h"

namespace gfxtest {

TColor PixelAt(TBitmap& Bitmap, int X, int Y) {
  const bmp::Image Format = [&] {
    bmp::Image Picture = Bitmap.ToImage();
    Picture.pixels.clear();
    return Picture;
  }();
  const auto* Row = static_cast<const uint8_t*>(Bitmap.ScanLine(Y));
  const bmp::Rgb C = bmp::ReadPixel(Row, X, Format.bitCount, Format.masks, Format.palette);
  return RGB(bmp::RedOf(C), bmp::GreenOf(C), bmp::BlueOf(C));
}

void Fill(TBitmap& Bitmap, TColor Color) {
  Bitmap.Canvas()->Brush()->SetColor(Color);
  Bitmap.Canvas()->FillRect(RECT{0, 0, Bitmap.Width(), Bitmap.Height()});
}

}  // namespace gfxtest
