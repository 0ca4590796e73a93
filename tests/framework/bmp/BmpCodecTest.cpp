// Round trips and the decoding of the layouts other writers produce.
#include <gtest/gtest.h>

#include "framework/bmp/Bmp.h"
#include "tests/framework/bmp/BmpTestFiles.h"

namespace {

using bmp::Image;
using bmptest::Build;
using bmptest::Pattern;
using bmptest::RawFile;

void ExpectSamePixels(const Image& A, const Image& B) {
  ASSERT_EQ(A.width, B.width);
  ASSERT_EQ(A.height, B.height);
  for (int32_t Y = 0; Y < A.height; ++Y)
    for (int32_t X = 0; X < A.width; ++X)
      ASSERT_EQ(bmp::GetPixel(A, X, Y), bmp::GetPixel(B, X, Y)) << "at " << X << "," << Y;
}

TEST(BmpCodec, EveryDepthRoundTripsBottomUpAndTopDown) {
  for (uint16_t Bits : {1, 4, 8, 16, 24, 32})
    for (bool TopDown : {false, true})
      for (int32_t Width : {1, 3, 7, 33}) {
        SCOPED_TRACE(testing::Message() << Bits << " bits, width " << Width << (TopDown ? " top-down" : ""));
        const Image Source = Pattern(Width, 5, Bits);
        const auto File = bmp::Encode(Source, {bmp::kCompressionRgb, TopDown});
        const Image Decoded = bmp::Decode(File);
        EXPECT_EQ(Decoded.bitCount, Bits);
        EXPECT_EQ(Decoded.palette, Source.palette);
        EXPECT_EQ(Decoded.masks, Source.masks);
        ExpectSamePixels(Source, Decoded);
      }
}

TEST(BmpCodec, Masks565AreWrittenAsBitfieldsAndKept) {
  Image Source;
  Source.masks = bmp::kMasks565;
  Source.Allocate(3, 2, 16);
  bmp::SetPixel(Source, 0, 0, 0xFF0000);
  bmp::SetPixel(Source, 1, 0, 0x00FF00);
  bmp::SetPixel(Source, 2, 1, 0x0000FF);
  const auto File = bmp::Encode(Source);
  EXPECT_EQ(File[30], bmp::kCompressionBitfields);
  const Image Decoded = bmp::Decode(File);
  EXPECT_EQ(Decoded.masks, bmp::kMasks565);
  EXPECT_EQ(bmp::GetPixel(Decoded, 1, 0), 0x00FF00u);
  EXPECT_EQ(bmp::GetPixel(Decoded, 2, 1), 0x0000FFu);
}

TEST(BmpCodec, RleRoundTripsRunsLiteralsAndOddWidths) {
  for (uint16_t Bits : {4, 8}) {
    const auto Compression = Bits == 8 ? bmp::kCompressionRle8 : bmp::kCompressionRle4;
    for (int32_t Width : {1, 2, 3, 5, 17, 300}) {
      SCOPED_TRACE(testing::Message() << Bits << " bits, width " << Width);
      Image Source = Pattern(Width, 4, Bits);
      // Row 1 is one long run, row 2 runs of two: both longer than a single 255-pixel run can hold.
      for (int32_t X = 0; X < Width; ++X) {
        bmp::SetPixelIndex(Source, X, 1, 6);
        bmp::SetPixelIndex(Source, X, 2, uint32_t(X / 2 % 3));
      }
      const auto File = bmp::Encode(Source, {Compression});
      const Image Decoded = bmp::Decode(File);
      EXPECT_EQ(Decoded.bitCount, Bits);
      ExpectSamePixels(Source, Decoded);
    }
  }
}

TEST(BmpCodec, RleRunsOfOneColourCompress) {
  Image Source = Pattern(200, 10, 8);
  Source.pixels.assign(Source.pixels.size(), 2);
  const auto File = bmp::Encode(Source, {bmp::kCompressionRle8});
  EXPECT_LT(File.size(), 14u + 40 + 1024 + 10 * 6);
}

TEST(BmpCodec, Rle8EscapesMoveTheCursorAndClipOverlongRuns) {
  RawFile F;
  F.width = 4;
  F.height = 3;
  F.bitCount = 8;
  F.compression = bmp::kCompressionRle8;
  F.colorsUsed = 8;
  F.palette.assign(8 * 4, 0);
  for (uint8_t I = 0; I < 8; ++I) F.palette[I * 4u] = uint8_t(I * 30);  // blue ramp
  F.pixels = {6, 1,           // bottom row: a run of 6 ones, clipped to the 4-pixel row
              0, 0,           // end of line
              0, 2, 1, 1,     // move right 1 and up 1: now x=1 on the top row
              0, 3, 5, 6, 7,  // absolute run of three pixels...
              0,              // ...padded to an even count
              0, 1};          // end of bitmap
  const Image Decoded = bmp::Decode(Build(F));
  ASSERT_EQ(Decoded.height, 3);
  const uint8_t Expected[3][4] = {{0, 5, 6, 7}, {1, 1, 1, 1}, {0, 0, 0, 0}};
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X)
      EXPECT_EQ(bmp::GetPixelIndex(Decoded, X, Y == 0 ? 0 : Y == 1 ? 2 : 1), Expected[Y][X]) << X << "," << Y;
}

