// Drawing through TCanvas onto bitmaps, checked pixel by pixel through the scan lines.
#include <gtest/gtest.h>

#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::Fill;
using gfxtest::PixelAt;

TEST(Canvas, FillFrameAndRectangleUseBrushAndPen) {
  TBitmap Bitmap(10, 10, pf24bit);
  Fill(Bitmap, clWhite);
  TCanvas* Canvas = Bitmap.Canvas();
  Canvas->Brush()->SetColor(clRed);
  Canvas->FillRect(RECT{2, 2, 5, 5});
  EXPECT_EQ(PixelAt(Bitmap, 2, 2), clRed);
  EXPECT_EQ(PixelAt(Bitmap, 4, 4), clRed);
  EXPECT_EQ(PixelAt(Bitmap, 5, 5), clWhite);  // right and bottom edges excluded

  Canvas->Brush()->SetColor(clBlue);
  Canvas->FrameRect(RECT{0, 0, 10, 10});
  EXPECT_EQ(PixelAt(Bitmap, 0, 5), clBlue);
  EXPECT_EQ(PixelAt(Bitmap, 9, 9), clBlue);
  EXPECT_EQ(PixelAt(Bitmap, 1, 1), clWhite);

  Canvas->Pen()->SetColor(clLime);
  Canvas->Brush()->SetColor(clYellow);
  Canvas->Rectangle(5, 5, 9, 9);
  EXPECT_EQ(PixelAt(Bitmap, 5, 5), clLime);
  EXPECT_EQ(PixelAt(Bitmap, 6, 6), clYellow);

  Canvas->MoveTo(0, 9);
  Canvas->Pen()->SetColor(clBlack);
  Canvas->LineTo(4, 9);
  EXPECT_EQ(PixelAt(Bitmap, 3, 9), clBlack);
  EXPECT_EQ(Canvas->PenPos().x, 4);
}

TEST(Canvas, PolygonFillsWithTheBrush) {
  TBitmap Bitmap(20, 20, pf32bit);
  Fill(Bitmap, clWhite);
  const POINT Triangle[] = {{0, 0}, {19, 0}, {0, 19}};
  Bitmap.Canvas()->Pen()->SetStyle(psClear);
  Bitmap.Canvas()->Brush()->SetColor(clNavy);
  Bitmap.Canvas()->Polygon(Triangle);
  EXPECT_EQ(PixelAt(Bitmap, 3, 3), clNavy);
  EXPECT_EQ(PixelAt(Bitmap, 18, 18), clWhite);
}

TEST(Canvas, TextIsDrawnMeasuredAndClipped) {
  TBitmap Bitmap(120, 30, pf24bit);
  Fill(Bitmap, clWhite);
  TCanvas* Canvas = Bitmap.Canvas();
  Canvas->Font()->SetColor(clBlack);
  Canvas->Font()->SetHeight(-16);
  const SIZE Extent = Canvas->TextExtent("Wide text");
  EXPECT_GT(Extent.cx, 30);
  EXPECT_GE(Extent.cy, 16);
  EXPECT_EQ(Canvas->TextWidth(""), 0);
  EXPECT_LT(Canvas->TextWidth("i"), Canvas->TextWidth("iiii"));
  Canvas->Font()->SetStyle({fsBold});
  EXPECT_GE(Canvas->TextWidth("Wide text"), Extent.cx);  // the bold font was selected anew

  Canvas->Brush()->SetStyle(bsClear);
  Canvas->TextOut(2, 2, "Hi \xE6\xB8\x90");  // UTF-8 reaches GDI as UTF-16
  int Dark = 0;
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 60; ++X) Dark += PixelAt(Bitmap, X, Y) != clWhite;
  EXPECT_GT(Dark, 10);

  // TextRect paints its rectangle with the brush and nothing outside it.
  Fill(Bitmap, clWhite);
  Canvas->Brush()->SetColor(clAqua);
  Canvas->TextRect(RECT{0, 0, 10, 10}, 12, 0, "WWWWWWWW");
  EXPECT_EQ(PixelAt(Bitmap, 20, 5), clWhite);
  EXPECT_EQ(PixelAt(Bitmap, 0, 0), clAqua);
  EXPECT_EQ(PixelAt(Bitmap, 9, 9), clAqua);

  RECT R{0, 0, 1000, 0};
  const int Height = Canvas->DrawText("line one\nline two", R, DT_CALCRECT);
  EXPECT_GE(Height, 2 * 16);
  EXPECT_GT(R.right, 0);
}

