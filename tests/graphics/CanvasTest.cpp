// Drawing through TCanvas onto bitmaps, checked pixel by pixel through the scan lines.
#include <gtest/gtest.h>

#include "tests/support/Bitmaps.h"

namespace {

using gfxtest::Fill;
using gfxtest::PixelAt;

TEST(Canvas, FillFrameAndRectangleUseBrushAndPen) {
  TBitmap bitmap(10, 10, pf24bit);
  Fill(bitmap, clWhite);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(RECT{2, 2, 5, 5});
  EXPECT_EQ(PixelAt(bitmap, 2, 2), clRed);
  EXPECT_EQ(PixelAt(bitmap, 4, 4), clRed);
  EXPECT_EQ(PixelAt(bitmap, 5, 5), clWhite);  // right and bottom edges excluded

  canvas->Brush()->SetColor(clBlue);
  canvas->FrameRect(RECT{0, 0, 10, 10});
  EXPECT_EQ(PixelAt(bitmap, 0, 5), clBlue);
  EXPECT_EQ(PixelAt(bitmap, 9, 9), clBlue);
  EXPECT_EQ(PixelAt(bitmap, 1, 1), clWhite);

  canvas->Pen()->SetColor(clLime);
  canvas->Brush()->SetColor(clYellow);
  canvas->Rectangle(5, 5, 9, 9);
  EXPECT_EQ(PixelAt(bitmap, 5, 5), clLime);
  EXPECT_EQ(PixelAt(bitmap, 6, 6), clYellow);

  canvas->MoveTo(0, 9);
  canvas->Pen()->SetColor(clBlack);
  canvas->LineTo(4, 9);
  EXPECT_EQ(PixelAt(bitmap, 3, 9), clBlack);
  EXPECT_EQ(canvas->PenPos().x, 4);
}

TEST(Canvas, PolygonFillsWithTheBrush) {
  TBitmap bitmap(20, 20, pf32bit);
  Fill(bitmap, clWhite);
  const POINT triangle[] = {{0, 0}, {19, 0}, {0, 19}};
  bitmap.Canvas()->Pen()->SetStyle(psClear);
  bitmap.Canvas()->Brush()->SetColor(clNavy);
  bitmap.Canvas()->Polygon(triangle);
  EXPECT_EQ(PixelAt(bitmap, 3, 3), clNavy);
  EXPECT_EQ(PixelAt(bitmap, 18, 18), clWhite);
}

TEST(Canvas, TextIsDrawnMeasuredAndClipped) {
  TBitmap bitmap(120, 30, pf24bit);
  Fill(bitmap, clWhite);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->SetColor(clBlack);
  canvas->Font()->SetHeight(-16);
  const SIZE extent = canvas->TextExtent("Wide text");
  EXPECT_GT(extent.cx, 30);
  EXPECT_GE(extent.cy, 16);
  EXPECT_EQ(canvas->TextWidth(""), 0);
  EXPECT_LT(canvas->TextWidth("i"), canvas->TextWidth("iiii"));
  canvas->Font()->SetStyle({fsBold});
  EXPECT_GE(canvas->TextWidth("Wide text"), extent.cx);  // the bold font was selected anew

  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(2, 2, "Hi \xE6\xB8\x90");  // UTF-8 reaches GDI as UTF-16
  int dark = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x) dark += PixelAt(bitmap, x, y) != clWhite;
  EXPECT_GT(dark, 10);

  // TextRect paints its rectangle with the brush and nothing outside it.
  Fill(bitmap, clWhite);
  canvas->Brush()->SetColor(clAqua);
  canvas->TextRect(RECT{0, 0, 10, 10}, 12, 0, "WWWWWWWW");
  EXPECT_EQ(PixelAt(bitmap, 20, 5), clWhite);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), clAqua);
  EXPECT_EQ(PixelAt(bitmap, 9, 9), clAqua);

  RECT r{0, 0, 1000, 0};
  const int height = canvas->DrawText("line one\nline two", r, DT_CALCRECT);
  EXPECT_GE(height, 2 * 16);
  EXPECT_GT(r.right, 0);
}

