// Three-slice, whole-frame, tiling and keyed painters on memory bitmaps, pixel by pixel.
#include <gtest/gtest.h>

#include "skin/imaging/SkinPaint.h"
#include "tests/skin/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {
const TColor kBack = RGB(7, 7, 7);
const TColor kKey = RGB(255, 0, 255);

// A 2-frame strip, frames 10 by 4: left 2 columns, middle 5 columns of distinct colours, right 3.
TColor StripColour(int X, int Y) {
  const int F = X / 10, InFrame = X % 10;
  if (InFrame < 2) return RGB(10, 10 + Y, 50 * F);
  if (InFrame >= 7) return RGB(30, 10 + Y, 50 * F);
  return RGB(100 + (InFrame - 2) * 20, 10 + Y, 50 * F);
}
}  // namespace

TEST(DrawRectTile, LeftSliceTiledMiddleAndRightSliceOverTheOverrun) {
  auto Strip = MakeBitmap(20, 4, StripColour);
  auto T = Solid(40, 10, kBack);
  DrawRectTile(T->Canvas(), RECT{3, 2, 26, 6}, Strip.get(), RECT{2, 0, 3, 0}, 2, 2, 0, 0);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 23; ++X) {
      TColor Want;
      if (X < 2)
        Want = StripColour(10 + X, Y);
      else if (X >= 20)
        Want = StripColour(10 + 7 + (X - 20), Y);
      else
        Want = StripColour(10 + 2 + (X - 2) % 5, Y);
      ASSERT_EQ(Px(*T, 3 + X, 2 + Y), Want) << X << "," << Y;
    }
  EXPECT_TRUE(AllOf(*T, RECT{26, 0, 40, 10}, kBack));
  EXPECT_TRUE(AllOf(*T, RECT{0, 6, 40, 10}, kBack));
}

TEST(DrawRectTile, NoMiddleStretchesTheWholeFrameAndKeyColourIsTransparent) {
  auto Strip = MakeBitmap(20, 4, StripColour);
  auto T = Solid(30, 4, kBack);
  DrawRectTile(T->Canvas(), RECT{0, 0, 30, 4}, Strip.get(), RECT{6, 0, 6, 0}, 1, 2, 0, 0);
  auto Ref = Solid(30, 4, kBack);
  HDC R = Ref->Canvas()->Handle();
  SetStretchBltMode(R, COLORONCOLOR);
  StretchBlt(R, 0, 0, 30, 4, Strip->Canvas()->Handle(), 0, 0, 10, 4, SRCCOPY);
  std::string Where;
  EXPECT_TRUE(SamePixels(*T, *Ref, &Where)) << Where;

  auto Keyed = MakeBitmap(10, 4, [](int X, int) { return X >= 2 && X < 7 ? kKey : RGB(0, 0, 200); });
  auto U = Solid(30, 4, kBack);
  DrawRectTile(U->Canvas(), RECT{0, 0, 30, 4}, Keyed.get(), RECT{2, 0, 3, 0}, 1, 1, 1, 0);
  EXPECT_TRUE(AllOf(*U, RECT{0, 0, 2, 4}, RGB(0, 0, 200)));
  EXPECT_TRUE(AllOf(*U, RECT{2, 0, 27, 4}, kBack));
  EXPECT_TRUE(AllOf(*U, RECT{27, 0, 30, 4}, RGB(0, 0, 200)));
  DrawRectTile(U->Canvas(), RECT{30, 0, 0, 4}, Keyed.get(), RECT{2, 0, 3, 0}, 1, 1, 0, 0);
  EXPECT_TRUE(AllOf(*U, RECT{2, 0, 27, 4}, kBack));
}

