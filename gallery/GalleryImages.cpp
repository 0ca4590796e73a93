#include "gallery/GalleryImages.h"

#include <array>

#include "framework/core/Colors.h"
#include "framework/win/graphics/Canvas.h"

namespace {

// The key colour of glyphs: the engine and the framework take the bottom-left pixel as transparent.
constexpr TColor kKey = clOlive;

void Fill(TCanvas& Canvas, TColor Color, const RECT& R) {
  Canvas.Brush()->SetColor(Color);
  Canvas.FillRect(R);
}

void Outline(TCanvas& Canvas, TColor Pen, TColor Brush) {
  Canvas.Pen()->SetColor(Pen);
  Canvas.Brush()->SetColor(Brush);
}

void Draw(TCanvas& Canvas, TGalleryImage Image) {
  Fill(Canvas, kKey, {0, 0, 16, 16});
  switch (Image) {
    case giOpen: {  // a folder
      Outline(Canvas, clMaroon, clYellow);
      const std::array<POINT, 6> Folder{{{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 14}, {1, 14}}};
      Canvas.Polygon(Folder);
      break;
    }
    case giCut:  // two blades
      Outline(Canvas, clRed, clRed);
      Canvas.Pen()->SetWidth(2);
      Canvas.MoveTo(3, 2);
      Canvas.LineTo(12, 11);
      Canvas.MoveTo(12, 2);
      Canvas.LineTo(3, 11);
      Canvas.Pen()->SetWidth(1);
      Outline(Canvas, clRed, clWhite);
      Canvas.Ellipse(1, 10, 6, 15);
      Canvas.Ellipse(10, 10, 15, 15);
      break;
    case giCopy:  // two sheets
      Outline(Canvas, clNavy, clWhite);
      Canvas.Rectangle(1, 1, 10, 11);
      Canvas.Rectangle(6, 5, 15, 15);
      break;
    case giPaste:  // a board with a sheet
      Outline(Canvas, clMaroon, clGray);
      Canvas.Rectangle(2, 2, 13, 15);
      Outline(Canvas, clNavy, clWhite);
      Canvas.Rectangle(6, 6, 15, 15);
      break;
    case giBold: {  // a heavy letter
      Canvas.Brush()->SetStyle(bsClear);
      Canvas.Font()->SetName("Arial");
      Canvas.Font()->SetHeight(-14);
      Canvas.Font()->SetStyle(TFontStyles{fsBold});
      Canvas.Font()->SetColor(clBlack);
      Canvas.TextOut(3, 0, "B");
      Canvas.Brush()->SetStyle(bsSolid);
      break;
    }
    case giSkin:  // a palette
      Outline(Canvas, clBlack, clSilver);
      Canvas.Ellipse(1, 2, 15, 14);
      Fill(Canvas, clRed, {4, 5, 7, 8});
      Fill(Canvas, clLime, {8, 4, 11, 7});
      Fill(Canvas, clBlue, {9, 8, 12, 11});
      break;
    case giAbout:  // an "i" in a circle
      Outline(Canvas, clNavy, clBlue);
      Canvas.Ellipse(1, 1, 15, 15);
      Fill(Canvas, clWhite, {7, 4, 9, 6});
      Fill(Canvas, clWhite, {7, 7, 9, 12});
      break;
    case giPage:  // a sheet with lines
      Outline(Canvas, clGray, clWhite);
      Canvas.Rectangle(3, 1, 13, 15);
      for (int Y = 4; Y < 13; Y += 3) Fill(Canvas, clNavy, {5, Y, 11, Y + 1});
      break;
    case giCount:
      break;
  }
}

}  // namespace

std::unique_ptr<TBitmap> GalleryGlyph(TGalleryImage Image) {
  auto Bitmap = std::make_unique<TBitmap>(16, 16, pf24bit);
  Draw(*Bitmap->Canvas(), Image);
  // The key pixel stays the key whatever the picture covers.
  Bitmap->Canvas()->SetPixel(0, 15, kKey);
  return Bitmap;
}

void AddGalleryImages(TImageList& List) {
  for (int Index = 0; Index < giCount; ++Index) {
    std::unique_ptr<TBitmap> Glyph = GalleryGlyph(static_cast<TGalleryImage>(Index));
    List.AddMasked(Glyph.get(), kKey);
  }
}