TEST(Canvas, CopyRectStretchesWithTheChosenModeAndCopyMode) {
  TBitmap source(2, 2, pf24bit);
  source.Canvas()->SetPixel(0, 0, clRed);
  source.Canvas()->SetPixel(1, 0, clLime);
  source.Canvas()->SetPixel(0, 1, clBlue);
  source.Canvas()->SetPixel(1, 1, clFuchsia);
  TBitmap target(8, 8, pf32bit);
  target.Canvas()->SetStretchMode(COLORONCOLOR);
  target.Canvas()->CopyRect(RECT{0, 0, 8, 8}, source.Canvas(), RECT{0, 0, 2, 2});
  EXPECT_EQ(PixelAt(target, 0, 0), clRed);
  EXPECT_EQ(PixelAt(target, 3, 3), clRed);
  EXPECT_EQ(PixelAt(target, 4, 0), clLime);
  EXPECT_EQ(PixelAt(target, 7, 7), clFuchsia);
  EXPECT_EQ(PixelAt(target, 0, 7), clBlue);
  EXPECT_EQ(GetStretchBltMode(target.Canvas()->Handle()), COLORONCOLOR);

  target.Canvas()->SetCopyMode(cmNotSrcCopy);
  target.Canvas()->CopyRect(RECT{0, 0, 1, 1}, source.Canvas(), RECT{0, 0, 1, 1});
  EXPECT_EQ(PixelAt(target, 0, 0), TColor(0xFFFF00));  // inverted red
}

TEST(Canvas, TransparentBitmapLeavesTheKeyColourOut) {
  TBitmap sprite(4, 4, pf24bit);
  Fill(sprite, clFuchsia);
  sprite.Canvas()->Brush()->SetColor(clGreen);
  sprite.Canvas()->FillRect(RECT{1, 1, 3, 3});
  sprite.SetTransparent(true);
  EXPECT_EQ(sprite.TransparentColor(), clFuchsia);  // bottom-left pixel
  TBitmap target(6, 6, pf32bit);
  Fill(target, clYellow);
  target.Canvas()->Draw(1, 1, &sprite);
  EXPECT_EQ(PixelAt(target, 1, 1), clYellow);
  EXPECT_EQ(PixelAt(target, 2, 2), clGreen);
  EXPECT_EQ(PixelAt(target, 3, 3), clGreen);
  EXPECT_EQ(PixelAt(target, 4, 4), clYellow);

  // Fixed colour and stretching.
  sprite.SetTransparentColor(clGreen);
  EXPECT_EQ(sprite.TransparentMode(), tmFixed);
  Fill(target, clYellow);
  target.Canvas()->StretchDraw(RECT{0, 0, 6, 6}, &sprite);
  EXPECT_EQ(PixelAt(target, 0, 0), clFuchsia);
  EXPECT_EQ(PixelAt(target, 2, 2), clYellow);

  sprite.SetTransparent(false);
  target.Canvas()->Draw(0, 0, &sprite);
  EXPECT_EQ(PixelAt(target, 1, 1), clGreen);
}

TEST(Canvas, LockNestsAndAForeignDcStaysItsOwners) {
  TCanvas canvas;
  EXPECT_THROW(canvas.Handle(), Exception);  // a plain canvas has no DC of its own
  canvas.Lock();
  canvas.Lock();
  EXPECT_EQ(canvas.LockCount(), 2);
  EXPECT_TRUE(canvas.TryLock());
  canvas.Unlock();
  canvas.Unlock();
  canvas.Unlock();
  EXPECT_EQ(canvas.LockCount(), 0);

  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ stockFont = GetCurrentObject(dc, OBJ_FONT);
  canvas.SetHandle(dc);
  canvas.Font()->SetHeight(-20);
  EXPECT_EQ(canvas.Handle(), dc);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
  canvas.SetHandle(nullptr);
  EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
  EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));  // still there for its owner
  (void)stockFont;
  DeleteDC(dc);
}

}  // namespace
