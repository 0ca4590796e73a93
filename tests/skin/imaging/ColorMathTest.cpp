// Colour mixing, saturation and gradient tables.
#include <gtest/gtest.h>

#include <climits>

#include "skin/imaging/ColorMath.h"

using namespace skin;

TEST(Blend, PercentAndThousandthWeights) {
  const TRgbValue White = 0xFFFFFF, Black = 0;
  EXPECT_EQ(BlendRgb(White, Black, 50), 0x808080u);  // (255*50 + 50) div 100 = 128
  EXPECT_EQ(BlendRgb(White, Black, 500), 0x808080u);
  EXPECT_EQ(BlendRgb(MakeRgb(200, 100, 0), MakeRgb(0, 0, 100), 100),
            MakeRgb(20, 10, 90));  // 10 per cent of c1
  EXPECT_EQ(BlendRgb(MakeRgb(1, 2, 3), MakeRgb(40, 50, 60), 0), MakeRgb(40, 50, 60));
  EXPECT_EQ(BlendRgb(MakeRgb(1, 2, 3), MakeRgb(40, 50, 60), 99), MakeRgb(1, 2, 4));  // (3*99+60+50) div 100
  EXPECT_EQ(BlendRgb(MakeRgb(9, 9, 9), MakeRgb(0, 0, 0), 1000), MakeRgb(9, 9, 9));
}

TEST(Blend, OutOfRangeWeightsKeepTheLowByteWithoutOverflow) {
  // 255 * 2000 + 0 + 500 = 510500, div 1000 = 510, low byte 0xFE.
  EXPECT_EQ(BlendRgb(0x0000FF, 0, 2000), 0x0000FEu);
  // Negative weights are percentages: (0 - 1) ... truncated and masked, never undefined.
  EXPECT_EQ(BlendRgb(0, 0x0000FF, -1) & 0xFF000000u, 0u);
  EXPECT_EQ(BlendRgb(0xFFFFFF, 0xFFFFFF, INT_MAX) & 0xFF000000u, 0u);
  EXPECT_EQ(BlendRgb(0xFFFFFF, 0xFFFFFF, INT_MIN) & 0xFF000000u, 0u);
}

TEST(Saturation, DarkColoursAreFixedAndRoundingIsHalfToEven) {
  EXPECT_EQ(SaturationValue(MakeRgb(255, 0, 0)), 255);
  EXPECT_EQ(SaturationValue(MakeRgb(128, 128, 128)), 200);
  EXPECT_EQ(SaturationValue(MakeRgb(200, 200, 200)), 0);
  EXPECT_EQ(SaturationValue(MakeRgb(159, 0, 0)), 200);
  EXPECT_EQ(SaturationValue(MakeRgb(160, 0, 0)), 255);
  // (204 - 102) / 204 = 0.5 -> 127.5 -> 128 (even); (170 - 85) / 170 also 0.5.
  EXPECT_EQ(SaturationValue(MakeRgb(204, 102, 150)), 128);
  // 0x80FFFFFF style values are read byte by byte, the top byte ignored.
  EXPECT_EQ(SaturationValue(0x80000000u | MakeRgb(255, 0, 0)), 255);
}

TEST(Gradient, TablesRoundEachChannelAndWidthOneIsTheMidpoint) {
  auto T = BuildGradient(5, MakeRgb(0, 0, 0), MakeRgb(100, 10, 255));
  ASSERT_EQ(T.size(), 5u);
  EXPECT_EQ(T[0], MakeRgb(0, 0, 0));
  EXPECT_EQ(T[1], MakeRgb(25, 3, 64));  // (10 + 2) div 4 = 3, (255 + 2) div 4 = 64
  EXPECT_EQ(T[4], MakeRgb(100, 10, 255));
  // A falling channel truncates toward zero: 30 - 20 over 4 bands ends at 21, one step short of 20.
  T = BuildGradient(4, MakeRgb(30, 0, 0), MakeRgb(20, 0, 0));
  EXPECT_EQ(T[3], MakeRgb(21, 0, 0));
  EXPECT_EQ(BuildGradient(1, MakeRgb(10, 20, 30), MakeRgb(21, 0, 255)),
            (std::vector<TRgbValue>{MakeRgb(15, 10, 142)}));
  EXPECT_TRUE(BuildGradient(0, 0, 0xFFFFFF).empty());
  EXPECT_EQ(GradientEntry(1000000, 0, MakeRgb(255, 0, 0), 999999), MakeRgb(255, 0, 0));
}

TEST(Gradient, CacheReusesSlotsAndReplacesTheOldestRoundRobin) {
  TGradientCache Cache;
  const auto* First = &Cache.Table(10, 0, 0xFFFFFF);
  EXPECT_EQ(Cache.NextSlot(), 1);
  EXPECT_EQ(&Cache.Table(10, 0, 0xFFFFFF), First);
  EXPECT_EQ(Cache.Builds(), 1);
  // A falling gradient whose last entry misses C2 is still found again.
  Cache.Table(4, MakeRgb(30, 0, 0), MakeRgb(20, 0, 0));
  Cache.Table(4, MakeRgb(30, 0, 0), MakeRgb(20, 0, 0));
  EXPECT_EQ(Cache.Builds(), 2);
  for (int N = 100; N < 114; ++N) Cache.Table(N, 0, 0xFF);
  EXPECT_EQ(Cache.NextSlot(), 0);  // 16 slots used, the counter wrapped
  Cache.Table(10, 0, 0xFFFFFF);
  EXPECT_EQ(Cache.Builds(), 16);
  Cache.Table(200, 0, 0xFF);  // overwrites slot 0, the oldest
  EXPECT_EQ(Cache.NextSlot(), 1);
  Cache.Table(10, 0, 0xFFFFFF);
  EXPECT_EQ(Cache.Builds(), 18);
  EXPECT_TRUE(Cache.Table(0, 0, 0).empty());
}

TEST(Gradient, VisibleBandsFollowTheClipBox) {
  auto B = VisibleBands(10, 110, 0, 500);
  EXPECT_EQ(B.First, 0);
  EXPECT_EQ(B.Last, 99);
  B = VisibleBands(10, 110, 60, 80);
  EXPECT_EQ(B.First, 50);
  EXPECT_EQ(B.Last, 69);
  B = VisibleBands(10, 110, 200, 300);
  EXPECT_GT(B.First, B.Last);
  B = VisibleBands(10, 10, 0, 100);
  EXPECT_GT(B.First, B.Last);
  B = VisibleBands(INT_MIN, INT_MAX, -5, 5);
  EXPECT_EQ(B.First, 2147483643LL);
  EXPECT_EQ(B.Last - B.First, 9);
}