TEST(BmpCodec, Rle4RunsAlternateTheirTwoColours) {
  RawFile F;
  F.width = 5;
  F.height = 1;
  F.bitCount = 4;
  F.compression = bmp::kCompressionRle4;
  F.palette.assign(16 * 4, 0);
  F.pixels = {5, 0x1A, 0, 1};
  const Image Decoded = bmp::Decode(Build(F));
  const uint32_t Expected[5] = {1, 0xA, 1, 0xA, 1};
  for (int X = 0; X < 5; ++X) EXPECT_EQ(bmp::GetPixelIndex(Decoded, X, 0), Expected[X]);
}

TEST(BmpCodec, CoreHeaderWithThreeBytePalette) {
  RawFile F;
  F.headerSize = 12;
  F.width = 2;
  F.height = 1;
  F.bitCount = 1;
  F.palette = {0x10, 0x20, 0x30, 0xFF, 0xEE, 0xDD};
  F.pixels = {0x40, 0, 0, 0};  // second pixel set
  const Image Decoded = bmp::Decode(Build(F));
  EXPECT_EQ(bmp::GetPixel(Decoded, 0, 0), bmp::MakeRgb(0x30, 0x20, 0x10));
  EXPECT_EQ(bmp::GetPixel(Decoded, 1, 0), bmp::MakeRgb(0xDD, 0xEE, 0xFF));
}

TEST(BmpCodec, UnusualBitfieldsAreWidenedTo32Bits) {
  // 16-bit 4-4-4-4 with alpha in an info header with the masks inside (V3).
  RawFile F;
  F.headerSize = 56;
  F.width = 2;
  F.height = 1;
  F.bitCount = 16;
  F.compression = bmp::kCompressionBitfields;
  F.masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
  F.pixels = {0x00, 0xFF, 0x5A, 0x83};  // 0xFF00: opaque red; 0x835A: alpha 8, red 3, green 5, blue 10
  Image Decoded = bmp::Decode(Build(F));
  EXPECT_EQ(Decoded.bitCount, 32);
  EXPECT_EQ(Decoded.masks, bmp::kMasks8888);
  EXPECT_EQ(bmp::GetPixel(Decoded, 0, 0), 0xFF0000u);
  EXPECT_EQ(Decoded.Row(0)[3], 255);
  EXPECT_EQ(bmp::GetPixel(Decoded, 1, 0), bmp::MakeRgb(3 * 17, 5 * 17, 10 * 17));
  EXPECT_EQ(Decoded.Row(0)[7], 8 * 17);

  // 32-bit with red and blue swapped, masks after a plain info header.
  RawFile G;
  G.width = 1;
  G.height = 1;
  G.bitCount = 32;
  G.compression = bmp::kCompressionBitfields;
  G.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  G.pixels = {0x11, 0x22, 0x33, 0x00};
  Decoded = bmp::Decode(Build(G));
  EXPECT_EQ(bmp::GetPixel(Decoded, 0, 0), bmp::MakeRgb(0x11, 0x22, 0x33));
}

TEST(BmpCodec, EncoderRefusesInconsistentImages) {
  Image Picture = Pattern(4, 4, 8);
  Picture.pixels.pop_back();
  EXPECT_THROW(bmp::Encode(Picture), bmp::EBmpError);
  Picture = Pattern(4, 4, 24);
  EXPECT_THROW(bmp::Encode(Picture, {bmp::kCompressionRle8}), bmp::EBmpError);
  Picture = Pattern(4, 4, 8);
  EXPECT_THROW(bmp::Encode(Picture, {bmp::kCompressionRle8, true}), bmp::EBmpError);
  Picture.palette.resize(300);
  EXPECT_THROW(bmp::Encode(Picture), bmp::EBmpError);
  EXPECT_THROW(bmp::Encode(Image{}), bmp::EBmpError);
}

}  // namespace
