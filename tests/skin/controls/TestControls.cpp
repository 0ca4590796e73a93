#include "tests/skin/controls/TestControls.h"

namespace ctltest {

COLORREF GlyphColor(int Glyph) {
  return RGB(200, 30 * Glyph, 60);
}

std::unique_ptr<TBitmap> MakeGlyph(int W, int H, int Glyphs) {
  auto Bitmap = std::make_unique<TBitmap>(W * Glyphs, H);
  HDC DC = Bitmap->Canvas()->Handle();
  for (int G = 0; G < Glyphs; ++G) {
    HBRUSH Brush = CreateSolidBrush(GlyphColor(G + 1));
    const RECT R{G * W, 0, (G + 1) * W, H};
    FillRect(DC, &R, Brush);
    DeleteObject(Brush);
  }
  // The transparent colour of a glyph is the strip's bottom-left pixel.
  SetPixel(DC, 0, H - 1, RGB(0, 128, 128));
  for (int G = 1; G < Glyphs; ++G) SetPixel(DC, G * W, H - 1, RGB(0, 128, 128));
  return Bitmap;
}

}  // namespace ctltest
