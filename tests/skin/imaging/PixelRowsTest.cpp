// Mirrors, turns, grey and key-colour swap on raw rows, and the run scan behind window regions.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skin/imaging/PixelRows.h"
#include "skin/imaging/RegionRuns.h"

using namespace skin;

namespace {

// A picture whose pixel (x, y) holds bytes (x, y, x ^ y[, 0xAA]); rows padded to 4 bytes.
struct TPicture {
  int W, H, Bpp;
  std::ptrdiff_t Stride;
  std::vector<std::uint8_t> Bytes;
  TPicture(int Width, int Height, int BytesPerPixel)
      : W(Width), H(Height), Bpp(BytesPerPixel), Stride((Width * BytesPerPixel + 3) & ~3) {
    Bytes.assign(static_cast<size_t>(Stride) * Height + 1, 0xEE);  // one guard byte at the end
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X) Set(X, Y, static_cast<std::uint8_t>(X), static_cast<std::uint8_t>(Y));
  }
  TPixelRows Rows() { return TPixelRows{Bytes.data(), W, H, Stride, Bpp}; }
  void Set(int X, int Y, std::uint8_t A, std::uint8_t B) {
    std::uint8_t* P = Rows().At(X, Y);
    P[0] = A;
    P[1] = B;
    P[2] = static_cast<std::uint8_t>(A ^ B);
    if (Bpp == 4) P[3] = 0xAA;
  }
  std::pair<int, int> Get(int X, int Y) {
    const std::uint8_t* P = Rows().At(X, Y);
    return {P[0], P[1]};
  }
};

}  // namespace

TEST(PixelRows, MirrorsAndHalfTurnMoveWholePixels) {
  for (int Bpp : {3, 4}) {
    TPicture P(5, 3, Bpp);
    MirrorRowsHorizontal(P.Rows());
    EXPECT_EQ(P.Get(0, 1), std::make_pair(4, 1));
    EXPECT_EQ(P.Get(4, 2), std::make_pair(0, 2));
    EXPECT_EQ(P.Get(2, 0), std::make_pair(2, 0));
    MirrorRowsHorizontal(P.Rows());
    MirrorRowsVertical(P.Rows());
    EXPECT_EQ(P.Get(3, 0), std::make_pair(3, 2));
    EXPECT_EQ(P.Get(3, 1), std::make_pair(3, 1));
    MirrorRowsVertical(P.Rows());
    TurnRows180(P.Rows());
    EXPECT_EQ(P.Get(0, 0), std::make_pair(4, 2));
    EXPECT_EQ(P.Get(1, 2), std::make_pair(3, 0));
    EXPECT_EQ(P.Bytes.back(), 0xEE);
    if (Bpp == 4) {
      EXPECT_EQ(P.Rows().At(1, 2)[3], 0xAA);
    }
  }
}

TEST(PixelRows, QuarterTurnsFollowTheirMappingsAndUndoEachOther) {
  for (int Bpp : {3, 4}) {
    TPicture Src(5, 3, Bpp);
    const auto Packed = PackRows(Src.Rows());
    TPicture Cw(3, 5, Bpp), Ccw(3, 5, Bpp);
    TurnPackedClockwise(Packed.data(), 5, 3, Cw.Rows());
    TurnPackedCounterClockwise(Packed.data(), 5, 3, Ccw.Rows());
    for (int Y = 0; Y < 5; ++Y)
      for (int X = 0; X < 3; ++X) {
        EXPECT_EQ(Cw.Get(X, Y), std::make_pair(Y, 3 - 1 - X));   // old(y, h - 1 - x)
        EXPECT_EQ(Ccw.Get(X, Y), std::make_pair(5 - 1 - Y, X));  // old(w - 1 - y, x)
      }
    TPicture Back(5, 3, Bpp);
    const auto Turned = PackRows(Cw.Rows());
    TurnPackedCounterClockwise(Turned.data(), 3, 5, Back.Rows());
    EXPECT_EQ(Back.Bytes, Src.Bytes);
    EXPECT_EQ(Cw.Bytes.back(), 0xEE);
  }
}

