// Bitmap utilities on real DIB sections: grey, key swap, mirrors, turns, blending and gradients.
#include <gtest/gtest.h>

#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/ColorMath.h"
#include "tests/imaging/PaintTestUtil.h"

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
  auto b = Solid(3, 2, RGB(10, 20, 31), pf32bit);
  SetPx(*b, 2, 1, RGB(255, 255, 254));
  ConvertBitmapToGrayscale(b.get());
  EXPECT_EQ(b->BitCount(), 24);
  EXPECT_EQ(Px(*b, 0, 0), RGB(20, 20, 20));
  EXPECT_EQ(Px(*b, 2, 1), RGB(254, 254, 254));
  ConvertBitmapToGrayscale(nullptr);
  TBitmap empty;
  ConvertBitmapToGrayscale(&empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(BitmapUtils, ChangeTransSwapsExactMagentaOnly) {
  auto b = Solid(3, 1, RGB(255, 0, 255), pf32bit);
  SetPx(*b, 1, 0, RGB(254, 0, 255));
  SetPx(*b, 2, 0, RGB(255, 1, 255));
  ChangeTrans(b.get(), RGB(1, 2, 3));
  EXPECT_EQ(b->PixelFormat(), pf24bit);
  EXPECT_EQ(Px(*b, 0, 0), RGB(1, 2, 3));
  EXPECT_EQ(Px(*b, 1, 0), RGB(254, 0, 255));
  EXPECT_EQ(Px(*b, 2, 0), RGB(255, 1, 255));
  // A system colour's low three bytes are used as they are, not looked up.
  auto c = Solid(1, 1, RGB(255, 0, 255));
  ChangeTrans(c.get(), clBtnFace);
  EXPECT_EQ(Px(*c, 0, 0), RGB(COLOR_BTNFACE, 0, 0));
}

TEST(BitmapUtils, MirrorsAndHalfTurnFollowTheirMappings) {
  for (TPixelFormat f : {pf24bit, pf32bit}) {
    auto h = Tagged(3, 2, f), v = Tagged(3, 2, f), t = Tagged(3, 2, f);
    SpiegelnHorizontal(h.get());
    SpiegelnVertikal(v.get());
    Drehen180Grad(t.get());
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(Px(*h, x, y), Tag(2 - x, y));
        EXPECT_EQ(Px(*v, x, y), Tag(x, 1 - y));
        EXPECT_EQ(Px(*t, x, y), Tag(2 - x, 1 - y));
      }
    EXPECT_EQ(h->BitCount(), f == pf24bit ? 24 : 32);
  }
  // Other depths are turned into 24-bit pictures first.
  auto p = Tagged(2, 1);
  p->SetPixelFormat(pf16bit);
  SpiegelnHorizontal(p.get());
  EXPECT_EQ(p->BitCount(), 24);
}

TEST(BitmapUtils, QuarterTurnsSwapTheSizeAndUndoEachOther) {
  auto cw = Tagged(4, 3), ccw = Tagged(4, 3);
  Drehen90Grad(cw.get());
  Drehen270Grad(ccw.get());
  ASSERT_EQ(cw->Width(), 3);
  ASSERT_EQ(cw->Height(), 4);
  ASSERT_EQ(ccw->Width(), 3);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(Px(*cw, x, y), Tag(y, 3 - 1 - x));
      EXPECT_EQ(Px(*ccw, x, y), Tag(4 - 1 - y, x));
    }
  auto start = Tagged(4, 3), back = Tagged(4, 3), four = Tagged(4, 3);
  Drehen90Grad(back.get());
  Drehen270Grad(back.get());
  for (int i = 0; i < 4; ++i) Drehen90Grad(four.get());
  EXPECT_TRUE(SamePixels(*back, *start));
  EXPECT_TRUE(SamePixels(*four, *start));
  EXPECT_EQ(four->PixelFormat(), pf24bit);
}

