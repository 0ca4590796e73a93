// Three-slice, whole-frame, tiling and keyed painters on memory bitmaps, pixel by pixel.
#include <gtest/gtest.h>

#include "skin/imaging/SkinPaint.h"
#include "tests/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {
const TColor kBack = RGB(7, 7, 7);
const TColor kKey = RGB(255, 0, 255);

// A 2-frame strip, frames 10 by 4: left 2 columns, middle 5 columns of distinct colours, right 3.
TColor StripColour(int X, int Y) {
  const int f = X / 10, x = X % 10;
  if (x < 2) return RGB(10, 10 + Y, 50 * f);
  if (x >= 7) return RGB(30, 10 + Y, 50 * f);
  return RGB(100 + (x - 2) * 20, 10 + Y, 50 * f);
}
}  // namespace

TEST(DrawRectTile, LeftSliceTiledMiddleAndRightSliceOverTheOverrun) {
  auto strip = MakeBitmap(20, 4, StripColour);
  auto t = Solid(40, 10, kBack);
  DrawRectTile(t->Canvas(), RECT{3, 2, 26, 6}, strip.get(), RECT{2, 0, 3, 0}, 2, 2, 0, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 23; ++x) {
      TColor want;
      if (x < 2)
        want = StripColour(10 + x, y);
      else if (x >= 20)
        want = StripColour(10 + 7 + (x - 20), y);
      else
        want = StripColour(10 + 2 + (x - 2) % 5, y);
      ASSERT_EQ(Px(*t, 3 + x, 2 + y), want) << x << "," << y;
    }
  EXPECT_TRUE(AllOf(*t, RECT{26, 0, 40, 10}, kBack));
  EXPECT_TRUE(AllOf(*t, RECT{0, 6, 40, 10}, kBack));
}

TEST(DrawRectTile, NoMiddleStretchesTheWholeFrameAndKeyColourIsTransparent) {
  auto strip = MakeBitmap(20, 4, StripColour);
  auto t = Solid(30, 4, kBack);
  DrawRectTile(t->Canvas(), RECT{0, 0, 30, 4}, strip.get(), RECT{6, 0, 6, 0}, 1, 2, 0, 0);
  auto ref = Solid(30, 4, kBack);
  HDC r = ref->Canvas()->Handle();
  SetStretchBltMode(r, COLORONCOLOR);
  StretchBlt(r, 0, 0, 30, 4, strip->Canvas()->Handle(), 0, 0, 10, 4, SRCCOPY);
  std::string where;
  EXPECT_TRUE(SamePixels(*t, *ref, &where)) << where;

  auto keyed = MakeBitmap(10, 4, [](int x, int) { return x >= 2 && x < 7 ? kKey : RGB(0, 0, 200); });
  auto u = Solid(30, 4, kBack);
  DrawRectTile(u->Canvas(), RECT{0, 0, 30, 4}, keyed.get(), RECT{2, 0, 3, 0}, 1, 1, 1, 0);
  EXPECT_TRUE(AllOf(*u, RECT{0, 0, 2, 4}, RGB(0, 0, 200)));
  EXPECT_TRUE(AllOf(*u, RECT{2, 0, 27, 4}, kBack));
  EXPECT_TRUE(AllOf(*u, RECT{27, 0, 30, 4}, RGB(0, 0, 200)));
  DrawRectTile(u->Canvas(), RECT{30, 0, 0, 4}, keyed.get(), RECT{2, 0, 3, 0}, 1, 1, 0, 0);
  EXPECT_TRUE(AllOf(*u, RECT{2, 0, 27, 4}, kBack));
}

