// TBitmap in memory: formats, scan lines, size changes, copies and handle ownership.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::Fill;
using gfxtest::PixelAt;

constexpr TColor kColours[] = {clRed, clLime, clBlue, clWhite, clBlack, clFuchsia, clYellow, clAqua};

// Eight colours that every format from 4 bits up holds exactly (the 16-bit ones too: full channels).
void PaintStripes(TBitmap& Bitmap) {
  for (int X = 0; X < Bitmap.Width(); ++X) {
    Bitmap.Canvas()->Brush()->SetColor(kColours[X % 8]);
    Bitmap.Canvas()->FillRect(RECT{X, 0, X + 1, Bitmap.Height()});
  }
}

void ExpectStripes(TBitmap& Bitmap) {
  for (int Y = 0; Y < Bitmap.Height(); ++Y)
    for (int X = 0; X < Bitmap.Width(); ++X)
      ASSERT_EQ(PixelAt(Bitmap, X, Y), kColours[X % 8]) << X << "," << Y << " bits " << Bitmap.BitCount();
}

TEST(Bitmap, NewBitmapsAreEmptyDeviceBitmaps) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(bitmap.Handle(), nullptr);
  EXPECT_THROW(bitmap.ScanLine(0), EInvalidGraphicOperation);
  bitmap.Canvas()->TextWidth("a");  // a canvas on an empty bitmap still measures
  bitmap.SetSize(3, 2);
  EXPECT_FALSE(bitmap.Empty());
  EXPECT_GE(bitmap.BitCount(), 16);
  EXPECT_NE(bitmap.Handle(), nullptr);
  DIBSECTION Ds{};
  ASSERT_EQ(GetObjectW(bitmap.Handle(), sizeof(Ds), &Ds), int(sizeof(Ds)));  // a DIB section
  EXPECT_NE(Ds.dsBm.bmBits, nullptr);
}

TEST(Bitmap, EveryFormatConvertsToEveryOtherWithTheSamePixels) {
  const TPixelFormat Formats[] = {pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit};
  for (TPixelFormat From : Formats)
    for (TPixelFormat To : Formats) {
      SCOPED_TRACE(testing::Message() << "from " << From << " to " << To);
      TBitmap bitmap(13, 3, pf24bit);
      PaintStripes(bitmap);
      bitmap.SetPixelFormat(From);
      ASSERT_EQ(bitmap.PixelFormat(), From);
      ExpectStripes(bitmap);
      bitmap.SetPixelFormat(To);
      ASSERT_EQ(bitmap.PixelFormat(), To);
      ExpectStripes(bitmap);
    }
}

TEST(Bitmap, OneBitKeepsTwoColoursAndBitCountsAreRight) {
  TBitmap bitmap(9, 2, pf24bit);
  Fill(bitmap, clNavy);
  bitmap.Canvas()->SetPixel(3, 1, clYellow);
  bitmap.SetPixelFormat(pf1bit);
  EXPECT_EQ(bitmap.BitCount(), 1);
  EXPECT_TRUE(bitmap.Monochrome());
  EXPECT_EQ(PixelAt(bitmap, 3, 1), clYellow);
  EXPECT_EQ(PixelAt(bitmap, 4, 1), clNavy);
  EXPECT_EQ(bitmap.Colors().size(), 2u);
  const int Bits[] = {1, 4, 8, 16, 16, 24, 32};
  const TPixelFormat Formats[] = {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit};
  for (int I = 0; I < 7; ++I) {
    bitmap.SetPixelFormat(Formats[I]);
    EXPECT_EQ(bitmap.BitCount(), Bits[I]);
    DIBSECTION Ds{};
    GetObjectW(bitmap.Handle(), sizeof(Ds), &Ds);
    EXPECT_EQ(Ds.dsBmih.biBitCount, Bits[I]);
  }
}

TEST(Bitmap, ScanLinesAreTopDownRowsOfTheDibSection) {
  TBitmap bitmap(5, 4, pf24bit);
  Fill(bitmap, clBlack);
  auto* Row2 = static_cast<uint8_t*>(bitmap.ScanLine(2));
  Row2[3 * 1 + 2] = 0xFF;  // pixel (1, 2) red, written as B, G, R
  EXPECT_EQ(bitmap.Canvas()->Pixel(1, 2), clRed);
  EXPECT_EQ(static_cast<uint8_t*>(bitmap.ScanLine(1)) - static_cast<uint8_t*>(bitmap.ScanLine(0)),
            bitmap.ScanLineStride());
  EXPECT_EQ(bitmap.ScanLineStride(), 16);  // 15 bytes padded to 32 bits
  // Drawing first, reading after: the scan line sees GDI's work.
  bitmap.Canvas()->SetPixel(4, 3, clLime);
  EXPECT_EQ(static_cast<uint8_t*>(bitmap.ScanLine(3))[3 * 4 + 1], 0xFF);
  EXPECT_THROW(bitmap.ScanLine(4), EInvalidGraphicOperation);
  EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);
}