TEST(DrawRectH, ThreeStretchedSlicesOrTheWholeFrameWhenNarrow) {
  auto Strip = MakeBitmap(20, 4, StripColour);
  auto T = Solid(40, 12, kBack);
  DrawRectH(T->Canvas()->Handle(), RECT{5, 2, 35, 10}, Strip.get(), RECT{2, 0, 3, 0}, 2, 2);
  auto Ref = Solid(40, 12, kBack);
  HDC RefDC = Ref->Canvas()->Handle(), S = Strip->Canvas()->Handle();
  SetStretchBltMode(T->Canvas()->Handle(), COLORONCOLOR);
  SetStretchBltMode(RefDC, COLORONCOLOR);
  StretchBlt(RefDC, 5, 2, 2, 8, S, 10, 0, 2, 4, SRCCOPY);
  StretchBlt(RefDC, 7, 2, 25, 8, S, 12, 0, 5, 4, SRCCOPY);
  StretchBlt(RefDC, 32, 2, 3, 8, S, 17, 0, 3, 4, SRCCOPY);
  std::string Where;
  EXPECT_TRUE(SamePixels(*T, *Ref, &Where)) << Where;
  EXPECT_EQ(Px(*T, 5, 2), StripColour(10, 0));
  EXPECT_EQ(Px(*T, 34, 9), StripColour(19, 3));

  // 8 < 10: the selected frame alone, stretched into R.
  auto N = Solid(12, 4, kBack);
  DrawRectH(N->Canvas()->Handle(), RECT{2, 0, 10, 4}, Strip.get(), RECT{2, 0, 3, 0}, 2, 2);
  auto Nref = Solid(12, 4, kBack);
  StretchBlt(Nref->Canvas()->Handle(), 2, 0, 8, 4, S, 10, 0, 10, 4, SRCCOPY);
  EXPECT_TRUE(SamePixels(*N, *Nref, &Where)) << Where;
}

TEST(DrawRectV, ThreeStretchedSlicesOrTheWholeFrameWhenLow) {
  // Vertical strip of 2 frames, 4 by 10: top 2 rows, middle 5, bottom 3.
  auto Strip = MakeBitmap(4, 20, [](int X, int Y) { return StripColour(Y, X); });
  auto T = Solid(12, 40, kBack);
  DrawRectV(T->Canvas()->Handle(), RECT{2, 5, 10, 35}, Strip.get(), RECT{0, 2, 0, 3}, 2, 2, 0, 1);
  auto Ref = Solid(12, 40, kBack);
  HDC R = Ref->Canvas()->Handle(), S = Strip->Canvas()->Handle();
  StretchBlt(R, 2, 5, 8, 2, S, 0, 10, 4, 2, SRCCOPY);
  StretchBlt(R, 2, 7, 8, 25, S, 0, 12, 4, 5, SRCCOPY);
  StretchBlt(R, 2, 32, 8, 3, S, 0, 17, 4, 3, SRCCOPY);
  std::string Where;
  EXPECT_TRUE(SamePixels(*T, *Ref, &Where)) << Where;
  EXPECT_EQ(Px(*T, 2, 5), StripColour(10, 0));

  auto N = Solid(4, 12, kBack);
  DrawRectV(N->Canvas()->Handle(), RECT{0, 1, 4, 9}, Strip.get(), RECT{0, 2, 0, 3}, 1, 2, 0, 1);
  auto Nref = Solid(4, 12, kBack);
  StretchBlt(Nref->Canvas()->Handle(), 0, 1, 4, 8, S, 0, 0, 4, 10, SRCCOPY);
  EXPECT_TRUE(SamePixels(*N, *Nref, &Where)) << Where;
}

TEST(GetThumbMap, ThreeSlicesAlongYAndNothingForVerticalStrips) {
  // Horizontal strip of 2 frames, 4 by 10 each, rows coloured by band and frame.
  auto Strip = MakeBitmap(8, 10, [](int X, int Y) { return StripColour(Y, X % 4 + 4 * (X / 4)); });
  auto Thumb = GetThumbMap(RECT{0, 0, 6, 30}, Strip.get(), RECT{0, 2, 0, 3}, 2, 2);
  ASSERT_EQ(Thumb->Width(), 6);
  ASSERT_EQ(Thumb->Height(), 30);
  auto Ref = Solid(6, 30, clBlack);
  HDC R = Ref->Canvas()->Handle(), S = Strip->Canvas()->Handle();
  SetStretchBltMode(R, COLORONCOLOR);
  StretchBlt(R, 0, 0, 6, 2, S, 4, 0, 4, 2, SRCCOPY);
  StretchBlt(R, 0, 2, 6, 25, S, 4, 2, 4, 5, SRCCOPY);
  StretchBlt(R, 0, 27, 6, 3, S, 4, 7, 4, 3, SRCCOPY);
  std::string Where;
  EXPECT_TRUE(SamePixels(*Thumb, *Ref, &Where)) << Where;
  auto Undrawn = GetThumbMap(RECT{0, 0, 6, 30}, Strip.get(), RECT{0, 2, 0, 3}, 2, 2, 0, 1);
  EXPECT_TRUE(AllOf(*Undrawn, RECT{0, 0, 6, 30}, clBlack));
}