TEST(DrawRectH, ThreeStretchedSlicesOrTheWholeFrameWhenNarrow) {
  auto strip = MakeBitmap(20, 4, StripColour);
  auto t = Solid(40, 12, kBack);
  DrawRectH(t->Canvas()->Handle(), RECT{5, 2, 35, 10}, strip.get(), RECT{2, 0, 3, 0}, 2, 2);
  auto ref = Solid(40, 12, kBack);
  HDC r = ref->Canvas()->Handle(), s = strip->Canvas()->Handle();
  SetStretchBltMode(t->Canvas()->Handle(), COLORONCOLOR);
  SetStretchBltMode(r, COLORONCOLOR);
  StretchBlt(r, 5, 2, 2, 8, s, 10, 0, 2, 4, SRCCOPY);
  StretchBlt(r, 7, 2, 25, 8, s, 12, 0, 5, 4, SRCCOPY);
  StretchBlt(r, 32, 2, 3, 8, s, 17, 0, 3, 4, SRCCOPY);
  std::string where;
  EXPECT_TRUE(SamePixels(*t, *ref, &where)) << where;
  EXPECT_EQ(Px(*t, 5, 2), StripColour(10, 0));
  EXPECT_EQ(Px(*t, 34, 9), StripColour(19, 3));

  // 8 < 10: the selected frame alone, stretched into R.
  auto n = Solid(12, 4, kBack);
  DrawRectH(n->Canvas()->Handle(), RECT{2, 0, 10, 4}, strip.get(), RECT{2, 0, 3, 0}, 2, 2);
  auto nref = Solid(12, 4, kBack);
  StretchBlt(nref->Canvas()->Handle(), 2, 0, 8, 4, s, 10, 0, 10, 4, SRCCOPY);
  EXPECT_TRUE(SamePixels(*n, *nref, &where)) << where;
}

TEST(DrawRectV, ThreeStretchedSlicesOrTheWholeFrameWhenLow) {
  // Vertical strip of 2 frames, 4 by 10: top 2 rows, middle 5, bottom 3.
  auto strip = MakeBitmap(4, 20, [](int x, int y) { return StripColour(y, x); });
  auto t = Solid(12, 40, kBack);
  DrawRectV(t->Canvas()->Handle(), RECT{2, 5, 10, 35}, strip.get(), RECT{0, 2, 0, 3}, 2, 2, 0, 1);
  auto ref = Solid(12, 40, kBack);
  HDC r = ref->Canvas()->Handle(), s = strip->Canvas()->Handle();
  StretchBlt(r, 2, 5, 8, 2, s, 0, 10, 4, 2, SRCCOPY);
  StretchBlt(r, 2, 7, 8, 25, s, 0, 12, 4, 5, SRCCOPY);
  StretchBlt(r, 2, 32, 8, 3, s, 0, 17, 4, 3, SRCCOPY);
  std::string where;
  EXPECT_TRUE(SamePixels(*t, *ref, &where)) << where;
  EXPECT_EQ(Px(*t, 2, 5), StripColour(10, 0));

  auto n = Solid(4, 12, kBack);
  DrawRectV(n->Canvas()->Handle(), RECT{0, 1, 4, 9}, strip.get(), RECT{0, 2, 0, 3}, 1, 2, 0, 1);
  auto nref = Solid(4, 12, kBack);
  StretchBlt(nref->Canvas()->Handle(), 0, 1, 4, 8, s, 0, 0, 4, 10, SRCCOPY);
  EXPECT_TRUE(SamePixels(*n, *nref, &where)) << where;
}

TEST(GetThumbMap, ThreeSlicesAlongYAndNothingForVerticalStrips) {
  // Horizontal strip of 2 frames, 4 by 10 each, rows coloured by band and frame.
  auto strip = MakeBitmap(8, 10, [](int x, int y) { return StripColour(y, x % 4 + 4 * (x / 4)); });
  auto thumb = GetThumbMap(RECT{0, 0, 6, 30}, strip.get(), RECT{0, 2, 0, 3}, 2, 2);
  ASSERT_EQ(thumb->Width(), 6);
  ASSERT_EQ(thumb->Height(), 30);
  auto ref = Solid(6, 30, clBlack);
  HDC r = ref->Canvas()->Handle(), s = strip->Canvas()->Handle();
  SetStretchBltMode(r, COLORONCOLOR);
  StretchBlt(r, 0, 0, 6, 2, s, 4, 0, 4, 2, SRCCOPY);
  StretchBlt(r, 0, 2, 6, 25, s, 4, 2, 4, 5, SRCCOPY);
  StretchBlt(r, 0, 27, 6, 3, s, 4, 7, 4, 3, SRCCOPY);
  std::string where;
  EXPECT_TRUE(SamePixels(*thumb, *ref, &where)) << where;
  auto undrawn = GetThumbMap(RECT{0, 0, 6, 30}, strip.get(), RECT{0, 2, 0, 3}, 2, 2, 0, 1);
  EXPECT_TRUE(AllOf(*undrawn, RECT{0, 0, 6, 30}, clBlack));
}

