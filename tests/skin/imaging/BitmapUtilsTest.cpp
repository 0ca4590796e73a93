// Bitmap utilities on real DIB sections: grey, key swap, mirrors, turns, blending and gradients.
#include <gtest/gtest.h>

#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/ColorMath.h"
#include "tests/skin/imaging/PaintTestUtil.h"

using namespace imgtest;

namespace {
// Pixel (x, y) is a colour that names its position.
TColor Tag(int X, int Y) {
  return RGB(X * 10 + 1, Y * 10 + 2, 7);
}
std::unique_ptr<TBitmap> Tagged(int W, int H, TPixelFormat F = pf24bit) {
  return MakeBitmap(W, H, Tag, F);
}
}  // namespace

TEST(BitmapUtils, GreyIsThePlainAverageIn24Bits) {
  auto B = Solid(3, 2, RGB(10, 20, 31), pf32bit);
  SetPx(*B, 2, 1, RGB(255, 255, 254));
  ConvertBitmapToGrayscale(B.get());
  EXPECT_EQ(B->BitCount(), 24);
  EXPECT_EQ(Px(*B, 0, 0), RGB(20, 20, 20));
  EXPECT_EQ(Px(*B, 2, 1), RGB(254, 254, 254));
  ConvertBitmapToGrayscale(nullptr);
  TBitmap Blank;
  ConvertBitmapToGrayscale(&Blank);
  EXPECT_TRUE(Blank.Empty());
}

TEST(BitmapUtils, ChangeTransSwapsExactMagentaOnly) {
  auto B = Solid(3, 1, RGB(255, 0, 255), pf32bit);
  SetPx(*B, 1, 0, RGB(254, 0, 255));
  SetPx(*B, 2, 0, RGB(255, 1, 255));
  ChangeTrans(B.get(), RGB(1, 2, 3));
  EXPECT_EQ(B->PixelFormat(), pf24bit);
  EXPECT_EQ(Px(*B, 0, 0), RGB(1, 2, 3));
  EXPECT_EQ(Px(*B, 1, 0), RGB(254, 0, 255));
  EXPECT_EQ(Px(*B, 2, 0), RGB(255, 1, 255));
  // A system colour's low three bytes are used as they are, not looked up.
  auto C = Solid(1, 1, RGB(255, 0, 255));
  ChangeTrans(C.get(), clBtnFace);
  EXPECT_EQ(Px(*C, 0, 0), RGB(COLOR_BTNFACE, 0, 0));
}

TEST(BitmapUtils, MirrorsAndHalfTurnFollowTheirMappings) {
  for (TPixelFormat F : {pf24bit, pf32bit}) {
    auto H = Tagged(3, 2, F), V = Tagged(3, 2, F), T = Tagged(3, 2, F);
    SpiegelnHorizontal(H.get());
    SpiegelnVertikal(V.get());
    Drehen180Grad(T.get());
    for (int Y = 0; Y < 2; ++Y)
      for (int X = 0; X < 3; ++X) {
        EXPECT_EQ(Px(*H, X, Y), Tag(2 - X, Y));
        EXPECT_EQ(Px(*V, X, Y), Tag(X, 1 - Y));
        EXPECT_EQ(Px(*T, X, Y), Tag(2 - X, 1 - Y));
      }
    EXPECT_EQ(H->BitCount(), F == pf24bit ? 24 : 32);
  }
  // Other depths are turned into 24-bit pictures first.
  auto P = Tagged(2, 1);
  P->SetPixelFormat(pf16bit);
  SpiegelnHorizontal(P.get());
  EXPECT_EQ(P->BitCount(), 24);
}

TEST(BitmapUtils, QuarterTurnsSwapTheSizeAndUndoEachOther) {
  auto Cw = Tagged(4, 3), Ccw = Tagged(4, 3);
  Drehen90Grad(Cw.get());
  Drehen270Grad(Ccw.get());
  ASSERT_EQ(Cw->Width(), 3);
  ASSERT_EQ(Cw->Height(), 4);
  ASSERT_EQ(Ccw->Width(), 3);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 3; ++X) {
      EXPECT_EQ(Px(*Cw, X, Y), Tag(Y, 3 - 1 - X));
      EXPECT_EQ(Px(*Ccw, X, Y), Tag(4 - 1 - Y, X));
    }
  auto Start = Tagged(4, 3), Back = Tagged(4, 3), Four = Tagged(4, 3);
  Drehen90Grad(Back.get());
  Drehen270Grad(Back.get());
  for (int I = 0; I < 4; ++I) Drehen90Grad(Four.get());
  EXPECT_TRUE(SamePixels(*Back, *Start));
  EXPECT_TRUE(SamePixels(*Four, *Start));
  EXPECT_EQ(Four->PixelFormat(), pf24bit);
}

TEST(BitmapUtils, Rotate90GivesANewCounterClockwiseBitmapFor24BitOnly) {
  auto Src = Tagged(4, 3);
  std::unique_ptr<TBitmap> R = Rotate90(Src.get());
  ASSERT_TRUE(R);
  ASSERT_EQ(R->Width(), 3);
  ASSERT_EQ(R->Height(), 4);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 3; ++X) EXPECT_EQ(Px(*R, X, Y), Tag(4 - 1 - Y, X));
  EXPECT_TRUE(SamePixels(*Src, *Tagged(4, 3)));  // the source is unchanged
  EXPECT_EQ(Rotate90(Tagged(4, 3, pf32bit).get()), nullptr);
  auto Indexed = Tagged(2, 2);
  Indexed->SetPixelFormat(pf8bit);
  EXPECT_EQ(Rotate90(Indexed.get()), nullptr);
  EXPECT_EQ(Rotate90(nullptr), nullptr);
}

