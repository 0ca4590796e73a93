// Nine-slice painters (GetHMap, DrawRect2, DrawBorder) on memory bitmaps, pixel by pixel.
#include <gtest/gtest.h>

#include "skin/imaging/SkinPaint.h"
#include "tests/skin/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {

const RECT kMargins{3, 2, 4, 5};
constexpr int kFw = 12, kFh = 14;  // frames of the test strip

// Expected colour of target pixel (x, y) of a W by H nine-slice rendering of frame F.
TColor Expected(int F, int X, int Y, int W, int H, const RECT& M = kMargins) {
  const int Col = X < M.left ? 0 : X >= W - M.right ? 2 : 1;
  const int Row = Y < M.top ? 0 : Y >= H - M.bottom ? 2 : 1;
  return NineColour(F, Col, Row);
}

::testing::AssertionResult MatchesNineSlice(TBitmap& B, int F, int Dx, int Dy, int W, int H) {
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      if (Px(B, Dx + X, Dy + Y) != Expected(F, X, Y, W, H))
        return ::testing::AssertionFailure() << "pixel " << X << "," << Y;
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(GetHMap, EachSliceLandsInItsPlaceForEveryFrame) {
  auto Strip = NineRegionStrip(3, kFw, kFh, kMargins);
  for (int F = 1; F <= 3; ++F) {
    auto Map = GetHMap(RECT{5, 5, 45, 35}, Strip.get(), kMargins, F, 3, 0, 0);
    ASSERT_EQ(Map->Width(), 40);
    ASSERT_EQ(Map->Height(), 30);
    EXPECT_TRUE(MatchesNineSlice(*Map, F - 1, 0, 0, 40, 30)) << "frame " << F;
  }
  // A vertical strip reads stacked frames.
  auto Stacked = NineRegionStrip(2, kFw, kFh, kMargins, true);
  auto Map = GetHMap(RECT{0, 0, 20, 20}, Stacked.get(), kMargins, 2, 2, 0, 1);
  EXPECT_TRUE(MatchesNineSlice(*Map, 1, 0, 0, 20, 20));
}

TEST(GetHMap, MarginsCollapsePerAxisAndZeroMarginsStretchTheFrame) {
  auto Strip = NineRegionStrip(2, kFw, kFh, kMargins);
  HDC Src = Strip->Canvas()->Handle();
  // 6 < 3 + 4: no left or right slices, the whole frame width (centre included) across; the rows
  // keep their slices. Reference: the three bands of the frame each stretched over the target.
  auto Map = GetHMap(RECT{0, 0, 6, 30}, Strip.get(), kMargins, 2, 2, 0, 0);
  auto Ref = Solid(6, 30, clBlack);
  HDC R = Ref->Canvas()->Handle();
  SetStretchBltMode(R, COLORONCOLOR);
  StretchBlt(R, 0, 0, 6, 2, Src, kFw, 0, kFw, 2, SRCCOPY);
  StretchBlt(R, 0, 2, 6, 23, Src, kFw, 2, kFw, kFh - 7, SRCCOPY);
  StretchBlt(R, 0, 25, 6, 5, Src, kFw, kFh - 5, kFw, 5, SRCCOPY);
  std::string Where;
  EXPECT_TRUE(SamePixels(*Map, *Ref, &Where)) << Where;
  EXPECT_EQ(Px(*Map, 0, 0), NineColour(1, 0, 0));  // the frame's own left column still shows
  // Both axes too small: one stretch of the whole frame.
  Map = GetHMap(RECT{0, 0, 6, 6}, Strip.get(), kMargins, 2, 2, 0, 0);
  Ref = Solid(6, 6, clBlack);
  SetStretchBltMode(Ref->Canvas()->Handle(), COLORONCOLOR);
  StretchBlt(Ref->Canvas()->Handle(), 0, 0, 6, 6, Src, kFw, 0, kFw, kFh, SRCCOPY);
  EXPECT_TRUE(SamePixels(*Map, *Ref, &Where)) << Where;
  // Zero margins on a frame of one flat colour: a pure stretch.
  auto Flat = Solid(4, 4, RGB(9, 99, 199));
  Map = GetHMap(RECT{0, 0, 13, 7}, Flat.get(), RECT{}, 1, 1, 0, 0);
  EXPECT_TRUE(AllOf(*Map, RECT{0, 0, 13, 7}, RGB(9, 99, 199)));
}

TEST(GetHMap, ACornerNeedsBothMarginsAndAnEdgeItsOwn) {
  const RECT LeftOnly{3, 0, 0, 0};
  auto Strip = NineRegionStrip(1, kFw, kFh, LeftOnly);
  auto Map = GetHMap(RECT{0, 0, 20, 10}, Strip.get(), LeftOnly, 1, 1, 0, 0);
  // The left edge runs the full height (no corners), the rest is centre.
  EXPECT_TRUE(AllOf(*Map, RECT{0, 0, 3, 10}, NineColour(0, 0, 1)));
  EXPECT_TRUE(AllOf(*Map, RECT{3, 0, 20, 10}, NineColour(0, 1, 1)));
}

TEST(GetHMap, TiledCentreRepeatsAndLaterSlicesCoverItsOverrun) {
  // Frame 8 by 6 with margins 2 all round: a 4 by 2 centre of four distinct pixels.
  auto FrameStrip = MakeBitmap(8, 6, [](int X, int Y) {
    if (X < 2 || X >= 6 || Y < 2 || Y >= 4) return RGB(1, 1, 1);
    return RGB(100 + (X - 2) * 30, 50 + (Y - 2) * 100, 0);
  });
  const RECT M{2, 2, 2, 2};
  auto Map = GetHMap(RECT{0, 0, 13, 9}, FrameStrip.get(), M, 1, 1, 1, 0);
  // Centre (2,2)-(11,7): tiles of 4 by 2 from (2,2); the third column and row overrun into the
  // right and bottom slices, which are drawn after the centre and cover it.
  for (int Y = 2; Y < 7; ++Y)
    for (int X = 2; X < 11; ++X)
      EXPECT_EQ(Px(*Map, X, Y), RGB(100 + ((X - 2) % 4) * 30, 50 + ((Y - 2) % 2) * 100, 0)) << X << "," << Y;
  EXPECT_TRUE(AllOf(*Map, RECT{11, 0, 13, 9}, RGB(1, 1, 1)));
  EXPECT_TRUE(AllOf(*Map, RECT{0, 7, 13, 9}, RGB(1, 1, 1)));
  // Zero margins with Tile: the whole frame tiles the target.
  Map = GetHMap(RECT{0, 0, 20, 9}, FrameStrip.get(), RECT{}, 1, 1, 1, 0);
  for (int Y = 0; Y < 9; ++Y)
    for (int X = 0; X < 20; ++X) EXPECT_EQ(Px(*Map, X, Y), Px(*FrameStrip, X % 8, Y % 6));
}

TEST(GetHMap, BadFramesAndTargetsAreSafe) {
  auto Strip = NineRegionStrip(2, kFw, kFh, kMargins);
  // No frames declared: the bitmap is one frame; an index past the end reads the last frame.
  auto Whole = GetHMap(RECT{0, 0, 30, 30}, Strip.get(), RECT{}, 1, 0, 0, 0);
  EXPECT_EQ(Whole->Width(), 30);
  auto Last = GetHMap(RECT{0, 0, 30, 30}, Strip.get(), kMargins, 9, 2, 0, 0);
  EXPECT_TRUE(MatchesNineSlice(*Last, 1, 0, 0, 30, 30));
  auto First = GetHMap(RECT{0, 0, 30, 30}, Strip.get(), kMargins, -4, 2, 0, 0);
  EXPECT_TRUE(MatchesNineSlice(*First, 0, 0, 0, 30, 30));
  EXPECT_TRUE(GetHMap(RECT{10, 10, 0, 0}, Strip.get(), kMargins, 1, 2, 0, 0)->Empty());
  auto None = GetHMap(RECT{0, 0, 5, 5}, nullptr, kMargins, 1, 1, 0, 0);
  EXPECT_EQ(None->Width(), 5);
  // Margins larger than the frame never reach into the neighbouring frame.
  auto Wide = GetHMap(RECT{0, 0, 40, 40}, Strip.get(), RECT{10, 0, 10, 0}, 1, 2, 0, 0);
  for (int X = 0; X < 40; ++X) EXPECT_NE(GetBValue(Px(*Wide, X, 20)), GetBValue(NineColour(1, 0, 0)));
}

TEST(DrawRect2, OpaqueAndKeyedOutputAtTheTargetOffset) {
  auto Strip = NineRegionStrip(2, kFw, kFh, kMargins);
  auto Target = Solid(50, 40, RGB(7, 7, 7));
  DrawRect2(Target->Canvas()->Handle(), RECT{4, 6, 34, 30}, Strip.get(), kMargins, 2, 2, 0, 0, 0);
  EXPECT_TRUE(MatchesNineSlice(*Target, 1, 4, 6, 30, 24));
  EXPECT_TRUE(AllOf(*Target, RECT{0, 0, 50, 6}, RGB(7, 7, 7)));
  EXPECT_TRUE(AllOf(*Target, RECT{34, 0, 50, 40}, RGB(7, 7, 7)));

  // Magenta centre: with Transparent the target shows through there, in both blit forms.
  auto Holed = MakeBitmap(kFw, kFh, [](int X, int Y) {
    return X >= 3 && X < 8 && Y >= 2 && Y < 9 ? RGB(255, 0, 255) : RGB(0, 90, 0);
  });
  for (bool Keyed : {true, false}) {
    auto T = Solid(30, 30, RGB(7, 7, 7));
    DrawRect2(T->Canvas()->Handle(), RECT{0, 0, 30, 30}, Holed.get(), kMargins, 1, 1, Keyed, 0, 0);
    EXPECT_EQ(Px(*T, 15, 15), Keyed ? RGB(7, 7, 7) : RGB(255, 0, 255));
    EXPECT_EQ(Px(*T, 0, 0), RGB(0, 90, 0));
    EXPECT_EQ(Px(*T, 29, 29), RGB(0, 90, 0));
  }
}

TEST(DrawRect2, InvertedOrEmptyTargetsAndMissingBitmapsDrawNothing) {
  auto Strip = NineRegionStrip(1, kFw, kFh, kMargins);
  auto T = Solid(20, 20, RGB(7, 7, 7));
  HDC DC = T->Canvas()->Handle();
  DrawRect2(DC, RECT{15, 0, 5, 20}, Strip.get(), kMargins, 1, 1, 0, 0, 0);
  DrawRect2(DC, RECT{0, 15, 20, 5}, Strip.get(), kMargins, 1, 1, 1, 0, 0);
  DrawRect2(DC, RECT{5, 5, 5, 15}, Strip.get(), kMargins, 1, 1, 0, 0, 0);
  DrawRect2(DC, RECT{0, 0, 20, 20}, nullptr, kMargins, 1, 1, 0, 0, 0);
  TBitmap Empty;
  DrawRect2(DC, RECT{0, 0, 20, 20}, &Empty, kMargins, 1, 1, 0, 0, 0);
  DrawRect2(DC, RECT{-2000000000, 0, 2000000000, 20}, Strip.get(), kMargins, 1, 1, 0, 0, 0);
  EXPECT_TRUE(AllOf(*T, RECT{0, 0, 20, 20}, RGB(7, 7, 7)));
}

TEST(DrawBorder, EightSlicesStraightOntoTheContextAndTheCentreUntouched) {
  auto Strip = NineRegionStrip(2, kFw, kFh, kMargins);
  auto T = Solid(50, 40, RGB(7, 7, 7));
  HDC DC = T->Canvas()->Handle();
  SetStretchBltMode(DC, BLACKONWHITE);
  DrawBorder(DC, RECT{5, 3, 45, 33}, Strip.get(), kMargins, 1, 2, 0, 0);
  EXPECT_EQ(GetStretchBltMode(DC), COLORONCOLOR);
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 40; ++X) {
      const bool Centre = X >= 3 && X < 36 && Y >= 2 && Y < 25;
      ASSERT_EQ(Px(*T, 5 + X, 3 + Y), Centre ? RGB(7, 7, 7) : Expected(0, X, Y, 40, 30)) << X << "," << Y;
    }
  EXPECT_TRUE(AllOf(*T, RECT{0, 0, 50, 3}, RGB(7, 7, 7)));
}
