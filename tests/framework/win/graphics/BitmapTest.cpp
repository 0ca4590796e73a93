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
  TBitmap Bitmap;
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(Bitmap.Handle(), nullptr);
  EXPECT_THROW(Bitmap.ScanLine(0), EInvalidGraphicOperation);
  Bitmap.Canvas()->TextWidth("a");  // a canvas on an empty bitmap still measures
  Bitmap.SetSize(3, 2);
  EXPECT_FALSE(Bitmap.Empty());
  EXPECT_GE(Bitmap.BitCount(), 16);
  EXPECT_NE(Bitmap.Handle(), nullptr);
  DIBSECTION Ds{};
  ASSERT_EQ(GetObjectW(Bitmap.Handle(), sizeof(Ds), &Ds), int(sizeof(Ds)));  // a DIB section
  EXPECT_NE(Ds.dsBm.bmBits, nullptr);
}

TEST(Bitmap, EveryFormatConvertsToEveryOtherWithTheSamePixels) {
  const TPixelFormat Formats[] = {pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit};
  for (TPixelFormat From : Formats)
    for (TPixelFormat To : Formats) {
      SCOPED_TRACE(testing::Message() << "from " << From << " to " << To);
      TBitmap Bitmap(13, 3, pf24bit);
      PaintStripes(Bitmap);
      Bitmap.SetPixelFormat(From);
      ASSERT_EQ(Bitmap.PixelFormat(), From);
      ExpectStripes(Bitmap);
      Bitmap.SetPixelFormat(To);
      ASSERT_EQ(Bitmap.PixelFormat(), To);
      ExpectStripes(Bitmap);
    }
}

TEST(Bitmap, OneBitKeepsTwoColoursAndBitCountsAreRight) {
  TBitmap Bitmap(9, 2, pf24bit);
  Fill(Bitmap, clNavy);
  Bitmap.Canvas()->SetPixel(3, 1, clYellow);
  Bitmap.SetPixelFormat(pf1bit);
  EXPECT_EQ(Bitmap.BitCount(), 1);
  EXPECT_TRUE(Bitmap.Monochrome());
  EXPECT_EQ(PixelAt(Bitmap, 3, 1), clYellow);
  EXPECT_EQ(PixelAt(Bitmap, 4, 1), clNavy);
  EXPECT_EQ(Bitmap.Colors().size(), 2u);
  const int Bits[] = {1, 4, 8, 16, 16, 24, 32};
  const TPixelFormat Formats[] = {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit};
  for (int I = 0; I < 7; ++I) {
    Bitmap.SetPixelFormat(Formats[I]);
    EXPECT_EQ(Bitmap.BitCount(), Bits[I]);
    DIBSECTION Ds{};
    GetObjectW(Bitmap.Handle(), sizeof(Ds), &Ds);
    EXPECT_EQ(Ds.dsBmih.biBitCount, Bits[I]);
  }
}

TEST(Bitmap, ScanLinesAreTopDownRowsOfTheDibSection) {
  TBitmap Bitmap(5, 4, pf24bit);
  Fill(Bitmap, clBlack);
  auto* Row2 = static_cast<uint8_t*>(Bitmap.ScanLine(2));
  Row2[3 * 1 + 2] = 0xFF;  // pixel (1, 2) red, written as B, G, R
  EXPECT_EQ(Bitmap.Canvas()->Pixel(1, 2), clRed);
  EXPECT_EQ(static_cast<uint8_t*>(Bitmap.ScanLine(1)) - static_cast<uint8_t*>(Bitmap.ScanLine(0)),
            Bitmap.ScanLineStride());
  EXPECT_EQ(Bitmap.ScanLineStride(), 16);  // 15 bytes padded to 32 bits
  // Drawing first, reading after: the scan line sees GDI's work.
  Bitmap.Canvas()->SetPixel(4, 3, clLime);
  EXPECT_EQ(static_cast<uint8_t*>(Bitmap.ScanLine(3))[3 * 4 + 1], 0xFF);
  EXPECT_THROW(Bitmap.ScanLine(4), EInvalidGraphicOperation);
  EXPECT_THROW(Bitmap.ScanLine(-1), EInvalidGraphicOperation);
}