TEST(DrawRect1, WholeFrameStretchedOpaqueOrKeyed) {
  // 64 by 16 strip of four 16 by 16 frames; frame 3 starts at x = 32.
  auto strip = MakeBitmap(64, 16, [](int x, int y) {
    if (x / 16 != 2) return RGB(0, 0, 0);
    return (x % 16) < 8 ? RGB(200, 0, 0) : (y < 8 ? kKey : RGB(0, 200, 0));
  });
  auto t = Solid(40, 40, kBack);
  DrawRect1(t->Canvas()->Handle(), RECT{4, 4, 36, 36}, strip.get(), 3, 4, 0);
  EXPECT_TRUE(AllOf(*t, RECT{4, 4, 20, 36}, RGB(200, 0, 0)));
  EXPECT_TRUE(AllOf(*t, RECT{20, 4, 36, 20}, kKey));
  EXPECT_TRUE(AllOf(*t, RECT{20, 20, 36, 36}, RGB(0, 200, 0)));
  EXPECT_TRUE(AllOf(*t, RECT{36, 0, 40, 40}, kBack));
  auto k = Solid(40, 40, kBack);
  DrawRect1(k->Canvas()->Handle(), RECT{4, 4, 36, 36}, strip.get(), 3, 4, 1);
  EXPECT_TRUE(AllOf(*k, RECT{20, 4, 36, 20}, kBack));
  EXPECT_TRUE(AllOf(*k, RECT{4, 4, 20, 36}, RGB(200, 0, 0)));
  DrawRect1(k->Canvas()->Handle(), RECT{36, 36, 4, 4}, strip.get(), 3, 4, 0);
  EXPECT_TRUE(AllOf(*k, RECT{20, 4, 36, 20}, kBack));
}

TEST(DrawRect3, FrameCentredUnscaledOverhangingWhenLarger) {
  auto strip = MakeBitmap(20, 6, [](int x, int y) { return RGB(x * 10, y * 10 + 5, x < 10 ? 1 : 2); });
  auto t = Solid(40, 40, kBack);
  HDC dc = t->Canvas()->Handle();
  DrawRect3(dc, RECT{10, 10, 30, 20}, strip.get(), 2, 2, 0);  // at (15, 12)
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(Px(*t, 15 + x, 12 + y), Px(*strip, 10 + x, y));
  EXPECT_EQ(Px(*t, 14, 12), kBack);
  EXPECT_EQ(Px(*t, 25, 12), kBack);
  // R 5 by 3, frame 10 by 6: offsets (5 - 10) div 2 = -2 and (3 - 6) div 2 = -1, toward zero.
  auto o = Solid(40, 40, kBack);
  DrawRect3(o->Canvas()->Handle(), RECT{20, 20, 25, 23}, strip.get(), 1, 2, 0);
  EXPECT_EQ(Px(*o, 18, 19), Px(*strip, 0, 0));
  EXPECT_EQ(Px(*o, 27, 24), Px(*strip, 9, 5));
  EXPECT_EQ(Px(*o, 17, 19), kBack);
  EXPECT_EQ(Px(*o, 18, 18), kBack);
  // Keyed: magenta pixels of the frame keep the target.
  auto keyed = MakeBitmap(4, 4, [](int x, int) { return x < 2 ? kKey : RGB(0, 0, 99); });
  auto k = Solid(8, 8, kBack);
  DrawRect3(k->Canvas()->Handle(), RECT{0, 0, 8, 8}, keyed.get(), 1, 1, 1);
  EXPECT_TRUE(AllOf(*k, RECT{2, 2, 4, 6}, kBack));
  EXPECT_TRUE(AllOf(*k, RECT{4, 2, 6, 6}, RGB(0, 0, 99)));
}

