// Round trips and the decoding of the layouts other writers produce.
#include <gtest/gtest.h>

#include "framework/bmp/Bmp.h"
#include "tests/bmp/BmpTestFiles.h"

namespace {

using bmp::Image;
using bmptest::Build;
using bmptest::Pattern;
using bmptest::RawFile;

void ExpectSamePixels(const Image& a, const Image& b) {
  ASSERT_EQ(a.width, b.width);
  ASSERT_EQ(a.height, b.height);
  for (int32_t y = 0; y < a.height; ++y)
    for (int32_t x = 0; x < a.width; ++x)
      ASSERT_EQ(bmp::GetPixel(a, x, y), bmp::GetPixel(b, x, y)) << "at " << x << "," << y;
}

TEST(BmpCodec, EveryDepthRoundTripsBottomUpAndTopDown) {
  for (uint16_t bits : {1, 4, 8, 16, 24, 32})
    for (bool topDown : {false, true})
      for (int32_t width : {1, 3, 7, 33}) {
        SCOPED_TRACE(testing::Message() << bits << " bits, width " << width << (topDown ? " top-down" : ""));
        const Image source = Pattern(width, 5, bits);
        const auto file = bmp::Encode(source, {bmp::kCompressionRgb, topDown});
        const Image decoded = bmp::Decode(file);
        EXPECT_EQ(decoded.bitCount, bits);
        EXPECT_EQ(decoded.palette, source.palette);
        EXPECT_EQ(decoded.masks, source.masks);
        ExpectSamePixels(source, decoded);
      }
}

TEST(BmpCodec, Masks565AreWrittenAsBitfieldsAndKept) {
  Image source;
  source.masks = bmp::kMasks565;
  source.Allocate(3, 2, 16);
  bmp::SetPixel(source, 0, 0, 0xFF0000);
  bmp::SetPixel(source, 1, 0, 0x00FF00);
  bmp::SetPixel(source, 2, 1, 0x0000FF);
  const auto file = bmp::Encode(source);
  EXPECT_EQ(file[30], bmp::kCompressionBitfields);
  const Image decoded = bmp::Decode(file);
  EXPECT_EQ(decoded.masks, bmp::kMasks565);
  EXPECT_EQ(bmp::GetPixel(decoded, 1, 0), 0x00FF00u);
  EXPECT_EQ(bmp::GetPixel(decoded, 2, 1), 0x0000FFu);
}

TEST(BmpCodec, RleRoundTripsRunsLiteralsAndOddWidths) {
  for (uint16_t bits : {4, 8}) {
    const auto compression = bits == 8 ? bmp::kCompressionRle8 : bmp::kCompressionRle4;
    for (int32_t width : {1, 2, 3, 5, 17, 300}) {
      SCOPED_TRACE(testing::Message() << bits << " bits, width " << width);
      Image source = Pattern(width, 4, bits);
      // Row 1 is one long run, row 2 runs of two: both longer than a single 255-pixel run can hold.
      for (int32_t x = 0; x < width; ++x) {
        bmp::SetPixelIndex(source, x, 1, 6);
        bmp::SetPixelIndex(source, x, 2, uint32_t(x / 2 % 3));
      }
      const auto file = bmp::Encode(source, {compression});
      const Image decoded = bmp::Decode(file);
      EXPECT_EQ(decoded.bitCount, bits);
      ExpectSamePixels(source, decoded);
    }
  }
}

TEST(BmpCodec, RleRunsOfOneColourCompress) {
  Image source = Pattern(200, 10, 8);
  source.pixels.assign(source.pixels.size(), 2);
  const auto file = bmp::Encode(source, {bmp::kCompressionRle8});
  EXPECT_LT(file.size(), 14u + 40 + 1024 + 10 * 6);
}

TEST(BmpCodec, Rle8EscapesMoveTheCursorAndClipOverlongRuns) {
  RawFile f;
  f.width = 4;
  f.height = 3;
  f.bitCount = 8;
  f.compression = bmp::kCompressionRle8;
  f.colorsUsed = 8;
  f.palette.assign(8 * 4, 0);
  for (uint8_t i = 0; i < 8; ++i) f.palette[i * 4u] = uint8_t(i * 30);  // blue ramp
  f.pixels = {6, 1,           // bottom row: a run of 6 ones, clipped to the 4-pixel row
              0, 0,           // end of line
              0, 2, 1, 1,     // move right 1 and up 1: now x=1 on the top row
              0, 3, 5, 6, 7,  // absolute run of three pixels...
              0,              // ...padded to an even count
              0, 1};          // end of bitmap
  const Image decoded = bmp::Decode(Build(f));
  ASSERT_EQ(decoded.height, 3);
  const uint8_t expected[3][4] = {{0, 5, 6, 7}, {1, 1, 1, 1}, {0, 0, 0, 0}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(bmp::GetPixelIndex(decoded, x, y == 0 ? 0 : y == 1 ? 2 : 1), expected[y][x]) << x << "," << y;
}

TEST(BmpCodec, Rle4RunsAlternateTheirTwoColours) {
  RawFile f;
  f.width = 5;
  f.height = 1;
  f.bitCount = 4;
  f.compression = bmp::kCompressionRle4;
  f.palette.assign(16 * 4, 0);
  f.pixels = {5, 0x1A, 0, 1};
  const Image decoded = bmp::Decode(Build(f));
  const uint32_t expected[5] = {1, 0xA, 1, 0xA, 1};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(bmp::GetPixelIndex(decoded, x, 0), expected[x]);
}

TEST(BmpCodec, CoreHeaderWithThreeBytePalette) {
  RawFile f;
  f.headerSize = 12;
  f.width = 2;
  f.height = 1;
  f.bitCount = 1;
  f.palette = {0x10, 0x20, 0x30, 0xFF, 0xEE, 0xDD};
  f.pixels = {0x40, 0, 0, 0};  // second pixel set
  const Image decoded = bmp::Decode(Build(f));
  EXPECT_EQ(bmp::GetPixel(decoded, 0, 0), bmp::MakeRgb(0x30, 0x20, 0x10));
  EXPECT_EQ(bmp::GetPixel(decoded, 1, 0), bmp::MakeRgb(0xDD, 0xEE, 0xFF));
}

TEST(BmpCodec, UnusualBitfieldsAreWidenedTo32Bits) {
  // 16-bit 4-4-4-4 with alpha in an info header with the masks inside (V3).
  RawFile f;
  f.headerSize = 56;
  f.width = 2;
  f.height = 1;
  f.bitCount = 16;
  f.compression = bmp::kCompressionBitfields;
  f.masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
  f.pixels = {0x00, 0xFF, 0x5A, 0x83};  // 0xFF00: opaque red; 0x835A: alpha 8, red 3, green 5, blue 10
  Image decoded = bmp::Decode(Build(f));
  EXPECT_EQ(decoded.bitCount, 32);
  EXPECT_EQ(decoded.masks, bmp::kMasks8888);
  EXPECT_EQ(bmp::GetPixel(decoded, 0, 0), 0xFF0000u);
  EXPECT_EQ(decoded.Row(0)[3], 255);
  EXPECT_EQ(bmp::GetPixel(decoded, 1, 0), bmp::MakeRgb(3 * 17, 5 * 17, 10 * 17));
  EXPECT_EQ(decoded.Row(0)[7], 8 * 17);

  // 32-bit with red and blue swapped, masks after a plain info header.
  RawFile g;
  g.width = 1;
  g.height = 1;
  g.bitCount = 32;
  g.compression = bmp::kCompressionBitfields;
  g.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  g.pixels = {0x11, 0x22, 0x33, 0x00};
  decoded = bmp::Decode(Build(g));
  EXPECT_EQ(bmp::GetPixel(decoded, 0, 0), bmp::MakeRgb(0x11, 0x22, 0x33));
}

TEST(BmpCodec, EncoderRefusesInconsistentImages) {
  Image image = Pattern(4, 4, 8);
  image.pixels.pop_back();
  EXPECT_THROW(bmp::Encode(image), bmp::EBmpError);
  image = Pattern(4, 4, 24);
  EXPECT_THROW(bmp::Encode(image, {bmp::kCompressionRle8}), bmp::EBmpError);
  image = Pattern(4, 4, 8);
  EXPECT_THROW(bmp::Encode(image, {bmp::kCompressionRle8, true}), bmp::EBmpError);
  image.palette.resize(300);
  EXPECT_THROW(bmp::Encode(image), bmp::EBmpError);
  EXPECT_THROW(bmp::Encode(Image{}), bmp::EBmpError);
}

}  // namespace
