#include "tests/support/Bitmaps.h"

#include "framework/bmp/BmpPixels.h"

namespace gfxtest {

TColor PixelAt(TBitmap& Bitmap, int X, int Y) {
  const bmp::Image format = [&] {
    bmp::Image image = Bitmap.ToImage();
    image.pixels.clear();
    return image;
  }();
  const auto* row = static_cast<const uint8_t*>(Bitmap.ScanLine(Y));
  const bmp::Rgb c = bmp::ReadPixel(row, X, format.bitCount, format.masks, format.palette);
  return RGB(bmp::RedOf(c), bmp::GreenOf(c), bmp::BlueOf(c));
}

void Fill(TBitmap& Bitmap, TColor Color) {
  Bitmap.Canvas()->Brush()->SetColor(Color);
  Bitmap.Canvas()->FillRect(RECT{0, 0, Bitmap.Width(), Bitmap.Height()});
}

}  // namespace gfxtest