TEST(BitmapUtils, Rotate90GivesANewCounterClockwiseBitmapFor24BitOnly) {
  auto src = Tagged(4, 3);
  std::unique_ptr<TBitmap> r = Rotate90(src.get());
  ASSERT_TRUE(r);
  ASSERT_EQ(r->Width(), 3);
  ASSERT_EQ(r->Height(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(*r, x, y), Tag(4 - 1 - y, x));
  EXPECT_TRUE(SamePixels(*src, *Tagged(4, 3)));  // the source is unchanged
  EXPECT_EQ(Rotate90(Tagged(4, 3, pf32bit).get()), nullptr);
  auto indexed = Tagged(2, 2);
  indexed->SetPixelFormat(pf8bit);
  EXPECT_EQ(Rotate90(indexed.get()), nullptr);
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
  auto b = Solid(20, 6, clBlack);
  HDC dc = b->Canvas()->Handle();
  GradFill(dc, RECT{2, 1, 12, 5}, RGB(0, 0, 0), RGB(90, 180, 255), 0);
  const auto table = skin::BuildGradient(10, RGB(0, 0, 0), RGB(90, 180, 255));
  for (int x = 2; x < 12; ++x) EXPECT_TRUE(AllOf(*b, RECT{x, 1, x + 1, 5}, table[size_t(x - 2)]));
  EXPECT_TRUE(AllOf(*b, RECT{0, 0, 20, 1}, clBlack));
  EXPECT_TRUE(AllOf(*b, RECT{12, 0, 20, 6}, clBlack));

  auto v = Solid(3, 8, clBlack);
  GradFill(v->Canvas()->Handle(), RECT{0, 0, 3, 8}, RGB(255, 0, 0), RGB(0, 0, 255), 1);
  const auto rows = skin::BuildGradient(8, RGB(255, 0, 0), RGB(0, 0, 255));
  for (int y = 0; y < 8; ++y) EXPECT_TRUE(AllOf(*v, RECT{0, y, 3, y + 1}, rows[size_t(y)]));
}

TEST(GradFill, WidthOneIsTheMidpointAndEmptyOrHiddenRectanglesDrawNothing) {
  auto b = Solid(4, 4, clBlack);
  HDC dc = b->Canvas()->Handle();
  GradFill(dc, RECT{1, 0, 2, 4}, RGB(10, 20, 30), RGB(21, 0, 255), 0);
  EXPECT_TRUE(AllOf(*b, RECT{1, 0, 2, 4}, RGB(15, 10, 142)));
  EXPECT_EQ(Px(*b, 0, 0), clBlack);
  GradFill(dc, RECT{3, 0, 3, 4}, clWhite, clWhite, 0);      // empty
  GradFill(dc, RECT{3, 4, 2, 0}, clWhite, clWhite, 1);      // inverted
  GradFill(dc, RECT{10, 10, 20, 20}, clWhite, clWhite, 0);  // outside the bitmap
  EXPECT_TRUE(AllOf(*b, RECT{2, 0, 4, 4}, clBlack));
  GradFill(nullptr, RECT{0, 0, 4, 4}, clWhite, clWhite, 0);
}

TEST(GradFill, AHalfClippedFillPaintsTheSameColoursAsAFullOne) {
  auto full = Solid(40, 2, clBlack), half = Solid(40, 2, clBlack);
  GradFill(full->Canvas()->Handle(), RECT{0, 0, 40, 2}, RGB(0, 200, 0), RGB(255, 0, 60), 0);
  HDC dc = half->Canvas()->Handle();
  {
    TSaveDC saved(dc);
    IntersectClipRect(dc, 20, 0, 40, 2);
    GradFill(dc, RECT{0, 0, 40, 2}, RGB(0, 200, 0), RGB(255, 0, 60), 0);
  }
  EXPECT_TRUE(AllOf(*half, RECT{0, 0, 20, 2}, clBlack));
  for (int x = 20; x < 40; ++x) EXPECT_EQ(Px(*half, x, 1), Px(*full, x, 1));
}

TEST(GradFill, RepeatedFillsReuseTheCachedTable) {
  auto b = Solid(30, 3, clBlack);
  HDC dc = b->Canvas()->Handle();
  auto& cache = skin::TGradientCache::Shared();
  GradFill(dc, RECT{0, 0, 30, 3}, RGB(1, 2, 3), RGB(200, 100, 50), 0);
  const long long builds = cache.Builds();
  for (int i = 0; i < 5; ++i) GradFill(dc, RECT{0, 0, 30, 3}, RGB(1, 2, 3), RGB(200, 100, 50), 0);
  EXPECT_EQ(cache.Builds(), builds);
  GradFill(dc, RECT{0, 0, 29, 3}, RGB(1, 2, 3), RGB(200, 100, 50), 0);
  EXPECT_EQ(cache.Builds(), builds + 1);
}