TEST(Bitmap, SizeChangesKeepFormatAndPicture) {
  for (TPixelFormat Format : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    TBitmap Bitmap(4, 4, pf24bit);
    Fill(Bitmap, clWhite);
    Bitmap.Canvas()->SetPixel(1, 1, clBlack);
    Bitmap.SetPixelFormat(Format);
    Bitmap.SetWidth(30);
    Bitmap.SetHeight(7);
    EXPECT_EQ(Bitmap.PixelFormat(), Format);
    EXPECT_EQ(Bitmap.Width(), 30);
    EXPECT_EQ(PixelAt(Bitmap, 1, 1), clBlack) << Format;
    EXPECT_EQ(PixelAt(Bitmap, 2, 2), clWhite) << Format;
    Bitmap.SetSize(2, 2);
    EXPECT_EQ(PixelAt(Bitmap, 1, 1), clBlack) << Format;
    Bitmap.SetSize(0, 5);
    EXPECT_TRUE(Bitmap.Empty());
    EXPECT_EQ(Bitmap.PixelFormat(), Format);
  }
}

TEST(Bitmap, CanvasFollowsTheBitmapThroughHandleChanges) {
  TBitmap Bitmap(4, 4, pf24bit);
  TCanvas* Canvas = Bitmap.Canvas();
  Fill(Bitmap, clRed);
  Bitmap.SetSize(8, 8);
  Bitmap.SetPixelFormat(pf8bit);
  EXPECT_EQ(PixelAt(Bitmap, 7, 7), clBlack);  // new pixels are 0
  Canvas->Brush()->SetColor(clBlue);          // not in the picture, but in the rest of the colour table
  Canvas->FillRect(RECT{6, 6, 8, 8});
  EXPECT_EQ(PixelAt(Bitmap, 7, 7), clBlue);
  EXPECT_EQ(PixelAt(Bitmap, 0, 0), clRed);
  EXPECT_EQ(GetCurrentObject(Canvas->Handle(), OBJ_BITMAP), Bitmap.Handle());
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
  TBitmap Bitmap(3, 3, pf32bit);
  Fill(Bitmap, clOlive);
  const HBITMAP Released = Bitmap.ReleaseHandle();
  EXPECT_TRUE(Bitmap.Empty());
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

  Bitmap.SetHandle(Released);  // our own section comes back
  EXPECT_EQ(PixelAt(Bitmap, 2, 2), clOlive);
}

TEST(Bitmap, MaskMarksTheKeyColourWhite) {
  TBitmap Bitmap(4, 1, pf24bit);
  Fill(Bitmap, clFuchsia);
  Bitmap.Canvas()->SetPixel(2, 0, clGreen);
  Bitmap.Canvas()->SetPixel(3, 0, RGB(254, 0, 255));  // near the key is not the key
  Bitmap.Mask(clFuchsia);
  EXPECT_EQ(Bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(PixelAt(Bitmap, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(Bitmap, 2, 0), clBlack);
  EXPECT_EQ(PixelAt(Bitmap, 3, 0), clBlack);
}

TEST(Bitmap, ColourTableAndPalette) {
  TBitmap Bitmap(2, 1, pf1bit);
  Bitmap.SetColors({bmp::RgbQuad{0, 0, 255, 0}, bmp::RgbQuad{255, 0, 0, 0}});  // red, blue
  static_cast<uint8_t*>(Bitmap.ScanLine(0))[0] = 0x40;                         // second pixel 1
  EXPECT_EQ(PixelAt(Bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelAt(Bitmap, 1, 0), clBlue);
  EXPECT_EQ(Bitmap.Canvas()->Pixel(1, 0), clBlue);  // GDI sees the same table
  const HPALETTE Palette = Bitmap.Palette();
  ASSERT_NE(Palette, nullptr);
  PALETTEENTRY Entry{};
  GetPaletteEntries(Palette, 1, 1, &Entry);
  EXPECT_EQ(Entry.peBlue, 255);
  TBitmap Rgb(1, 1, pf24bit);
  EXPECT_EQ(Rgb.Palette(), nullptr);
  EXPECT_THROW(Rgb.SetColors({}), EInvalidGraphicOperation);
}

}  // namespace