TEST(DrawBGbmp, TilesFromTheTopLeftAndOverrunTheTarget) {
  auto src = MakeBitmap(10, 10, [](int x, int y) { return RGB(x * 20, y * 20, 3); });
  auto t = Solid(30, 30, kBack);
  DrawBGbmp(t->Canvas(), RECT{2, 3, 12, 10}, src.get(), RECT{1, 2, 5, 5});  // 4 by 3 tiles
  // Columns at 2, 6, 10 (the last running to 14); rows at 3, 6, 9 (the last to 12).
  for (int y = 3; y < 12; ++y)
    for (int x = 2; x < 14; ++x)
      ASSERT_EQ(Px(*t, x, y), Px(*src, 1 + (x - 2) % 4, 2 + (y - 3) % 3)) << x << "," << y;
  EXPECT_TRUE(AllOf(*t, RECT{14, 0, 30, 30}, kBack));
  EXPECT_TRUE(AllOf(*t, RECT{0, 12, 30, 30}, kBack));
  auto u = Solid(10, 10, kBack);
  DrawBGbmp(u->Canvas(), RECT{0, 0, 10, 10}, src.get(), RECT{3, 3, 3, 8});
  DrawBGbmp(u->Canvas(), RECT{0, 0, 10, 10}, src.get(), RECT{5, 5, 1, 1});
  DrawBGbmp(u->Canvas(), RECT{0, 0, 10, 10}, nullptr, RECT{0, 0, 2, 2});
  EXPECT_TRUE(AllOf(*u, RECT{0, 0, 10, 10}, kBack));
}

TEST(DrawTranmap, KeyPixelsKeepTheTargetInBothBlitForms) {
  auto src = MakeBitmap(6, 4, [](int x, int y) { return (x + y) % 2 ? kKey : RGB(x * 40, y * 60, 9); });
  for (bool maskBlt : {true, false}) {
    auto t = Solid(20, 20, kBack);
    HDC dc = t->Canvas()->Handle();
    const COLORREF bk = SetBkColor(dc, RGB(1, 2, 3)), text = SetTextColor(dc, RGB(4, 5, 6));
    // R larger than the source: the copy stops at the source's own size.
    DrawTranmapWith(dc, RECT{3, 5, 15, 15}, src.get(), clFuchsia, maskBlt);
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6));
    SetBkColor(dc, bk);
    SetTextColor(dc, text);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        const bool inside = x >= 3 && x < 9 && y >= 5 && y < 9;
        const TColor want = inside && (x - 3 + y - 5) % 2 == 0 ? Px(*src, x - 3, y - 5) : kBack;
        ASSERT_EQ(Px(*t, x, y), want) << x << "," << y << (maskBlt ? " masked" : " xor");
      }
  }
  auto t = Solid(4, 4, kBack);
  DrawTranmap(t->Canvas()->Handle(), RECT{4, 4, 0, 0}, src.get(), clFuchsia);
  DrawTranmap(t->Canvas()->Handle(), RECT{0, 0, 4, 4}, nullptr, clFuchsia);
  EXPECT_TRUE(AllOf(*t, RECT{0, 0, 4, 4}, kBack));
  // Another key colour.
  DrawTranmap(t->Canvas()->Handle(), RECT{0, 0, 4, 4}, Solid(4, 4, RGB(0, 0, 99)).get(), RGB(0, 0, 99));
  EXPECT_TRUE(AllOf(*t, RECT{0, 0, 4, 4}, kBack));
}

TEST(Bitmapdraw, PlainCopyThroughTheBitmapsPalette) {
  auto src = MakeBitmap(4, 2, [](int x, int y) { return x < 2 ? RGB(255, 0, 0) : RGB(0, 0, 255 * y); });
  src->SetPixelFormat(pf8bit);
  ASSERT_TRUE(src->Palette());
  auto t = Solid(10, 10, kBack);
  HDC dc = t->Canvas()->Handle();
  const HGDIOBJ paletteBefore = GetCurrentObject(dc, OBJ_PAL);
  Bitmapdraw(dc, RECT{3, 3, 20, 20}, src.get());
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), paletteBefore);
  EXPECT_TRUE(AllOf(*t, RECT{3, 3, 5, 5}, RGB(255, 0, 0)));
  EXPECT_EQ(Px(*t, 5, 3), RGB(0, 0, 0));
  EXPECT_EQ(Px(*t, 6, 4), RGB(0, 0, 255));
  EXPECT_TRUE(AllOf(*t, RECT{7, 0, 10, 10}, kBack));
  EXPECT_TRUE(AllOf(*t, RECT{0, 5, 10, 10}, kBack));
}