TEST(BitmapUtils, BlendResolvesSystemColoursAndGetHSVReadsBytes) {
  EXPECT_EQ(Blend(clWhite, clBlack, 50), TColor(0x808080));
  EXPECT_EQ(Blend(clBtnFace, clBtnFace, 30), ColorToRGB(clBtnFace));
  EXPECT_EQ(Blend(RGB(200, 100, 0), RGB(0, 0, 100), 100), RGB(20, 10, 90));
  EXPECT_EQ(GetHSV(RGB(255, 0, 0)), 255);
  EXPECT_EQ(GetHSV(RGB(128, 128, 128)), 200);
  EXPECT_EQ(GetHSV(RGB(200, 200, 200)), 0);
}

TEST(GradFill, EveryBandHasItsTableColour) {
  auto B = Solid(20, 6, clBlack);
  HDC DC = B->Canvas()->Handle();
  GradFill(DC, RECT{2, 1, 12, 5}, RGB(0, 0, 0), RGB(90, 180, 255), 0);
  const auto Table = skin::BuildGradient(10, RGB(0, 0, 0), RGB(90, 180, 255));
  for (int X = 2; X < 12; ++X) EXPECT_TRUE(AllOf(*B, RECT{X, 1, X + 1, 5}, Table[size_t(X - 2)]));
  EXPECT_TRUE(AllOf(*B, RECT{0, 0, 20, 1}, clBlack));
  EXPECT_TRUE(AllOf(*B, RECT{12, 0, 20, 6}, clBlack));

  auto V = Solid(3, 8, clBlack);
  GradFill(V->Canvas()->Handle(), RECT{0, 0, 3, 8}, RGB(255, 0, 0), RGB(0, 0, 255), 1);
  const auto Rows = skin::BuildGradient(8, RGB(255, 0, 0), RGB(0, 0, 255));
  for (int Y = 0; Y < 8; ++Y) EXPECT_TRUE(AllOf(*V, RECT{0, Y, 3, Y + 1}, Rows[size_t(Y)]));
}

TEST(GradFill, WidthOneIsTheMidpointAndEmptyOrHiddenRectanglesDrawNothing) {
  auto B = Solid(4, 4, clBlack);
  HDC DC = B->Canvas()->Handle();
  GradFill(DC, RECT{1, 0, 2, 4}, RGB(10, 20, 30), RGB(21, 0, 255), 0);
  EXPECT_TRUE(AllOf(*B, RECT{1, 0, 2, 4}, RGB(15, 10, 142)));
  EXPECT_EQ(Px(*B, 0, 0), clBlack);
  GradFill(DC, RECT{3, 0, 3, 4}, clWhite, clWhite, 0);      // empty
  GradFill(DC, RECT{3, 4, 2, 0}, clWhite, clWhite, 1);      // inverted
  GradFill(DC, RECT{10, 10, 20, 20}, clWhite, clWhite, 0);  // outside the bitmap
  EXPECT_TRUE(AllOf(*B, RECT{2, 0, 4, 4}, clBlack));
  GradFill(nullptr, RECT{0, 0, 4, 4}, clWhite, clWhite, 0);
}

TEST(GradFill, AHalfClippedFillPaintsTheSameColoursAsAFullOne) {
  auto Full = Solid(40, 2, clBlack), Half = Solid(40, 2, clBlack);
  GradFill(Full->Canvas()->Handle(), RECT{0, 0, 40, 2}, RGB(0, 200, 0), RGB(255, 0, 60), 0);
  HDC DC = Half->Canvas()->Handle();
  {
    TSaveDC Saved(DC);
    IntersectClipRect(DC, 20, 0, 40, 2);
    GradFill(DC, RECT{0, 0, 40, 2}, RGB(0, 200, 0), RGB(255, 0, 60), 0);
  }
  EXPECT_TRUE(AllOf(*Half, RECT{0, 0, 20, 2}, clBlack));
  for (int X = 20; X < 40; ++X) EXPECT_EQ(Px(*Half, X, 1), Px(*Full, X, 1));
}

TEST(GradFill, RepeatedFillsReuseTheCachedTable) {
  auto B = Solid(30, 3, clBlack);
  HDC DC = B->Canvas()->Handle();
  auto& Cache = skin::TGradientCache::Shared();
  GradFill(DC, RECT{0, 0, 30, 3}, RGB(1, 2, 3), RGB(200, 100, 50), 0);
  const long long BuildsBefore = Cache.Builds();
  for (int I = 0; I < 5; ++I) GradFill(DC, RECT{0, 0, 30, 3}, RGB(1, 2, 3), RGB(200, 100, 50), 0);
  EXPECT_EQ(Cache.Builds(), BuildsBefore);
  GradFill(DC, RECT{0, 0, 29, 3}, RGB(1, 2, 3), RGB(200, 100, 50), 0);
  EXPECT_EQ(Cache.Builds(), BuildsBefore + 1);
}
