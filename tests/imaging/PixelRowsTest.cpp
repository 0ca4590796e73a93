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
  TPicture(int w, int h, int bpp) : W(w), H(h), Bpp(bpp), Stride((w * bpp + 3) & ~3) {
    Bytes.assign(static_cast<size_t>(Stride) * h + 1, 0xEE);  // one guard byte at the end
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Set(x, y, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y));
  }
  TPixelRows Rows() { return TPixelRows{Bytes.data(), W, H, Stride, Bpp}; }
  void Set(int x, int y, std::uint8_t a, std::uint8_t b) {
    std::uint8_t* p = Rows().At(x, y);
    p[0] = a;
    p[1] = b;
    p[2] = static_cast<std::uint8_t>(a ^ b);
    if (Bpp == 4) p[3] = 0xAA;
  }
  std::pair<int, int> Get(int x, int y) {
    const std::uint8_t* p = Rows().At(x, y);
    return {p[0], p[1]};
  }
};

}  // namespace

TEST(PixelRows, MirrorsAndHalfTurnMoveWholePixels) {
  for (int bpp : {3, 4}) {
    TPicture p(5, 3, bpp);
    MirrorRowsHorizontal(p.Rows());
    EXPECT_EQ(p.Get(0, 1), std::make_pair(4, 1));
    EXPECT_EQ(p.Get(4, 2), std::make_pair(0, 2));
    EXPECT_EQ(p.Get(2, 0), std::make_pair(2, 0));
    MirrorRowsHorizontal(p.Rows());
    MirrorRowsVertical(p.Rows());
    EXPECT_EQ(p.Get(3, 0), std::make_pair(3, 2));
    EXPECT_EQ(p.Get(3, 1), std::make_pair(3, 1));
    MirrorRowsVertical(p.Rows());
    TurnRows180(p.Rows());
    EXPECT_EQ(p.Get(0, 0), std::make_pair(4, 2));
    EXPECT_EQ(p.Get(1, 2), std::make_pair(3, 0));
    EXPECT_EQ(p.Bytes.back(), 0xEE);
    if (bpp == 4) {
      EXPECT_EQ(p.Rows().At(1, 2)[3], 0xAA);
    }
  }
}

TEST(PixelRows, QuarterTurnsFollowTheirMappingsAndUndoEachOther) {
  for (int bpp : {3, 4}) {
    TPicture src(5, 3, bpp);
    const auto packed = PackRows(src.Rows());
    TPicture cw(3, 5, bpp), ccw(3, 5, bpp);
    TurnPackedClockwise(packed.data(), 5, 3, cw.Rows());
    TurnPackedCounterClockwise(packed.data(), 5, 3, ccw.Rows());
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(cw.Get(x, y), std::make_pair(y, 3 - 1 - x));   // old(y, h - 1 - x)
        EXPECT_EQ(ccw.Get(x, y), std::make_pair(5 - 1 - y, x));  // old(w - 1 - y, x)
      }
    TPicture back(5, 3, bpp);
    const auto turned = PackRows(cw.Rows());
    TurnPackedCounterClockwise(turned.data(), 3, 5, back.Rows());
    EXPECT_EQ(back.Bytes, src.Bytes);
    EXPECT_EQ(cw.Bytes.back(), 0xEE);
  }
}

TEST(PixelRows, GreyAndKeySwap) {
  TPicture p(2, 1, 3);
  std::uint8_t* a = p.Rows().At(0, 0);
  a[0] = 31, a[1] = 20, a[2] = 10;  // blue, green, red
  std::uint8_t* b = p.Rows().At(1, 0);
  b[0] = 255, b[1] = 0, b[2] = 254;  // near magenta
  GrayRows(TPixelRows{p.Bytes.data(), 1, 1, p.Stride, 3});
  EXPECT_EQ(a[0], 20);
  EXPECT_EQ(a[1], 20);
  EXPECT_EQ(a[2], 20);
  ReplaceColorRows(p.Rows(), 255, 0, 255, 1, 2, 3);
  EXPECT_EQ(b[2], 254);  // untouched
  b[2] = 255;
  ReplaceColorRows(p.Rows(), 255, 0, 255, 1, 2, 3);
  EXPECT_EQ(b[0], 3);
  EXPECT_EQ(b[1], 2);
  EXPECT_EQ(b[2], 1);
}