TEST(Bitmap, SizeChangesKeepFormatAndPicture) {
  for (TPixelFormat Format : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    TBitmap bitmap(4, 4, pf24bit);
    Fill(bitmap, clWhite);
    bitmap.Canvas()->SetPixel(1, 1, clBlack);
    bitmap.SetPixelFormat(Format);
    bitmap.SetWidth(30);
    bitmap.SetHeight(7);
    EXPECT_EQ(bitmap.PixelFormat(), Format);
    EXPECT_EQ(bitmap.Width(), 30);
    EXPECT_EQ(PixelAt(bitmap, 1, 1), clBlack) << Format;
    EXPECT_EQ(PixelAt(bitmap, 2, 2), clWhite) << Format;
    bitmap.SetSize(2, 2);
    EXPECT_EQ(PixelAt(bitmap, 1, 1), clBlack) << Format;
    bitmap.SetSize(0, 5);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.PixelFormat(), Format);
  }
}

TEST(Bitmap, CanvasFollowsTheBitmapThroughHandleChanges) {
  TBitmap bitmap(4, 4, pf24bit);
  TCanvas* canvas = bitmap.Canvas();
  Fill(bitmap, clRed);
  bitmap.SetSize(8, 8);
  bitmap.SetPixelFormat(pf8bit);
  EXPECT_EQ(PixelAt(bitmap, 7, 7), clBlack);  // new pixels are 0
  canvas->Brush()->SetColor(clBlue);          // not in the picture, but in the rest of the colour table
  canvas->FillRect(RECT{6, 6, 8, 8});
  EXPECT_EQ(PixelAt(bitmap, 7, 7), clBlue);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), clRed);
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_BITMAP), bitmap.Handle());
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
  TBitmap A(6, 3, pf8bit);
  Fill(A, clTeal);
  A.SetTransparent(true);
  A.SetTransparentColor(clTeal);
  TBitmap B;
  B.Assign(&A);
  EXPECT_EQ(B.Width(), 6);
  EXPECT_EQ(B.PixelFormat(), pf8bit);
  EXPECT_TRUE(B.Transparent());
  EXPECT_EQ(B.TransparentColor(), clTeal);
  EXPECT_NE(B.Handle(), A.Handle());
  Fill(A, clMaroon);
  EXPECT_EQ(PixelAt(B, 2, 2), clTeal);
  B.Assign(nullptr);
  EXPECT_TRUE(B.Empty());
  TFont Font;
  EXPECT_THROW(B.Assign(&Font), EConvertError);
}

TEST(Bitmap, ReleaseHandleHandsTheSectionOverAndSetHandleTakesOne) {
  TBitmap bitmap(3, 3, pf32bit);
  Fill(bitmap, clOlive);
  const HBITMAP Released = bitmap.ReleaseHandle();
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(GetObjectType(Released), DWORD(OBJ_BITMAP));

  // A device-dependent bitmap is copied into a DIB section and deleted.
  TScreenDC Screen;
  const HBITMAP Ddb = CreateCompatibleBitmap(Screen.Get(), 5, 2);
  {
    TMemoryDC DC;
    TSelectObject Select(DC.Get(), Ddb);
    SetPixel(DC.Get(), 4, 1, RGB(1, 2, 3));
  }
  TBitmap Other;
  Other.SetHandle(Ddb);
  EXPECT_EQ(GetObjectType(Ddb), 0u);
  EXPECT_EQ(Other.Width(), 5);
  EXPECT_EQ(PixelAt(Other, 4, 1), RGB(1, 2, 3));

  bitmap.SetHandle(Released);  // our own section comes back
  EXPECT_EQ(PixelAt(bitmap, 2, 2), clOlive);
}

TEST(Bitmap, MaskMarksTheKeyColourWhite) {
  TBitmap bitmap(4, 1, pf24bit);
  Fill(bitmap, clFuchsia);
  bitmap.Canvas()->SetPixel(2, 0, clGreen);
  bitmap.Canvas()->SetPixel(3, 0, RGB(254, 0, 255));  // near the key is not the key
  bitmap.Mask(clFuchsia);
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(bitmap, 2, 0), clBlack);
  EXPECT_EQ(PixelAt(bitmap, 3, 0), clBlack);
}

TEST(Bitmap, ColourTableAndPalette) {
  TBitmap bitmap(2, 1, pf1bit);
  bitmap.SetColors({bmp::RgbQuad{0, 0, 255, 0}, bmp::RgbQuad{255, 0, 0, 0}});  // red, blue
  static_cast<uint8_t*>(bitmap.ScanLine(0))[0] = 0x40;                         // second pixel 1
  EXPECT_EQ(PixelAt(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelAt(bitmap, 1, 0), clBlue);
  EXPECT_EQ(bitmap.Canvas()->Pixel(1, 0), clBlue);  // GDI sees the same table
  const HPALETTE palette = bitmap.Palette();
  ASSERT_NE(palette, nullptr);
  PALETTEENTRY Entry{};
  GetPaletteEntries(palette, 1, 1, &Entry);
  EXPECT_EQ(Entry.peBlue, 255);
  TBitmap Rgb(1, 1, pf24bit);
  EXPECT_EQ(Rgb.Palette(), nullptr);
  EXPECT_THROW(Rgb.SetColors({}), EInvalidGraphicOperation);
}

}  // namespace