TEST(DrawRect1, WholeFrameStretchedOpaqueOrKeyed) {
  // 64 by 16 strip of four 16 by 16 frames; frame 3 starts at x = 32.
  auto Strip = MakeBitmap(64, 16, [](int X, int Y) {
    if (X / 16 != 2) return RGB(0, 0, 0);
    return (X % 16) < 8 ? RGB(200, 0, 0) : (Y < 8 ? kKey : RGB(0, 200, 0));
  });
  auto T = Solid(40, 40, kBack);
  DrawRect1(T->Canvas()->Handle(), RECT{4, 4, 36, 36}, Strip.get(), 3, 4, 0);
  EXPECT_TRUE(AllOf(*T, RECT{4, 4, 20, 36}, RGB(200, 0, 0)));
  EXPECT_TRUE(AllOf(*T, RECT{20, 4, 36, 20}, kKey));
  EXPECT_TRUE(AllOf(*T, RECT{20, 20, 36, 36}, RGB(0, 200, 0)));
  EXPECT_TRUE(AllOf(*T, RECT{36, 0, 40, 40}, kBack));
  auto K = Solid(40, 40, kBack);
  DrawRect1(K->Canvas()->Handle(), RECT{4, 4, 36, 36}, Strip.get(), 3, 4, 1);
  EXPECT_TRUE(AllOf(*K, RECT{20, 4, 36, 20}, kBack));
  EXPECT_TRUE(AllOf(*K, RECT{4, 4, 20, 36}, RGB(200, 0, 0)));
  DrawRect1(K->Canvas()->Handle(), RECT{36, 36, 4, 4}, Strip.get(), 3, 4, 0);
  EXPECT_TRUE(AllOf(*K, RECT{20, 4, 36, 20}, kBack));
}

TEST(DrawRect3, FrameCentredUnscaledOverhangingWhenLarger) {
  auto Strip = MakeBitmap(20, 6, [](int X, int Y) { return RGB(X * 10, Y * 10 + 5, X < 10 ? 1 : 2); });
  auto T = Solid(40, 40, kBack);
  HDC DC = T->Canvas()->Handle();
  DrawRect3(DC, RECT{10, 10, 30, 20}, Strip.get(), 2, 2, 0);  // at (15, 12)
  for (int Y = 0; Y < 6; ++Y)
    for (int X = 0; X < 10; ++X) ASSERT_EQ(Px(*T, 15 + X, 12 + Y), Px(*Strip, 10 + X, Y));
  EXPECT_EQ(Px(*T, 14, 12), kBack);
  EXPECT_EQ(Px(*T, 25, 12), kBack);
  // R 5 by 3, frame 10 by 6: offsets (5 - 10) div 2 = -2 and (3 - 6) div 2 = -1, toward zero.
  auto O = Solid(40, 40, kBack);
  DrawRect3(O->Canvas()->Handle(), RECT{20, 20, 25, 23}, Strip.get(), 1, 2, 0);
  EXPECT_EQ(Px(*O, 18, 19), Px(*Strip, 0, 0));
  EXPECT_EQ(Px(*O, 27, 24), Px(*Strip, 9, 5));
  EXPECT_EQ(Px(*O, 17, 19), kBack);
  EXPECT_EQ(Px(*O, 18, 18), kBack);
  // Keyed: magenta pixels of the frame keep the target.
  auto KeyedStrip = MakeBitmap(4, 4, [](int X, int) { return X < 2 ? kKey : RGB(0, 0, 99); });
  auto K = Solid(8, 8, kBack);
  DrawRect3(K->Canvas()->Handle(), RECT{0, 0, 8, 8}, KeyedStrip.get(), 1, 1, 1);
  EXPECT_TRUE(AllOf(*K, RECT{2, 2, 4, 6}, kBack));
  EXPECT_TRUE(AllOf(*K, RECT{4, 2, 6, 6}, RGB(0, 0, 99)));
}

