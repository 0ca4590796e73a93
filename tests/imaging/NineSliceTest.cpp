// Nine-slice painters (GetHMap, DrawRect2, DrawBorder) on memory bitmaps, pixel by pixel.
#include <gtest/gtest.h>

#include "skin/imaging/SkinPaint.h"
#include "tests/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {

const RECT kMargins{3, 2, 4, 5};
constexpr int kFw = 12, kFh = 14;  // frames of the test strip

// Expected colour of target pixel (x, y) of a W by H nine-slice rendering of frame F.
TColor Expected(int F, int X, int Y, int W, int H, const RECT& M = kMargins) {
  const int col = X < M.left ? 0 : X >= W - M.right ? 2 : 1;
  const int row = Y < M.top ? 0 : Y >= H - M.bottom ? 2 : 1;
  return NineColour(F, col, row);
}

::testing::AssertionResult MatchesNineSlice(TBitmap& B, int F, int Dx, int Dy, int W, int H) {
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (Px(B, Dx + x, Dy + y) != Expected(F, x, y, W, H))
        return ::testing::AssertionFailure() << "pixel " << x << "," << y;
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(GetHMap, EachSliceLandsInItsPlaceForEveryFrame) {
  auto strip = NineRegionStrip(3, kFw, kFh, kMargins);
  for (int f = 1; f <= 3; ++f) {
    auto map = GetHMap(RECT{5, 5, 45, 35}, strip.get(), kMargins, f, 3, 0, 0);
    ASSERT_EQ(map->Width(), 40);
    ASSERT_EQ(map->Height(), 30);
    EXPECT_TRUE(MatchesNineSlice(*map, f - 1, 0, 0, 40, 30)) << "frame " << f;
  }
  // A vertical strip reads stacked frames.
  auto stacked = NineRegionStrip(2, kFw, kFh, kMargins, true);
  auto map = GetHMap(RECT{0, 0, 20, 20}, stacked.get(), kMargins, 2, 2, 0, 1);
  EXPECT_TRUE(MatchesNineSlice(*map, 1, 0, 0, 20, 20));
}

TEST(GetHMap, MarginsCollapsePerAxisAndZeroMarginsStretchTheFrame) {
  auto strip = NineRegionStrip(2, kFw, kFh, kMargins);
  HDC src = strip->Canvas()->Handle();
  // 6 < 3 + 4: no left or right slices, the whole frame width (centre included) across; the rows
  // keep their slices. Reference: the three bands of the frame each stretched over the target.
  auto map = GetHMap(RECT{0, 0, 6, 30}, strip.get(), kMargins, 2, 2, 0, 0);
  auto ref = Solid(6, 30, clBlack);
  HDC r = ref->Canvas()->Handle();
  SetStretchBltMode(r, COLORONCOLOR);
  StretchBlt(r, 0, 0, 6, 2, src, kFw, 0, kFw, 2, SRCCOPY);
  StretchBlt(r, 0, 2, 6, 23, src, kFw, 2, kFw, kFh - 7, SRCCOPY);
  StretchBlt(r, 0, 25, 6, 5, src, kFw, kFh - 5, kFw, 5, SRCCOPY);
  std::string where;
  EXPECT_TRUE(SamePixels(*map, *ref, &where)) << where;
  EXPECT_EQ(Px(*map, 0, 0), NineColour(1, 0, 0));  // the frame's own left column still shows
  // Both axes too small: one stretch of the whole frame.
  map = GetHMap(RECT{0, 0, 6, 6}, strip.get(), kMargins, 2, 2, 0, 0);
  ref = Solid(6, 6, clBlack);
  SetStretchBltMode(ref->Canvas()->Handle(), COLORONCOLOR);
  StretchBlt(ref->Canvas()->Handle(), 0, 0, 6, 6, src, kFw, 0, kFw, kFh, SRCCOPY);
  EXPECT_TRUE(SamePixels(*map, *ref, &where)) << where;
  // Zero margins on a frame of one flat colour: a pure stretch.
  auto flat = Solid(4, 4, RGB(9, 99, 199));
  map = GetHMap(RECT{0, 0, 13, 7}, flat.get(), RECT{}, 1, 1, 0, 0);
  EXPECT_TRUE(AllOf(*map, RECT{0, 0, 13, 7}, RGB(9, 99, 199)));
}

TEST(GetHMap, ACornerNeedsBothMarginsAndAnEdgeItsOwn) {
  const RECT leftOnly{3, 0, 0, 0};
  auto strip = NineRegionStrip(1, kFw, kFh, leftOnly);
  auto map = GetHMap(RECT{0, 0, 20, 10}, strip.get(), leftOnly, 1, 1, 0, 0);
  // The left edge runs the full height (no corners), the rest is centre.
  EXPECT_TRUE(AllOf(*map, RECT{0, 0, 3, 10}, NineColour(0, 0, 1)));
  EXPECT_TRUE(AllOf(*map, RECT{3, 0, 20, 10}, NineColour(0, 1, 1)));
}

TEST(GetHMap, TiledCentreRepeatsAndLaterSlicesCoverItsOverrun) {
  // Frame 8 by 6 with margins 2 all round: a 4 by 2 centre of four distinct pixels.
  auto frame = MakeBitmap(8, 6, [](int x, int y) {
    if (x < 2 || x >= 6 || y < 2 || y >= 4) return RGB(1, 1, 1);
    return RGB(100 + (x - 2) * 30, 50 + (y - 2) * 100, 0);
  });
  const RECT m{2, 2, 2, 2};
  auto map = GetHMap(RECT{0, 0, 13, 9}, frame.get(), m, 1, 1, 1, 0);
  // Centre (2,2)-(11,7): tiles of 4 by 2 from (2,2); the third column and row overrun into the
  // right and bottom slices, which are drawn after the centre and cover it.
  for (int y = 2; y < 7; ++y)
    for (int x = 2; x < 11; ++x)
      EXPECT_EQ(Px(*map, x, y), RGB(100 + ((x - 2) % 4) * 30, 50 + ((y - 2) % 2) * 100, 0)) << x << "," << y;
  EXPECT_TRUE(AllOf(*map, RECT{11, 0, 13, 9}, RGB(1, 1, 1)));
  EXPECT_TRUE(AllOf(*map, RECT{0, 7, 13, 9}, RGB(1, 1, 1)));
  // Zero margins with Tile: the whole frame tiles the target.
  map = GetHMap(RECT{0, 0, 20, 9}, frame.get(), RECT{}, 1, 1, 1, 0);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 20; ++x) EXPECT_EQ(Px(*map, x, y), Px(*frame, x % 8, y % 6));
}