TEST(Canvas, CopyRectStretchesWithTheChosenModeAndCopyMode) {
  TBitmap Source(2, 2, pf24bit);
  Source.Canvas()->SetPixel(0, 0, clRed);
  Source.Canvas()->SetPixel(1, 0, clLime);
  Source.Canvas()->SetPixel(0, 1, clBlue);
  Source.Canvas()->SetPixel(1, 1, clFuchsia);
  TBitmap Target(8, 8, pf32bit);
  Target.Canvas()->SetStretchMode(COLORONCOLOR);
  Target.Canvas()->CopyRect(RECT{0, 0, 8, 8}, Source.Canvas(), RECT{0, 0, 2, 2});
  EXPECT_EQ(PixelAt(Target, 0, 0), clRed);
  EXPECT_EQ(PixelAt(Target, 3, 3), clRed);
  EXPECT_EQ(PixelAt(Target, 4, 0), clLime);
  EXPECT_EQ(PixelAt(Target, 7, 7), clFuchsia);
  EXPECT_EQ(PixelAt(Target, 0, 7), clBlue);
  EXPECT_EQ(GetStretchBltMode(Target.Canvas()->Handle()), COLORONCOLOR);

  Target.Canvas()->SetCopyMode(cmNotSrcCopy);
  Target.Canvas()->CopyRect(RECT{0, 0, 1, 1}, Source.Canvas(), RECT{0, 0, 1, 1});
  EXPECT_EQ(PixelAt(Target, 0, 0), TColor(0xFFFF00));  // inverted red
}

TEST(Canvas, TransparentBitmapLeavesTheKeyColourOut) {
  TBitmap Sprite(4, 4, pf24bit);
  Fill(Sprite, clFuchsia);
  Sprite.Canvas()->Brush()->SetColor(clGreen);
  Sprite.Canvas()->FillRect(RECT{1, 1, 3, 3});
  Sprite.SetTransparent(true);
  EXPECT_EQ(Sprite.TransparentColor(), clFuchsia);  // bottom-left pixel
  TBitmap Target(6, 6, pf32bit);
  Fill(Target, clYellow);
  Target.Canvas()->Draw(1, 1, &Sprite);
  EXPECT_EQ(PixelAt(Target, 1, 1), clYellow);
  EXPECT_EQ(PixelAt(Target, 2, 2), clGreen);
  EXPECT_EQ(PixelAt(Target, 3, 3), clGreen);
  EXPECT_EQ(PixelAt(Target, 4, 4), clYellow);

  // Fixed colour and stretching.
  Sprite.SetTransparentColor(clGreen);
  EXPECT_EQ(Sprite.TransparentMode(), tmFixed);
  Fill(Target, clYellow);
  Target.Canvas()->StretchDraw(RECT{0, 0, 6, 6}, &Sprite);
  EXPECT_EQ(PixelAt(Target, 0, 0), clFuchsia);
  EXPECT_EQ(PixelAt(Target, 2, 2), clYellow);

  Sprite.SetTransparent(false);
  Target.Canvas()->Draw(0, 0, &Sprite);
  EXPECT_EQ(PixelAt(Target, 1, 1), clGreen);
}

TEST(Canvas, LockNestsAndAForeignDcStaysItsOwners) {
  TCanvas Canvas;
  EXPECT_THROW(Canvas.Handle(), Exception);  // a plain canvas has no DC of its own
  Canvas.Lock();
  Canvas.Lock();
  EXPECT_EQ(Canvas.LockCount(), 2);
  EXPECT_TRUE(Canvas.TryLock());
  Canvas.Unlock();
  Canvas.Unlock();
  Canvas.Unlock();
  EXPECT_EQ(Canvas.LockCount(), 0);

  const HDC Dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ StockFont = GetCurrentObject(Dc, OBJ_FONT);
  Canvas.SetHandle(Dc);
  Canvas.Font()->SetHeight(-20);
  EXPECT_EQ(Canvas.Handle(), Dc);
  EXPECT_EQ(GetCurrentObject(Dc, OBJ_FONT), Canvas.Font()->Handle());
  Canvas.SetHandle(nullptr);
  EXPECT_NE(GetCurrentObject(Dc, OBJ_FONT), Canvas.Font()->Handle());
  EXPECT_EQ(GetObjectType(Dc), DWORD(OBJ_MEMDC));  // still there for its owner
  (void)StockFont;
  DeleteDC(Dc);
}

}  // namespace
