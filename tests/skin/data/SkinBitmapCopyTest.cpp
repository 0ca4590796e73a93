// Cutting a rectangle out of a skin bitmap reads the pixels directly; the result must be what a
// 1:1 GDI copy into a 24-bit bitmap gives, for every source depth the skins use and for rectangles
// inside, across and outside the source, cut from the bitmap or from its decoded picture.

#include <gtest/gtest.h>

#include "skin/data/SkinBitmapCopy.h"

namespace {

struct TCopyCase {
  TPixelFormat Format;
  RECT R;
};

class BitmapCopy : public ::testing::TestWithParam<TCopyCase> {};

TEST_P(BitmapCopy, GivesTheGdiCopyPixels) {
  const TCopyCase Case = GetParam();
  TBitmap Source(20, 9, pf24bit);
  for (int Y = 0; Y < 9; ++Y)
    for (int X = 0; X < 20; ++X)
      Source.Canvas()->SetPixel(X, Y, TColor(RGB(X * 12, Y * 27, (X * Y * 5) & 0xFF)));
  Source.Canvas()->SetPixel(3, 2, clFuchsia);
  Source.SetPixelFormat(Case.Format);  // a 4-bit source keeps the colours its palette finds

  TBitmap Copied, FromPicture;
  CopyBitmapRect(Source, Case.R, Copied);
  CopyBitmapRect(Source.ToImage(), Case.R, FromPicture);  // the same cut without the source bitmap

  const int W = Case.R.right - Case.R.left, H = Case.R.bottom - Case.R.top;
  TBitmap Expected(W, H, pf24bit);
  BitBlt(Expected.Canvas()->Handle(), 0, 0, W, H, Source.Canvas()->Handle(), Case.R.left, Case.R.top,
         SRCCOPY);
  ASSERT_EQ(Copied.Width(), W);
  ASSERT_EQ(Copied.Height(), H);
  EXPECT_EQ(Copied.PixelFormat(), pf24bit);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      ASSERT_EQ(Copied.Canvas()->Pixel(X, Y), Expected.Canvas()->Pixel(X, Y)) << X << "," << Y;
  ASSERT_EQ(FromPicture.Width(), W);
  ASSERT_EQ(FromPicture.Height(), H);
  EXPECT_EQ(FromPicture.PixelFormat(), pf24bit);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      ASSERT_EQ(FromPicture.Canvas()->Pixel(X, Y), Expected.Canvas()->Pixel(X, Y)) << X << "," << Y;
}

INSTANTIATE_TEST_SUITE_P(
    Depths, BitmapCopy,
    ::testing::Values(TCopyCase{pf24bit, RECT{2, 1, 10, 8}}, TCopyCase{pf32bit, RECT{0, 0, 20, 9}},
                      TCopyCase{pf4bit, RECT{5, 0, 17, 9}}, TCopyCase{pf8bit, RECT{1, 1, 4, 4}},
                      TCopyCase{pf24bit, RECT{15, 5, 25, 12}}, TCopyCase{pf32bit, RECT{-3, -2, 4, 3}},
                      TCopyCase{pf16bit, RECT{2, 2, 12, 7}}));

}  // namespace