TEST(GetHMap, BadFramesAndTargetsAreSafe) {
  auto strip = NineRegionStrip(2, kFw, kFh, kMargins);
  // No frames declared: the bitmap is one frame; an index past the end reads the last frame.
  auto whole = GetHMap(RECT{0, 0, 30, 30}, strip.get(), RECT{}, 1, 0, 0, 0);
  EXPECT_EQ(whole->Width(), 30);
  auto last = GetHMap(RECT{0, 0, 30, 30}, strip.get(), kMargins, 9, 2, 0, 0);
  EXPECT_TRUE(MatchesNineSlice(*last, 1, 0, 0, 30, 30));
  auto first = GetHMap(RECT{0, 0, 30, 30}, strip.get(), kMargins, -4, 2, 0, 0);
  EXPECT_TRUE(MatchesNineSlice(*first, 0, 0, 0, 30, 30));
  EXPECT_TRUE(GetHMap(RECT{10, 10, 0, 0}, strip.get(), kMargins, 1, 2, 0, 0)->Empty());
  auto none = GetHMap(RECT{0, 0, 5, 5}, nullptr, kMargins, 1, 1, 0, 0);
  EXPECT_EQ(none->Width(), 5);
  // Margins larger than the frame never reach into the neighbouring frame.
  auto wide = GetHMap(RECT{0, 0, 40, 40}, strip.get(), RECT{10, 0, 10, 0}, 1, 2, 0, 0);
  for (int x = 0; x < 40; ++x) EXPECT_NE(GetBValue(Px(*wide, x, 20)), GetBValue(NineColour(1, 0, 0)));
}