TEST(RegionRuns, RunsOfOpaquePixelsBecomeRowRectangles) {
  // 6 by 2, 32-bit; 'M' is the key (magenta), '.' opaque.
  const char* rows[] = {"..M..M", "MMMMMM"};
  std::vector<std::uint8_t> bits(6 * 4 * 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 6; ++x) {
      std::uint8_t* p = bits.data() + (y * 6 + x) * 4;
      if (rows[y][x] == 'M') p[0] = 255, p[1] = 0, p[2] = 255;
    }
  TRegionRects r;
  int flushes = 0;
  ScanOpaqueRuns(bits.data(), 6, 2, 24, KeyBounds(0xFF00FF, 0, 0, 0), 10, 20, r, [&] { ++flushes; });
  EXPECT_EQ(flushes, 0);
  ASSERT_EQ(r.Count(), 2);
  EXPECT_EQ(r.RectAt(0), (TSkinRect{10, 20, 12, 21}));
  EXPECT_EQ(r.RectAt(1), (TSkinRect{13, 20, 15, 21}));
  EXPECT_EQ(r.Bound(), (TSkinRect{10, 20, 15, 21}));
  EXPECT_EQ(r.Size(), 32u + 2 * 16);
  std::int32_t header[4];
  std::memcpy(header, r.Data(), sizeof(header));
  EXPECT_EQ(header[0], 32);
  EXPECT_EQ(header[1], 1);
  EXPECT_EQ(header[2], 2);
}

TEST(RegionRuns, TolerancesAreInclusiveAndCappedAt255) {
  const TKeyBounds k = KeyBounds(0x10F0FA, 10, 20, 250);  // red 0xFA, green 0xF0, blue 0x10
  EXPECT_EQ(k.RedHi, 255);
  EXPECT_EQ(k.GreenHi, 255);
  EXPECT_EQ(k.BlueHi, 255);  // 0x10 + 250 = 266, capped
  EXPECT_TRUE(k.Contains(0x10, 0xF0, 0xFA));
  EXPECT_TRUE(k.Contains(0xFF, 0xFF, 0xFF));
  EXPECT_FALSE(k.Contains(0x0F, 0xF0, 0xFA));
  const TKeyBounds exact = KeyBounds(0xFF00FF, 0, 0, 0);
  EXPECT_TRUE(exact.Contains(255, 0, 255));
  EXPECT_FALSE(exact.Contains(255, 0, 254));
}

TEST(RegionRuns, BufferGrowsBy500AndFlushesEvery2000) {
  // Every other pixel opaque: 1000 runs per 2000-pixel row.
  const int w = 2000, h = 5;
  std::vector<std::uint8_t> bits(static_cast<size_t>(w) * h * 4, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 1; x < w; x += 2) {
      std::uint8_t* p = bits.data() + (static_cast<size_t>(y) * w + x) * 4;
      p[0] = 255, p[2] = 255;
    }
  TRegionRects r;
  std::vector<int> batches;
  int maxCapacity = 0;
  ScanOpaqueRuns(bits.data(), w, h, w * 4, KeyBounds(0xFF00FF, 0, 0, 0), 0, 0, r, [&] {
    batches.push_back(r.Count());
    maxCapacity = std::max(maxCapacity, r.Capacity());
    EXPECT_EQ(r.Bound(), (TSkinRect{0, static_cast<int>(batches.size()) * 2 - 2, w - 1,
                                    static_cast<int>(batches.size()) * 2}));
    r.Reset();
  });
  EXPECT_EQ(batches, (std::vector<int>{2000, 2000}));
  EXPECT_EQ(r.Count(), 1000);  // left for the caller's last flush
  EXPECT_EQ(maxCapacity, 2000);
  EXPECT_EQ(r.Bound(), (TSkinRect{0, 4, w - 1, 5}));
}