TEST(PixelRows, GreyAndKeySwap) {
  TPicture P(2, 1, 3);
  std::uint8_t* A = P.Rows().At(0, 0);
  A[0] = 31, A[1] = 20, A[2] = 10;  // blue, green, red
  std::uint8_t* B = P.Rows().At(1, 0);
  B[0] = 255, B[1] = 0, B[2] = 254;  // near magenta
  GrayRows(TPixelRows{P.Bytes.data(), 1, 1, P.Stride, 3});
  EXPECT_EQ(A[0], 20);
  EXPECT_EQ(A[1], 20);
  EXPECT_EQ(A[2], 20);
  ReplaceColorRows(P.Rows(), 255, 0, 255, 1, 2, 3);
  EXPECT_EQ(B[2], 254);  // untouched
  B[2] = 255;
  ReplaceColorRows(P.Rows(), 255, 0, 255, 1, 2, 3);
  EXPECT_EQ(B[0], 3);
  EXPECT_EQ(B[1], 2);
  EXPECT_EQ(B[2], 1);
}

TEST(RegionRuns, RunsOfOpaquePixelsBecomeRowRectangles) {
  // 6 by 2, 32-bit; 'M' is the key (magenta), '.' opaque.
  const char* Rows[] = {"..M..M", "MMMMMM"};
  std::vector<std::uint8_t> Bits(6 * 4 * 2);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 6; ++X) {
      std::uint8_t* P = Bits.data() + (Y * 6 + X) * 4;
      if (Rows[Y][X] == 'M') P[0] = 255, P[1] = 0, P[2] = 255;
    }
  TRegionRects R;
  int Flushes = 0;
  ScanOpaqueRuns(Bits.data(), 6, 2, 24, KeyBounds(0xFF00FF, 0, 0, 0), 10, 20, R, [&] { ++Flushes; });
  EXPECT_EQ(Flushes, 0);
  ASSERT_EQ(R.Count(), 2);
  EXPECT_EQ(R.RectAt(0), (TSkinRect{10, 20, 12, 21}));
  EXPECT_EQ(R.RectAt(1), (TSkinRect{13, 20, 15, 21}));
  EXPECT_EQ(R.Bound(), (TSkinRect{10, 20, 15, 21}));
  EXPECT_EQ(R.Size(), 32u + 2 * 16);
  std::int32_t Header[4];
  std::memcpy(Header, R.Data(), sizeof(Header));
  EXPECT_EQ(Header[0], 32);
  EXPECT_EQ(Header[1], 1);
  EXPECT_EQ(Header[2], 2);
}

TEST(RegionRuns, TolerancesAreInclusiveAndCappedAt255) {
  const TKeyBounds K = KeyBounds(0x10F0FA, 10, 20, 250);  // red 0xFA, green 0xF0, blue 0x10
  EXPECT_EQ(K.RedHi, 255);
  EXPECT_EQ(K.GreenHi, 255);
  EXPECT_EQ(K.BlueHi, 255);  // 0x10 + 250 = 266, capped
  EXPECT_TRUE(K.Contains(0x10, 0xF0, 0xFA));
  EXPECT_TRUE(K.Contains(0xFF, 0xFF, 0xFF));
  EXPECT_FALSE(K.Contains(0x0F, 0xF0, 0xFA));
  const TKeyBounds Exact = KeyBounds(0xFF00FF, 0, 0, 0);
  EXPECT_TRUE(Exact.Contains(255, 0, 255));
  EXPECT_FALSE(Exact.Contains(255, 0, 254));
}

TEST(RegionRuns, BufferGrowsBy500AndFlushesEvery2000) {
  // Every other pixel opaque: 1000 runs per 2000-pixel row.
  const int W = 2000, H = 5;
  std::vector<std::uint8_t> Bits(static_cast<size_t>(W) * H * 4, 0);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 1; X < W; X += 2) {
      std::uint8_t* P = Bits.data() + (static_cast<size_t>(Y) * W + X) * 4;
      P[0] = 255, P[2] = 255;
    }
  TRegionRects Rects;
  std::vector<int> BatchSizes;
  int MaxCapacity = 0;
  ScanOpaqueRuns(Bits.data(), W, H, W * 4, KeyBounds(0xFF00FF, 0, 0, 0), 0, 0, Rects, [&] {
    BatchSizes.push_back(Rects.Count());
    MaxCapacity = std::max(MaxCapacity, Rects.Capacity());
    EXPECT_EQ(Rects.Bound(), (TSkinRect{0, static_cast<int>(BatchSizes.size()) * 2 - 2, W - 1,
                                        static_cast<int>(BatchSizes.size()) * 2}));
    Rects.Reset();
  });
  EXPECT_EQ(BatchSizes, (std::vector<int>{2000, 2000}));
  EXPECT_EQ(Rects.Count(), 1000);  // left for the caller's last flush
  EXPECT_EQ(MaxCapacity, 2000);
  EXPECT_EQ(Rects.Bound(), (TSkinRect{0, 4, W - 1, 5}));
}