TEST(DrawRect2, OpaqueAndKeyedOutputAtTheTargetOffset) {
  auto strip = NineRegionStrip(2, kFw, kFh, kMargins);
  auto target = Solid(50, 40, RGB(7, 7, 7));
  DrawRect2(target->Canvas()->Handle(), RECT{4, 6, 34, 30}, strip.get(), kMargins, 2, 2, 0, 0, 0);
  EXPECT_TRUE(MatchesNineSlice(*target, 1, 4, 6, 30, 24));
  EXPECT_TRUE(AllOf(*target, RECT{0, 0, 50, 6}, RGB(7, 7, 7)));
  EXPECT_TRUE(AllOf(*target, RECT{34, 0, 50, 40}, RGB(7, 7, 7)));

  // Magenta centre: with Transparent the target shows through there, in both blit forms.
  auto holed = MakeBitmap(kFw, kFh, [](int x, int y) {
    return x >= 3 && x < 8 && y >= 2 && y < 9 ? RGB(255, 0, 255) : RGB(0, 90, 0);
  });
  for (bool transparent : {true, false}) {
    auto t = Solid(30, 30, RGB(7, 7, 7));
    DrawRect2(t->Canvas()->Handle(), RECT{0, 0, 30, 30}, holed.get(), kMargins, 1, 1, transparent, 0, 0);
    EXPECT_EQ(Px(*t, 15, 15), transparent ? RGB(7, 7, 7) : RGB(255, 0, 255));
    EXPECT_EQ(Px(*t, 0, 0), RGB(0, 90, 0));
    EXPECT_EQ(Px(*t, 29, 29), RGB(0, 90, 0));
  }
}

TEST(DrawRect2, InvertedOrEmptyTargetsAndMissingBitmapsDrawNothing) {
  auto strip = NineRegionStrip(1, kFw, kFh, kMargins);
  auto t = Solid(20, 20, RGB(7, 7, 7));
  HDC dc = t->Canvas()->Handle();
  DrawRect2(dc, RECT{15, 0, 5, 20}, strip.get(), kMargins, 1, 1, 0, 0, 0);
  DrawRect2(dc, RECT{0, 15, 20, 5}, strip.get(), kMargins, 1, 1, 1, 0, 0);
  DrawRect2(dc, RECT{5, 5, 5, 15}, strip.get(), kMargins, 1, 1, 0, 0, 0);
  DrawRect2(dc, RECT{0, 0, 20, 20}, nullptr, kMargins, 1, 1, 0, 0, 0);
  TBitmap empty;
  DrawRect2(dc, RECT{0, 0, 20, 20}, &empty, kMargins, 1, 1, 0, 0, 0);
  DrawRect2(dc, RECT{-2000000000, 0, 2000000000, 20}, strip.get(), kMargins, 1, 1, 0, 0, 0);
  EXPECT_TRUE(AllOf(*t, RECT{0, 0, 20, 20}, RGB(7, 7, 7)));
}

TEST(DrawBorder, EightSlicesStraightOntoTheContextAndTheCentreUntouched) {
  auto strip = NineRegionStrip(2, kFw, kFh, kMargins);
  auto t = Solid(50, 40, RGB(7, 7, 7));
  HDC dc = t->Canvas()->Handle();
  SetStretchBltMode(dc, BLACKONWHITE);
  DrawBorder(dc, RECT{5, 3, 45, 33}, strip.get(), kMargins, 1, 2, 0, 0);
  EXPECT_EQ(GetStretchBltMode(dc), COLORONCOLOR);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool centre = x >= 3 && x < 36 && y >= 2 && y < 25;
      ASSERT_EQ(Px(*t, 5 + x, 3 + y), centre ? RGB(7, 7, 7) : Expected(0, x, y, 40, 30)) << x << "," << y;
    }
  EXPECT_TRUE(AllOf(*t, RECT{0, 0, 50, 3}, RGB(7, 7, 7)));
}