TEST(DrawBGbmp, TilesFromTheTopLeftAndOverrunTheTarget) {
  auto Src = MakeBitmap(10, 10, [](int X, int Y) { return RGB(X * 20, Y * 20, 3); });
  auto T = Solid(30, 30, kBack);
  DrawBGbmp(T->Canvas(), RECT{2, 3, 12, 10}, Src.get(), RECT{1, 2, 5, 5});  // 4 by 3 tiles
  // Columns at 2, 6, 10 (the last running to 14); rows at 3, 6, 9 (the last to 12).
  for (int Y = 3; Y < 12; ++Y)
    for (int X = 2; X < 14; ++X)
      ASSERT_EQ(Px(*T, X, Y), Px(*Src, 1 + (X - 2) % 4, 2 + (Y - 3) % 3)) << X << "," << Y;
  EXPECT_TRUE(AllOf(*T, RECT{14, 0, 30, 30}, kBack));
  EXPECT_TRUE(AllOf(*T, RECT{0, 12, 30, 30}, kBack));
  auto U = Solid(10, 10, kBack);
  DrawBGbmp(U->Canvas(), RECT{0, 0, 10, 10}, Src.get(), RECT{3, 3, 3, 8});
  DrawBGbmp(U->Canvas(), RECT{0, 0, 10, 10}, Src.get(), RECT{5, 5, 1, 1});
  DrawBGbmp(U->Canvas(), RECT{0, 0, 10, 10}, nullptr, RECT{0, 0, 2, 2});
  EXPECT_TRUE(AllOf(*U, RECT{0, 0, 10, 10}, kBack));
}

TEST(DrawTranmap, KeyPixelsKeepTheTargetInBothBlitForms) {
  auto Src = MakeBitmap(6, 4, [](int X, int Y) { return (X + Y) % 2 ? kKey : RGB(X * 40, Y * 60, 9); });
  for (bool MaskBlt : {true, false}) {
    auto T = Solid(20, 20, kBack);
    HDC DC = T->Canvas()->Handle();
    const COLORREF Bk = SetBkColor(DC, RGB(1, 2, 3)), Text = SetTextColor(DC, RGB(4, 5, 6));
    // R larger than the source: the copy stops at the source's own size.
    DrawTranmapWith(DC, RECT{3, 5, 15, 15}, Src.get(), clFuchsia, MaskBlt);
    EXPECT_EQ(GetBkColor(DC), RGB(1, 2, 3));
    EXPECT_EQ(GetTextColor(DC), RGB(4, 5, 6));
    SetBkColor(DC, Bk);
    SetTextColor(DC, Text);
    for (int Y = 0; Y < 20; ++Y)
      for (int X = 0; X < 20; ++X) {
        const bool Inside = X >= 3 && X < 9 && Y >= 5 && Y < 9;
        const TColor Want = Inside && (X - 3 + Y - 5) % 2 == 0 ? Px(*Src, X - 3, Y - 5) : kBack;
        ASSERT_EQ(Px(*T, X, Y), Want) << X << "," << Y << (MaskBlt ? " masked" : " xor");
      }
  }
  auto T = Solid(4, 4, kBack);
  DrawTranmap(T->Canvas()->Handle(), RECT{4, 4, 0, 0}, Src.get(), clFuchsia);
  DrawTranmap(T->Canvas()->Handle(), RECT{0, 0, 4, 4}, nullptr, clFuchsia);
  EXPECT_TRUE(AllOf(*T, RECT{0, 0, 4, 4}, kBack));
  // Another key colour.
  DrawTranmap(T->Canvas()->Handle(), RECT{0, 0, 4, 4}, Solid(4, 4, RGB(0, 0, 99)).get(), RGB(0, 0, 99));
  EXPECT_TRUE(AllOf(*T, RECT{0, 0, 4, 4}, kBack));
}

TEST(Bitmapdraw, PlainCopyThroughTheBitmapsPalette) {
  auto Src = MakeBitmap(4, 2, [](int X, int Y) { return X < 2 ? RGB(255, 0, 0) : RGB(0, 0, 255 * Y); });
  Src->SetPixelFormat(pf8bit);
  ASSERT_TRUE(Src->Palette());
  auto T = Solid(10, 10, kBack);
  HDC DC = T->Canvas()->Handle();
  const HGDIOBJ PaletteBefore = GetCurrentObject(DC, OBJ_PAL);
  Bitmapdraw(DC, RECT{3, 3, 20, 20}, Src.get());
  EXPECT_EQ(GetCurrentObject(DC, OBJ_PAL), PaletteBefore);
  EXPECT_TRUE(AllOf(*T, RECT{3, 3, 5, 5}, RGB(255, 0, 0)));
  EXPECT_EQ(Px(*T, 5, 3), RGB(0, 0, 0));
  EXPECT_EQ(Px(*T, 6, 4), RGB(0, 0, 255));
  EXPECT_TRUE(AllOf(*T, RECT{7, 0, 10, 10}, kBack));
  EXPECT_TRUE(AllOf(*T, RECT{0, 5, 10, 10}, kBack));
}
